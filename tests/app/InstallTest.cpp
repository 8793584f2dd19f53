#include "ProgramRun.h"

#include "app/AppState.h"
#include "app/ProgramPaths.h"
#include "app/language/LanguageFile.h"
#include "text/CodePage.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// Every file and folder below `root` with its size, for telling whether anything changed.
QStringList listing(const QString& root) {
    QStringList out;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        out.append(info.filePath() + QLatin1Char(' ') + QString::number(info.size()));
    }
    out.sort();
    return out;
}

void makeReadOnly(const QString& root) {
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    QFile::setPermissions(root, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                    QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        QFile::Permissions p = info.permissions() & ~(QFile::WriteOwner | QFile::WriteUser |
                                                      QFile::WriteGroup | QFile::WriteOther);
        QFile::setPermissions(info.filePath(), p);
    }
}

void makeWritable(const QString& root) {
    QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    QFile::setPermissions(root, QFileInfo(root).permissions() | QFile::WriteOwner);
    while (it.hasNext()) {
        const QString dir = it.next();
        QFile::setPermissions(dir, QFileInfo(dir).permissions() | QFile::WriteOwner);
    }
}

// `cmake --install` of this build into a temporary prefix, made read-only, and a home of
// the user's beside it.
class Installed : public testing::Test {
protected:
    QTemporaryDir dir;
    QString prefix = dir.filePath(QStringLiteral("prefix"));
    QString home = dir.filePath(QStringLiteral("home"));
    QString executable = prefix + QStringLiteral("/bin/clueforge");

    void SetUp() override {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        const ProgramRun install =
            runProgram(QStringLiteral(CLUEFORGE_CMAKE),
                       {QStringLiteral("--install"), QStringLiteral(CLUEFORGE_BUILD_DIR),
                        QStringLiteral("--prefix"), prefix},
                       env);
        ASSERT_EQ(install.exitCode, 0) << install.out.constData() << install.err.constData();
        makeReadOnly(prefix);
        QDir().mkpath(home + QStringLiteral("/runtime"));
        QFile::setPermissions(home + QStringLiteral("/runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void TearDown() override { makeWritable(prefix); }
};

} // namespace

TEST_F(Installed, FindsItsShippedFilesUnderShare) {
    const ProgramPaths paths = locateProgramPaths(prefix + QStringLiteral("/bin"),
                                                  home + QStringLiteral("/.config/Clueforge"),
                                                  home + QStringLiteral("/.local/share/Clueforge"));
    EXPECT_EQ(paths.programFolder, prefix + QStringLiteral("/share/clueforge/"));
    EXPECT_EQ(paths.settingsFolder, home + QStringLiteral("/.config/Clueforge/"));
    AppState state(paths);
    for (const char* language : {"Russian.txt", "English.txt"}) {
        SCOPED_TRACE(language);
        ASSERT_EQ(loadLanguageFile(state, language), LanguageOpenError::None);
        // Entry 1 names the help document of the language, inside the program folder.
        const QString help =
            cp1251::toUnicode(state.language.entry(LangEntry::HelpFile)).replace(u'\\', u'/');
        EXPECT_TRUE(QFileInfo(state.ProgramFolder + help).isFile()) << help.toStdString();
    }
    EXPECT_TRUE(QFileInfo(state.SamplesFolder + QStringLiteral("/Sample-ru.cfw")).isFile());
    // The word lists the build made, every one of them.
    const QStringList built = QDir(QStringLiteral(CLUEFORGE_BUILD_DIR "/bin/Data"))
                                  .entryList({QStringLiteral("*.dat")}, QDir::Files);
    EXPECT_EQ(QDir(state.ProgramFolder + QStringLiteral("Data"))
                  .entryList({QStringLiteral("*.dat")}, QDir::Files),
              built);
}

TEST_F(Installed, RunsFromAReadOnlyPrefixWithItsSettingsInTheUsersConfiguration) {
    QDir().mkpath(home + QStringLiteral("/Documents"));
    const QString crossword = home + QStringLiteral("/Documents/puzzle.cfw");
    ASSERT_TRUE(
        QFile::copy(prefix + QStringLiteral("/share/clueforge/Samples/Sample-ru.cfw"), crossword));
    const QStringList before = listing(prefix);

    QStringList arguments{crossword};
    QString program = executable;
    // Root may write into a read-only prefix: the run drops to the unprivileged user.
    if (geteuid() == 0) {
        for (const QString& path : listing(home))
            ASSERT_EQ(chown(QFile::encodeName(path.section(u' ', 0, -2)).constData(), 65534, 65534),
                      0);
        ASSERT_EQ(chown(QFile::encodeName(home).constData(), 65534, 65534), 0);
        QFile::setPermissions(dir.path(), QFileInfo(dir.path()).permissions() | QFile::ExeOther |
                                              QFile::ReadOther);
        arguments.prepend(executable);
        arguments = QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                QStringLiteral("--clear-groups"), QStringLiteral("--")} +
                    arguments;
        program = QStringLiteral("setpriv");
    }
    const ProgramRun run = runClosedAfterShow(program, arguments, home, home);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    // The Russian file was found, and the crossword opened.
    EXPECT_EQ(
        run.out,
        QStringLiteral(u"closing: Кроссворд: \"Первый кроссворд\" Автор: Clueforge\n").toUtf8());
    EXPECT_EQ(listing(prefix), before);

    // The settings as a portable copy writes them after the same run.
    QFile settings(home + QStringLiteral("/.config/Clueforge/Clueforge.ini"));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    PortableCopy portable;
    QFile::copy(crossword, portable.folder + QStringLiteral("puzzle.cfw"));
    ASSERT_EQ(portable.closedAfterShow({QStringLiteral("puzzle.cfw")}).exitCode, 0);
    QFile portableSettings(portable.folder + QStringLiteral("Clueforge.ini"));
    ASSERT_TRUE(portableSettings.open(QIODevice::ReadOnly));
    EXPECT_EQ(settings.readAll(), portableSettings.readAll());
}
