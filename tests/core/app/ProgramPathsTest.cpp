#include "app/ProgramPaths.h"
#include "app/AppState.h"
#include "support/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A prefix with bin/ and share/clueforge/Language/, as `cmake --install` lays it out, and the
// per-user locations beside it.
struct Layout {
    QTemporaryDir dir;
    QString root = dir.path() + QLatin1Char('/');
    QString bin = root + QStringLiteral("prefix/bin/");
    QString shared = root + QStringLiteral("prefix/share/clueforge/");
    QString config = root + QStringLiteral("home/.config/Clueforge/");
    QString data = root + QStringLiteral("home/.local/share/Clueforge/");

    void make(const QString& relative) const { QDir().mkpath(root + relative); }
    ProgramPaths locate(const QString& executableFolder) const {
        return locateProgramPaths(executableFolder, config.chopped(1), data.chopped(1));
    }
};

// Root may write anywhere, so a child drops to the unprivileged user before it looks.
template <typename F> [[noreturn]] void asUnprivilegedUser(F check) {
    if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
        _exit(100);
    _exit(check() ? 0 : 1);
}

} // namespace

TEST(ProgramPaths, PortableInstalledAndNeitherLayouts) {
    Layout l;
    l.make(QStringLiteral("prefix/bin"));
    l.make(QStringLiteral("prefix/share/clueforge/Language"));
    l.make(QStringLiteral("portable/Language"));
    l.make(QStringLiteral("bare"));
    const QString portable = l.root + QStringLiteral("portable/");
    const QString bare = l.root + QStringLiteral("bare/");

    struct Case {
        const char* what;
        QString executableFolder;
        ProgramPaths expected;
    };
    const Case cases[] = {
        {"portable folder keeps everything", portable, {portable, portable, QString()}},
        {"installed copy finds ../share and the user's folders",
         l.bin.chopped(1),
         {l.shared, l.config, l.data}},
        {"nothing found stays in the executable's folder", bare, {bare, bare, QString()}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ProgramPaths p = l.locate(c.executableFolder);
        EXPECT_EQ(p.programFolder, c.expected.programFolder);
        EXPECT_EQ(p.settingsFolder, c.expected.settingsFolder);
        EXPECT_EQ(p.userFolder, c.expected.userFolder);
    }
    // Without a home the installed copy keeps the settings beside the executable.
    EXPECT_EQ(locateProgramPaths(l.bin, QString(), QString()).settingsFolder, l.bin);
}

TEST(ProgramPaths, AReadOnlyPortableFolderLeavesTheSettingsToTheUser) {
    Layout l;
    l.make(QStringLiteral("portable/Language"));
    const QString portable = l.root + QStringLiteral("portable/");
    const QByteArray native = QFile::encodeName(portable);
    ASSERT_EQ(chmod(QFile::encodeName(l.root).constData(), 0755), 0);
    ASSERT_EQ(chmod(native.constData(), 0555), 0);
    EXPECT_EXIT(asUnprivilegedUser([&] {
                    const ProgramPaths p = l.locate(portable);
                    return p.programFolder == portable && p.settingsFolder == l.config &&
                           p.userFolder == l.data;
                }),
                testing::ExitedWithCode(0), "");
    // A writable settings file there is still the portable folder's own.
    ASSERT_EQ(chmod(native.constData(), 0755), 0);
    QFile ini(portable + QStringLiteral("Clueforge.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.close();
    ASSERT_EQ(chmod(QFile::encodeName(ini.fileName()).constData(), 0666), 0);
    ASSERT_EQ(chmod(native.constData(), 0555), 0);
    EXPECT_EXIT(asUnprivilegedUser([&] { return l.locate(portable).settingsFolder == portable; }),
                testing::ExitedWithCode(0), "");
    ASSERT_EQ(chmod(native.constData(), 0755), 0);
}

TEST(ProgramPaths, PerUserSettingsAreMadeWhereNeededAndWrittenAsThePortableOnes) {
    Layout l;
    TempProgramFolder program;
    // The program folder's file gives the starting values until the user has one.
    program.write(QStringLiteral("Clueforge.ini"),
                  "6.3\r\nEnglish.txt\r\nArial\r\n 12 \r\nTrue\r\nFalse\r\nFalse\r\n 0 \r\n"
                  " 25 \r\n 1 \r\n 0 \r\n");
    AppState state(ProgramPaths{program.path(), l.config, l.data});
    state.loadSettings();
    EXPECT_EQ(state.settings.CellSize, 25);
    state.settings.CellSize = 31;
    ASSERT_EQ(state.saveSettings(), SettingsWriteResult::Ok);

    AppState portable(program.path());
    portable.settings = state.settings;
    ASSERT_EQ(portable.saveSettings(), SettingsWriteResult::Ok);
    QFile user(l.config + QStringLiteral("Clueforge.ini"));
    ASSERT_TRUE(user.open(QIODevice::ReadOnly));
    EXPECT_EQ(user.readAll(), program.read(QStringLiteral("Clueforge.ini")));

    // From now on the user's own file is read, also when the program folder's changes.
    program.write(QStringLiteral("Clueforge.ini"), "6.3\r\nRussian.txt\r\n");
    AppState next(ProgramPaths{program.path(), l.config, l.data});
    next.loadSettings();
    EXPECT_EQ(next.settings.CellSize, 31);
    EXPECT_EQ(next.settings.LanguageFileName, "English.txt");
}

TEST(ProgramPaths, TheUsersFileWinsOverTheShippedOneOfItsName) {
    Layout l;
    TempProgramFolder program;
    program.write(QStringLiteral("Language/Russian.txt"), "shipped");
    program.write(QStringLiteral("Data/5.dat"), "shipped");
    QDir().mkpath(l.data + QStringLiteral("Language"));
    QFile own(l.data + QStringLiteral("Language/Russian.txt"));
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.close();
    const AppState state(ProgramPaths{program.path(), l.config, l.data});
    EXPECT_EQ(state.folderHolding(QStringLiteral("Language/Russian.txt")), l.data);
    EXPECT_EQ(state.folderHolding(QStringLiteral("Data/5.dat")), program.path());
    EXPECT_EQ(state.folderHolding(QStringLiteral("Language/Other.txt")), program.path());
    // A portable folder has no user's folder, whatever the current folder holds.
    const AppState portable(program.path());
    EXPECT_EQ(portable.folderHolding(QStringLiteral("Language/Russian.txt")), program.path());
}

TEST(ProgramPaths, TheSaveDialogStartsInTheDocumentsWhenTheSamplesAreReadOnly) {
    TempProgramFolder program;
    const AppState state(program.path());
    EXPECT_EQ(state.saveDialogFolder(), program.path() + QStringLiteral("Samples"));
    const QByteArray samples = QFile::encodeName(state.SamplesFolder);
    ASSERT_EQ(chmod(QFile::encodeName(program.path()).constData(), 0755), 0);
    ASSERT_EQ(chmod(samples.constData(), 0555), 0);
    // The unprivileged user has no home of its own here; the documents or the home stand in.
    EXPECT_EXIT(asUnprivilegedUser([&] {
                    const QString documents =
                        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
                    const QString folder = state.saveDialogFolder();
                    return folder != state.SamplesFolder &&
                           (folder == documents || folder == QDir::homePath());
                }),
                testing::ExitedWithCode(0), "");
    ASSERT_EQ(chmod(samples.constData(), 0755), 0);
}
