#include "app/Settings.h"
#include "support/ProgramFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

TEST(SettingsFile, WritesTheElevenLinesAndReadsThemBack) {
    TempProgramFolder folder;
    Settings s;
    s.LanguageFileName = "English.txt";
    s.LetterFontName = "Times New Roman";
    s.LetterFontItalic = true;
    s.LetterColor = 0x0000FF;
    s.CellSize = 32;
    s.ChosenStyle = 1;
    ASSERT_EQ(writeSettingsFile(folder.path(), s), SettingsWriteResult::Ok);
    EXPECT_EQ(folder.read(QStringLiteral("Clueforge.ini")),
              "6.3\r\nEnglish.txt\r\nTimes New Roman\r\n 10 \r\nTrue\r\nTrue\r\nFalse\r\n"
              " 255 \r\n 32 \r\n 1 \r\n 1 \r\n");
    Settings back;
    readSettingsFile(folder.path(), back);
    EXPECT_EQ(back, s);
}

TEST(SettingsFile, FailuresTellAccessFromOtherErrors) {
    TempProgramFolder folder;
    QDir(folder.path()).mkpath(QStringLiteral("Clueforge.ini"));
    EXPECT_EQ(writeSettingsFile(folder.path(), Settings()), SettingsWriteResult::AccessDenied);
    EXPECT_EQ(writeSettingsFile(folder.path() + QStringLiteral("missing/"), Settings()),
              SettingsWriteResult::Failed);
    EXPECT_FALSE(folder.exists(QStringLiteral("missing")));
}

namespace {

// Root may write anywhere, so the child that saves drops to the unprivileged user first.
[[noreturn]] void writeSettingsAsUnprivilegedUser(const QString& folder) {
    if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
        _exit(100);
    Settings s;
    s.CellSize = 33;
    _exit(static_cast<int>(writeSettingsFile(folder, s)));
}

} // namespace

TEST(SettingsFile, AReadOnlyProgramFolderStillTakesAWritableSettingsFile) {
    TempProgramFolder folder;
    folder.write(QStringLiteral("Clueforge.ini"), "6.3\r\n");
    const QByteArray native = QFile::encodeName(folder.path());
    const QByteArray file = QFile::encodeName(folder.path() + QStringLiteral("Clueforge.ini"));
    ASSERT_EQ(chmod(file.constData(), 0666), 0);
    ASSERT_EQ(chmod(native.constData(), 0555), 0);
    // The default style forks, so the child writes into this very folder.
    EXPECT_EXIT(writeSettingsAsUnprivilegedUser(folder.path()),
                testing::ExitedWithCode(static_cast<int>(SettingsWriteResult::Ok)), "");
    ASSERT_EQ(chmod(native.constData(), 0755), 0);
    Settings back;
    readSettingsFile(folder.path(), back);
    EXPECT_EQ(back.CellSize, 33);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Clueforge.ini")});
}

TEST(SettingsFile, ALinkToTheNullDeviceKeepsNothingAndAPipeIsRefused) {
    TempProgramFolder folder;
    const QString ini = folder.path() + QStringLiteral("Clueforge.ini");
    // A copy of the null device stands in for /dev/null, which a faulty save would replace.
    const QString null = folder.path() + QStringLiteral("null");
    if (mknod(QFile::encodeName(null).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "only root may make a device node";
    ASSERT_TRUE(QFile::link(null, ini));
    EXPECT_EQ(writeSettingsFile(folder.path(), Settings()), SettingsWriteResult::Ok);
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(null).constData(), &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));

    ASSERT_TRUE(QFile::remove(ini));
    ASSERT_EQ(mkfifo(QFile::encodeName(ini).constData(), 0644), 0);
    EXPECT_EQ(writeSettingsFile(folder.path(), Settings()), SettingsWriteResult::AccessDenied);
    ASSERT_EQ(lstat(QFile::encodeName(ini).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}
