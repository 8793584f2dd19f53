#include "app/Settings.h"
#include "support/ProgramFolder.h"

#include <QDir>

#include <gtest/gtest.h>

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
