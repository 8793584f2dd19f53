#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

// The offscreen platform warns at every shown window that it cannot pass on size hints;
// every other message goes through.
QtMessageHandler defaultHandler = nullptr;
void dropSizeHintWarning(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.contains(QLatin1String("propagateSizeHints")))
        defaultHandler(type, context, text);
}

} // namespace

// The window benchmarks need a QApplication; without a display they draw offscreen.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(dropSizeHintWarning);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
