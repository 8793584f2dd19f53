#include "app/Settings.h"
#include "app/AppState.h"

#include "support/ProgramFolder.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

Settings read(const QByteArray& bytes) {
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    Settings s;
    readSettings(buffer, s);
    return s;
}

QByteArray written(const Settings& s) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(writeSettings(buffer, s));
    return out;
}

const QByteArray kDefaultsFile = "6.3\r\nRussian.txt\r\nMS Sans Serif\r\n 10 \r\nTrue\r\nFalse\r\n"
                                 "False\r\n 0 \r\n 20 \r\n 1 \r\n 0 \r\n";

} // namespace

TEST(Settings, DefaultsAreWrittenAsElevenLines) {
    Settings s;
    s.LanguageFileName = "Russian.txt";
    EXPECT_EQ(written(s), kDefaultsFile);
    EXPECT_EQ(read(kDefaultsFile), s);
}

TEST(Settings, MissingFileKeepsTheDefaults) {
    TempProgramFolder folder;
    AppState state(folder.path());
    state.loadSettings();
    EXPECT_EQ(state.settings, Settings());
}

TEST(Settings, ReadsTheFileOfTheProgramFolder) {
    TempProgramFolder folder;
    folder.write(QStringLiteral("Clueforge.ini"),
                 "6.3\r\nEnglish.txt\r\nDejaVu Sans\r\n 14 \r\nFalse\r\nTrue\r\nTrue\r\n"
                 " 255 \r\n 30 \r\n 3 \r\n 1 \r\n");
    AppState state(folder.path());
    state.loadSettings();
    const Settings& s = state.settings;
    EXPECT_EQ(s.LanguageFileName, "English.txt");
    EXPECT_EQ(s.LetterFontName, "DejaVu Sans");
    EXPECT_EQ(s.LetterFontSize, 14);
    EXPECT_FALSE(s.LetterFontBold);
    EXPECT_TRUE(s.LetterFontItalic);
    EXPECT_TRUE(s.LetterFontUnderline);
    EXPECT_EQ(s.LetterColor, 255);
    EXPECT_EQ(s.CellSize, 30);
    EXPECT_EQ(s.NumberSize, 3);
    EXPECT_EQ(s.ChosenStyle, 1);
}

TEST(Settings, AnotherVersionIsIgnoredWhole) {
    EXPECT_EQ(read("6.2\r\nEnglish.txt\r\nArial\r\n 12 \r\n"), Settings());
    EXPECT_EQ(read("\"6.3 \"\r\nEnglish.txt\r\n"), Settings());
    EXPECT_EQ(read(""), Settings());
}

TEST(Settings, AShortFileKeepsTheDefaultsOfWhatIsMissing) {
    Settings expected;
    expected.LanguageFileName = "English.txt";
    EXPECT_EQ(read("6.3\r\nEnglish.txt\r\n"), expected);
    EXPECT_EQ(read("6.3\r\n\r\n"), Settings()); // empty language: start-up substitutes Russian
}

TEST(Settings, BooleansAcceptWordsInAnyCaseAndNumbers) {
    const struct {
        const char* field;
        bool bold; // default is true
    } cases[] = {{"True", true}, {"FALSE", false}, {"false", false}, {"tRUE", true}, {"0", false},
                 {"-1", true},   {" 2 ", true},    {"yes", true},    {"", true}};
    for (const auto& c : cases) {
        const Settings s = read(QByteArray("6.3\r\nx\r\nf\r\n 10 \r\n") + c.field + "\r\n");
        EXPECT_EQ(s.LetterFontBold, c.bold) << c.field;
    }
    // A word that is not a Boolean leaves the default, also for a default of false.
    EXPECT_FALSE(read("6.3\r\nx\r\nf\r\n 10 \r\nTrue\r\nmaybe\r\n").LetterFontItalic);
}

TEST(Settings, FontNamesKeepBlanksAndEndAtAComma) {
    Settings s;
    s.LanguageFileName = "English.txt";
    s.LetterFontName = "Times New Roman";
    EXPECT_EQ(read(written(s)).LetterFontName, "Times New Roman");
    EXPECT_EQ(read("6.3\r\nEnglish.txt\r\nArial, Narrow\r\n").LetterFontName, "Arial");
}

TEST(Settings, UnusableValuesFallBackToTheDefaults) {
    const Settings d;
    const Settings s = read("6.3\r\nx\r\nf\r\n abc \r\nTrue\r\nFalse\r\nFalse\r\n 99999999999 \r\n"
                            " 0 \r\n 7 \r\n 5 \r\n");
    EXPECT_EQ(s.LetterFontSize, d.LetterFontSize); // "abc" reads as 0, which no font has
    EXPECT_EQ(s.LetterColor, d.LetterColor);       // overflow: not read
    EXPECT_EQ(s.CellSize, d.CellSize);
    EXPECT_EQ(s.NumberSize, d.NumberSize);
    EXPECT_EQ(s.ChosenStyle, d.ChosenStyle);
    EXPECT_EQ(
        read("6.3\r\nx\r\nf\r\n 10 \r\nTrue\r\nFalse\r\nFalse\r\n 0 \r\n -4 \r\n 0 \r\n").CellSize,
        d.CellSize);
}

TEST(Settings, BinaryGarbageNeverStopsStartUp) {
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(static_cast<char>((i * 7919) & 0xFF));
    EXPECT_EQ(read(garbage), Settings());
    const Settings s = read("6.3\r\n" + garbage);
    EXPECT_GE(s.CellSize, 1);
    EXPECT_GE(s.NumberSize, 1);
    EXPECT_LE(s.NumberSize, 3);
    EXPECT_LE(s.LanguageFileName.size(), 4096);
}

TEST(Settings, TheAnswersPageIsAnOptionalTwelfthLine) {
    const struct {
        const char* line; // after the eleven; nullptr: none
        bool before;      // what the setting was before the read
        bool expected;
    } cases[] = {{nullptr, false, false}, {nullptr, true, true},   {"True", false, true},
                 {"False", true, false},  {"maybe", false, false}, {"maybe", true, true}};
    for (const auto& c : cases) {
        const QByteArray file = c.line ? kDefaultsFile + c.line + "\r\n" : kDefaultsFile;
        QBuffer buffer;
        buffer.setData(file);
        buffer.open(QIODevice::ReadOnly);
        Settings s;
        s.PrintAnswers = c.before;
        readSettings(buffer, s);
        EXPECT_EQ(s.PrintAnswers, c.expected) << (c.line ? c.line : "(none)") << c.before;
        // The eleven lines before it read as always.
        s.PrintAnswers = false;
        Settings eleven;
        eleven.LanguageFileName = "Russian.txt";
        EXPECT_EQ(s, eleven);
    }
}

TEST(Settings, TheTwelfthLineIsWrittenOnlyWhileTheAnswersPageIsOn) {
    // A file an earlier copy wrote comes back byte for byte, as long as the option stays off.
    const QByteArray earlier = "6.3\r\nEnglish.txt\r\nDejaVu Sans\r\n 14 \r\nFalse\r\nTrue\r\n"
                               "True\r\n 255 \r\n 30 \r\n 3 \r\n 1 \r\n";
    Settings s = read(earlier);
    EXPECT_FALSE(s.PrintAnswers);
    EXPECT_EQ(written(s), earlier);

    s.PrintAnswers = true;
    const QByteArray twelve = written(s);
    EXPECT_EQ(twelve, earlier + "True\r\n");
    EXPECT_EQ(read(twelve), s);
}
