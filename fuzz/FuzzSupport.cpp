#include "FuzzSupport.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

FuzzInput::FuzzInput(const std::uint8_t* data, std::size_t size)
    : bytes_(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)) {
    setBuffer(&bytes_);
    open(QIODevice::ReadOnly);
}

FuzzOutput::FuzzOutput() {
    setBuffer(&bytes_);
    open(QIODevice::WriteOnly);
}

void ensureApplication() {
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QApplication(argc, argv);
    }
}

void fuzzFailure(const char* what) {
    std::fprintf(stderr, "fuzz target check failed: %s\n", what);
    std::abort();
}
