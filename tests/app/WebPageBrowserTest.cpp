// The page of `--convert IN OUT.html --web` solved in the system's headless Chromium by
// tests/tools/web-page/check.mjs: typing, checks, reveals, a reload, the solved message, the
// phone layout, printing, an axe-core scan, no console error and no network request.
#include "ProgramRun.h"

#include "app/Conversion.h"
#include "app/Settings.h"
#include "app/language/Language.h"
#include "print/PrintedGrid.h"
#include "text/CodePage.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <ostream>

namespace {

const QString kTool = QStringLiteral(CLUEFORGE_SOURCE_DIR "/tests/tools/web-page");

// The words in the page's order (across, then down, by number), in capitals.
QByteArray solution(const QString& crossword) {
    convert::ReadOutcome read = convert::readCrossword(crossword, convert::Format::Crossword, {});
    EXPECT_TRUE(read.doc.has_value());
    QJsonArray words;
    if (!read.doc)
        return {};
    const auto entries = publish::clueEntries(*read.doc);
    for (int d = 0; d < 2; ++d)
        for (const publish::ClueEntry& e : entries[static_cast<std::size_t>(d)])
            words.append(
                QJsonObject{{QStringLiteral("n"), e.number},
                            {QStringLiteral("d"), d},
                            {QStringLiteral("answer"), cp1251::toUnicode(e.answer).toUpper()}});
    return QJsonDocument(QJsonObject{{QStringLiteral("words"), words}}).toJson();
}

struct BrowserCase {
    const char* sample;
    const char* language;
    int style;
};

// Named in CTest's list by its sample and style.
void PrintTo(const BrowserCase& c, std::ostream* os) {
    *os << c.sample << (c.style ? " turned" : " classic");
}

class WebPageInBrowser : public testing::TestWithParam<BrowserCase> {};

TEST_P(WebPageInBrowser, SolvesAsAUserWould) {
    const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
    if (node.isEmpty())
        GTEST_SKIP() << "node is missing: the web page was not tried in a browser "
                        "(scripts/deps.sh installs it)";
    ASSERT_TRUE(QFile::exists(kTool + QStringLiteral("/node_modules/puppeteer-core")))
        << "the browser tool is not installed: scripts/deps.sh installs it";

    const BrowserCase& c = GetParam();
    PortableCopy copy;
    Settings settings;
    settings.LanguageFileName = c.language;
    settings.ChosenStyle = c.style;
    ASSERT_EQ(writeSettingsFile(copy.folder, settings), SettingsWriteResult::Ok);
    const QString crossword = copy.folder + QStringLiteral("Samples/") + QLatin1String(c.sample);
    const QString page = copy.dir.filePath(QStringLiteral("page.html"));
    const ProgramRun run = runProgram(
        copy.executable, {QStringLiteral("--convert"), crossword, page, QStringLiteral("--web")},
        headlessEnvironment(copy.home, false));
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();

    const QString answers = copy.dir.filePath(QStringLiteral("solution.json"));
    QFile file(answers);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(solution(crossword));
    file.close();

    // The screenshots stay in the build folder to be looked at.
    const QString shots = QStringLiteral(CLUEFORGE_BUILD_DIR "/web-page-shots");
    QDir().mkpath(shots);
    QStringList arguments{kTool + QStringLiteral("/check.mjs"), page, answers,
                          QStringLiteral("--shots"), shots};
    if (c.style != 0)
        arguments << QStringLiteral("--turned");
    QProcess browser;
    browser.setProcessEnvironment(headlessEnvironment(copy.home, false));
    browser.setProcessChannelMode(QProcess::MergedChannels);
    browser.start(node, arguments);
    ASSERT_TRUE(browser.waitForFinished(300000)) << "the browser run did not end";
    const QByteArray report = browser.readAll();
    EXPECT_EQ(browser.exitCode(), 0) << report.constData();
    EXPECT_TRUE(report.contains("all passed")) << report.constData();
}

INSTANTIATE_TEST_SUITE_P(BothStylesAndLanguages, WebPageInBrowser,
                         testing::Values(BrowserCase{"Sample-ru.cfw", "Russian.txt", 0},
                                         BrowserCase{"Sample-en.cfw", "English.txt", 1}),
                         [](const testing::TestParamInfo<BrowserCase>& info) {
                             return info.param.style == 0 ? std::string("ClassicRussian")
                                                          : std::string("TurnedEnglish");
                         });

} // namespace
