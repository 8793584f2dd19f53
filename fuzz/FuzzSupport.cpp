#include "FuzzSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>

FuzzInput::FuzzInput(const std::uint8_t* data, std::size_t size)
    : bytes_(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)) {
    setBuffer(&bytes_);
    open(QIODevice::ReadOnly);
}

namespace {

// Qt's warnings about the odd names and fonts a fuzzer makes up would bury its own report.
void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}
const QtMessageHandler previousHandler = qInstallMessageHandler(quiet);

} // namespace

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

FuzzWindow::FuzzWindow() : state((ensureApplication(), folder.path() + QLatin1Char('/'))) {
    if (!folder.isValid())
        fuzzFailure("no temporary folder");
    state.settings.CellSize = 3;
    form = std::make_unique<MainWindow>(state, platform);
}

void FuzzWindow::put(const char* name, QByteArrayView bytes) const {
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), bytes.size()) != bytes.size())
        fuzzFailure("cannot write to the temporary folder");
}
