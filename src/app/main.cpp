#include "app/AppState.h"
#include "app/Conversion.h"
#include "app/Convert.h"
#include "app/MainWindow.h"
#include "app/QuitAfterPaint.h"
#include "app/Startup.h"
#include "app/language/LanguageFile.h"
#include "platform/DeferredIconStyle.h"
#include "platform/QtPlatform.h"
#include "text/CodePage.h"

#include <QApplication>
#include <QByteArrayView>
#include <QCommandLineParser>
#include <QIcon>
#include <QPixmap>
#include <QStyle>

#include <cstdio>
#include <optional>

namespace {

void nameTheProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("Clueforge"));
    QCoreApplication::setApplicationVersion(QLatin1String(Settings::kVersion));
}

// The icon of the desktop entry, each drawn size as it was made, read when the desktop first
// asks for it (and then as PNG by name, not told by every picture format's plugin).
QIcon programIcon() {
    return platform::deferredIcon([] {
        QIcon icon;
        for (int size : {16, 24, 32, 48, 64, 128, 256})
            icon.addPixmap(
                QPixmap(QStringLiteral(":/icons/org.clueforge.Clueforge-%1.png").arg(size), "PNG"));
        return icon;
    });
}

void describeTheCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral("Clueforge, a crossword editor and solver."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A crossword (*.cfw) or answers file (*.otv) "
                                                "to open."),
                                 QStringLiteral("[file]"));
    parser.addOption(QCommandLineOption(
        QStringLiteral("convert"),
        QStringLiteral("Convert without a window: clueforge --convert IN OUT. IN is a .cfw or "
                       ".ipuz file, OUT a .cfw, .ipuz, .htm (with its two pictures), .pdf or "
                       ".svg file, or with --web a page to solve in a browser. Exit codes: 0 "
                       "converted, 2 bad command line, 4 unreadable "
                       "input, 5 failed write, 6 password needed: of a crossword with a "
                       "password, only a PDF or SVG without answers goes without --password "
                       "giving it.")));
    parser.addOption(
        QCommandLineOption(QStringLiteral("password"),
                           QStringLiteral("With --convert: the password a .cfw is saved with "
                                          "(required, may be empty), and the one that opens "
                                          "the answers of a crossword with a password."),
                           QStringLiteral("TEXT")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("answers"),
        QStringLiteral("With --convert: the answers pages of a PDF, the letters of an SVG.")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("web"),
        QStringLiteral("With --convert to .html or .htm: one self-contained page to solve the "
                       "crossword in a browser, offline. A crossword with a password needs "
                       "--password with that password.")));
}

bool hasArgument(int argc, char** argv, const char* wanted) {
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView arg(argv[i]);
        if (arg == "--")
            return false;
        if (arg == wanted)
            return true;
    }
    return false;
}

// --help and --version are answered without a display: the window system is not reached.
bool asksOnlyForText(int argc, char** argv) {
    for (const char* option : {"-h", "-?", "--help", "--help-all", "-v", "--version"})
        if (hasArgument(argc, argv, option))
            return true;
    return false;
}

// Errors of a conversion in the program's language, in the terminal's encoding.
void printError(const QByteArray& message) {
    std::fprintf(stderr, "%s\n", cp1251::toUnicode(message).toLocal8Bit().constData());
}

// A conversion prints nothing but its own errors: Qt's notes (a missing runtime folder ...)
// would read as failures in a pipeline.
void keepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

// `--convert IN OUT [--password TEXT]`, with the settings' language and letter font.
int convertFromCommandLine(const QApplication& app) {
    QCommandLineParser parser;
    describeTheCommandLine(parser);
    AppState state(locateProgramPaths(QCoreApplication::applicationDirPath()));
    state.loadSettings();
    QByteArray language = state.settings.LanguageFileName;
    if (!isLanguageFileName(language))
        language = "Russian.txt";
    loadLanguageFile(state, language);
    const bool parsed = parser.parse(app.arguments());
    const QStringList files = parser.positionalArguments();
    if (!parsed || files.size() != 2) {
        if (!parsed)
            printError(cp1251::fromUnicode(parser.errorText()));
        printError(state.ownText(OwnText::ConvertUsage));
        return convert::kBadCommandLine;
    }
    ConvertOptions options;
    if (parser.isSet(QStringLiteral("password")))
        options.password = parser.value(QStringLiteral("password"));
    options.answers = parser.isSet(QStringLiteral("answers"));
    options.web = parser.isSet(QStringLiteral("web"));
    const ConvertRun run = convertCrossword(state, files[0], files[1], options);
    if (run.exitCode != convert::kConverted)
        printError(run.message);
    return run.exitCode;
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
    if (hasArgument(argc, argv, "--convert")) {
        // No window system is reached: the pictures are drawn offscreen.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(keepQtQuiet);
        QApplication app(argc, argv);
        nameTheProgram();
        return convertFromCommandLine(app);
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
    for (const char* option : {"password", "answers", "web"})
        if (parser.isSet(QLatin1String(option))) {
            std::fprintf(stderr, "%s: --%s goes with --convert\n",
                         qPrintable(app.applicationName()), option);
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
            form.get(), [&form, &files] { form->openFileFromCommandLine(files.front()); },
            Qt::QueuedConnection);
    // Whole runs of the program are timed so; it then saves no settings.
    if (QuitAfterPaint::wanted())
        form->installEventFilter(&quitAfterPaint);
    std::unique_ptr<CloseAfterPaint> closeAfterPaint;
    if (CloseAfterPaint::wanted())
        closeAfterPaint = std::make_unique<CloseAfterPaint>(*form);
    return QApplication::exec();
}
