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

// A device that takes whatever is written and keeps it.
class FuzzOutput : public QBuffer {
public:
    FuzzOutput();
    QByteArray bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

// The offscreen application the window targets draw in, made once.
void ensureApplication();

// Stops the target with a report the fuzzer records as a crash.
[[noreturn]] void fuzzFailure(const char* what);

#include "platform/Platform.h"

// A desktop that answers every question with its default and opens nothing.
class SilentPlatform : public platform::Platform {
public:
    platform::Answer messageBox(QWidget*, const QString&, const QString&, platform::Icon,
                                platform::Buttons, platform::Answer defaultButton) override {
        return defaultButton;
    }
    QString getOpenFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString getSaveFileName(QWidget*, const QString&, const QString&, const QString&,
                            const QString&) override {
        return {};
    }
    bool chooseFont(QWidget*, platform::FontChoice&) override { return false; }
    void openDocument(const QString&, const QString&) override {}
};
