#pragma once

#include <QByteArray>

struct CrosswordDocument;

namespace words {

// The pattern of the current slot that its crossing words fix: for each cell the letter the
// word in the other direction wrote there, or '?'. Empty when no slot is current.
QByteArray prefilledPattern(const CrosswordDocument& doc);

} // namespace words
