#include "files/PropertiesDialog.h"
#include "support/FileSizeLimit.h"
#include "support/ui/RunningProgram.h"

#include <QDialog>
#include <QDir>

#include <gtest/gtest.h>

namespace {

const QString kIni = QStringLiteral("Clueforge.ini");
const QByteArray kDefaultIni = "6.3\r\nRussian.txt\r\nMS Sans Serif\r\n 10 \r\nTrue\r\nFalse\r\n"
                               "False\r\n 0 \r\n 20 \r\n 1 \r\n 0 \r\n";

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The window started on a program folder with the shipped Russian file.
struct Program : RunningProgram {
    Program() { installLanguage("Russian.txt"); }
};

} // namespace

TEST(Shutdown, RunWithoutChangesWritesTheElevenDefaultLines) {
    Program p;
    EXPECT_TRUE(p.start().close());
    EXPECT_EQ(p.folder.read(kIni), kDefaultIni);
    EXPECT_TRUE(p.fake.messages.isEmpty());
}

TEST(Shutdown, FontNameSurvivesTheNextStartUp) {
    struct Case {
        QByteArray written;
        QByteArray readBack;
    };
    for (const Case& c : {Case{"Times New Roman", "Times New Roman"}, Case{"Odd, Font", "Odd"}}) {
        Program p;
        p.start();
        p.state.settings.LetterFontName = c.written;
        p.form->close();
        AppState next(p.folder.path());
        next.loadSettings();
        EXPECT_EQ(next.settings.LetterFontName, c.readBack);
    }
}

TEST(Shutdown, UnsavedChangesQuestion) {
    using platform::Answer;
    struct Case {
        EditMode mode;
        bool modified;
        Answer answer;
        const char* question; // nullptr: nothing is asked
        bool closes;
    };
    const char* authoring = "Кроссворд изменён. Сохранить изменения?";
    const char* solving = "Ответы не сохранены. Сохранить их?";
    const Case cases[] = {
        {EditMode::ModeAuthor, true, Answer::Cancel, authoring, false},
        {EditMode::ModeAuthorNoAnswers, true, Answer::No, authoring, true},
        {EditMode::ModeSolve, true, Answer::No, solving, true},
        {EditMode::ModeSolveNoAnswers, true, Answer::Cancel, solving, false},
        // The save command did not clear Modified: closing now would lose the changes.
        {EditMode::ModeAuthor, true, Answer::Yes, authoring, false},
        {EditMode::ModeSolve, false, Answer::Cancel, nullptr, true},
        {EditMode::ModeDrawGrid, true, Answer::Cancel, nullptr, true},
        {EditMode::ModeIncomplete, true, Answer::Cancel, nullptr, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "mode " << modeValue(c.mode) << " answer " << static_cast<int>(c.answer));
        Program p;
        p.folder.write(kIni, "6.3\r\nRussian.txt\r\n");
        MainWindow& f = p.start();
        p.state.session.documentForSetup().Mode = c.mode;
        p.state.session.documentForSetup().Modified = c.modified;
        p.fake.answers = {c.answer};
        // Saving a crossword without title and author asks for them first; cancelled here.
        if (c.answer == Answer::Yes)
            p.fake.onDialog<PropertiesDialog>([](PropertiesDialog& d) { d.reject(); });

        EXPECT_EQ(f.close(), c.closes);
        EXPECT_EQ(f.isVisible(), !c.closes);
        ASSERT_EQ(p.fake.messages.size(), c.question ? 1 : 0);
        if (c.question) {
            const FakePlatform::Message& m = p.fake.messages.back();
            EXPECT_EQ(m.text, u(c.question));
            EXPECT_EQ(m.icon, platform::Icon::Warning);
            EXPECT_EQ(m.buttons, platform::Buttons::YesNoCancel);
        }
        const QByteArray ini = p.folder.read(kIni);
        EXPECT_EQ(ini, c.closes ? kDefaultIni : QByteArray("6.3\r\nRussian.txt\r\n"));
    }
}

TEST(Shutdown, SettingsThatCannotBeWrittenAreReportedAndTheWindowStillCloses) {
    Program p;
    QDir(p.folder.path()).mkpath(kIni);
    MainWindow& f = p.start();
    EXPECT_TRUE(f.close());
    ASSERT_EQ(p.fake.messages.size(), 1);
    const FakePlatform::Message& m = p.fake.messages.front();
    EXPECT_EQ(m.text, u("Файл Clueforge.ini недоступен для записи."));
    EXPECT_EQ(m.icon, platform::Icon::Critical);
    EXPECT_EQ(m.title, u("Clueforge"));
}

TEST(Shutdown, SettingsThatFailPartWayKeepThePreviousFile) {
    Program p;
    const QByteArray previous = "6.3\r\nRussian.txt\r\n";
    p.folder.write(kIni, previous);
    MainWindow& f = p.start();
    {
        const FileSizeLimit limit(16);
        ASSERT_TRUE(limit.active());
        EXPECT_TRUE(f.close());
    }
    ASSERT_EQ(p.fake.messages.size(), 1);
    EXPECT_EQ(p.fake.messages.front().text, u("Файл Clueforge.ini не записан: ошибка записи."));
    EXPECT_EQ(p.fake.messages.front().icon, platform::Icon::Critical);
    EXPECT_EQ(p.folder.read(kIni), previous);
    EXPECT_EQ(QDir(p.folder.path()).entryList(QDir::Files), QStringList{kIni});
}
