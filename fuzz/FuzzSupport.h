#pragma once

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>

// A read-only device over the fuzzer's bytes.
class FuzzInput : public QBuffer {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size);

private:
    QByteArray bytes_;
};

// Stops the target with a report the fuzzer records as a crash.
[[noreturn]] void fuzzFailure(const char* what);

// What write (bool(QIODevice&)) puts on a device, ready to be read back; a failure to write to
// memory is a finding.
template <typename Write> FuzzInput writtenBy(Write&& write) {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    if (!write(out))
        fuzzFailure("writing to memory failed");
    const QByteArray& bytes = out.buffer();
    return FuzzInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                     static_cast<std::size_t>(bytes.size()));
}

// The offscreen application the window targets draw in, made once.
void ensureApplication();

#include "platform/SilentPlatform.h"

#include "app/AppState.h"
#include "app/MainWindow.h"

#include <QTemporaryDir>

#include <memory>

// The real main window in a program folder of its own, its grid drawn small so that the
// largest crosswords redraw quickly.
struct FuzzWindow {
    QTemporaryDir folder;
    platform::SilentPlatform platform;
    AppState state;
    std::unique_ptr<MainWindow> form;

    FuzzWindow();
    QString path(const char* name) const { return folder.filePath(QLatin1String(name)); }
    // Writes bytes to the file name in the program folder.
    void put(const char* name, QByteArrayView bytes) const;
};
