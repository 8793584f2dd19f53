#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace publish {

// The PDF with /Author added to its document information, the cross-reference table moved
// along. Only a file with one classic cross-reference table and an information dictionary of
// its own object is changed; nothing when the file is laid out otherwise.
std::optional<QByteArray> withPdfAuthor(const QByteArray& pdf, const QString& author);

} // namespace publish
