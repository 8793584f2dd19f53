#include "app/AppState.h"
#include "app/MainM.h"
#include "app/QuitAfterPaint.h"
#include "app/frmForma.h"
#include "platform/DeferredIconStyle.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QByteArrayView>
#include <QCommandLineParser>
#include <QIcon>
#include <QStyle>

#include <cstdio>

namespace {

void nameTheProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("Clueforge"));
    QCoreApplication::setApplicationVersion(QLatin1String(Settings::kVersion));
}

// The icon of the desktop entry, each drawn size as it was made.
QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/org.clueforge.Clueforge-%1.png").arg(size));
    return icon;
}

void describeTheCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral("Clueforge, a crossword editor and solver."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A crossword (*.cfw) or answers file (*.otv) "
                                                "to open."),
                                 QStringLiteral("[file]"));
}

// --help and --version are answered without a display: the window system is not reached.
bool asksOnlyForText(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView arg(argv[i]);
        if (arg == "--")
            return false;
        for (const char* option : {"-h", "-?", "--help", "--help-all", "-v", "--version"})
            if (arg == option)
                return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (asksOnlyForText(argc, argv)) {
        QCoreApplication app(argc, argv);
        nameTheProgram();
        QCommandLineParser parser;
        describeTheCommandLine(parser);
        parser.process(app); // prints and exits
        return 0;
    }
    QApplication app(argc, argv);
    nameTheProgram();
    QCommandLineParser parser;
    describeTheCommandLine(parser);
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fprintf(stderr, "%s: one file at a time\n", qPrintable(app.applicationName()));
        return 1;
    }
    QApplication::setWindowIcon(programIcon());
    // Wayland and the desktop's task bar find the entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.clueforge.Clueforge"));
    QApplication::setStyle(new platform::DeferredIconStyle(QApplication::style()->name()));
    AppState state(locateProgramPaths(QCoreApplication::applicationDirPath()));
    platform::QtPlatform platform;
    QuitAfterPaint quitAfterPaint;
    const auto form = startUp(state, platform);
    // Opened once the event loop runs, so that the window is up behind a message or question.
    if (!files.isEmpty())
        QMetaObject::invokeMethod(
            form.get(), [&form, &files] { form->OpenFileFromCommandLine(files.front()); },
            Qt::QueuedConnection);
    // Whole runs of the program are timed so; it then saves no settings.
    if (QuitAfterPaint::wanted())
        form->installEventFilter(&quitAfterPaint);
    std::unique_ptr<CloseAfterPaint> closeAfterPaint;
    if (CloseAfterPaint::wanted())
        closeAfterPaint = std::make_unique<CloseAfterPaint>(*form);
    return QApplication::exec();
}
