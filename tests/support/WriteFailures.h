#pragma once

#include <QIODevice>

#include <functional>

// Runs a writer on devices that fail after none, one, half and all but one of its bytes, and on
// /dev/full: each run must report the failure, having written exactly what the device took.
void expectEveryWriteFailureReported(const std::function<bool(QIODevice&)>& write);
