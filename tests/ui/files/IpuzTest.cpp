#include "FilesWindow.h"
#include "commands/FileCommands.h"
#include "commands/PublishingCommands.h"
#include "support/ui/Commands.h"

#include "files/PropertiesDialog.h"
#include "grid/ShownGrid.h"
#include "ipuz/IpuzFile.h"
#include "support/HouseIpuz.h"
#include "support/ui/WindowParts.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// ipuz files opened as the author's crossword, and the author's crossword exported as one.
class Ipuz : public FilesWindow {
protected:
    // The house crossword opened for solving, unchanged: what a refused file must leave alone.
    QString solving() {
        const QString path = at(u("Дом.cfw"));
        writeCrossword(path, house().build());
        open(path);
        EXPECT_EQ(doc().Mode, EditMode::ModeSolve);
        return path;
    }
    QString ipuzFile(const QString& name, const QByteArray& bytes) {
        const QString path = at(name);
        writeFile(path, bytes);
        return path;
    }
    // What the window must say about a refused file: the reader's own reason.
    QString refusal(const QString& path, ipuz::ReadProblem::Kind expected) {
        CrosswordDocument scratch;
        const ipuz::ReadProblem problem = ipuz::readIpuzFile(path, scratch);
        EXPECT_EQ(problem.kind, expected) << path.toStdString();
        return cp1251::toUnicode(ipuz::problemText(p.state.language, problem));
    }
};

TEST_F(Ipuz, OpenedFileIsSolvedAndChangeMakesItAnUnsavedAuthorsCrosswordWithoutAsking) {
    solving();
    const QString path = ipuzFile(u("house.ipuz"), houseIpuz());
    open(path);

    // The Open dialog offers ipuz files beside the program's own.
    const QString filter = fake().fileDialogs.last().filter;
    EXPECT_TRUE(filter.contains(u("*.cfw;*.ipuz"))) << filter.toStdString();
    EXPECT_TRUE(filter.contains(u("ipuz crossword (*.ipuz)") + QChar(0) + u("*.ipuz")));

    // A file with every answer is for solving, its answers hidden.
    EXPECT_TRUE(fake().messages.isEmpty()) << lastMessage().toStdString();
    EXPECT_EQ(doc().Mode, EditMode::ModeSolve);
    EXPECT_FALSE(doc().Modified);
    EXPECT_EQ(doc().CrosswordPath, path);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(doc().CellMap.at(x, y, layer::kLetter), 0) << x << ", " << y;
    EXPECT_TRUE(part::answerEdit(*form)->isVisible());
    EXPECT_FALSE(part::clueEdit(*form)->isVisible());
    EXPECT_FALSE(actionNamed(*form, "exportIpuzAction")->isEnabled());
    EXPECT_TRUE(actionNamed(*form, "revealWordAction")->isEnabled());

    // It has no password: Change asks nothing (an unscripted dialog fails the test).
    ASSERT_TRUE(actionNamed(*form, "unlockAction")->isEnabled());
    actionNamed(*form, "unlockAction")->trigger();
    EXPECT_TRUE(fake().messages.isEmpty()) << lastMessage().toStdString();
    EXPECT_EQ(doc().Mode, EditMode::ModeAuthor);
    EXPECT_TRUE(doc().Modified);
    EXPECT_TRUE(doc().CrosswordPath.isEmpty());
    EXPECT_EQ(doc().CrosswordTitle, cp(u"Дом"));
    EXPECT_EQ(doc().CrosswordAuthor, cp(u"Иванов"));
    EXPECT_EQ(doc().SlotTexts.at(1, 1, 0), cp(u"КОТ"));
    EXPECT_EQ(doc().SlotTexts.at(1, 0, 0), cp(u"Домашний зверь"));
    EXPECT_EQ(doc().SlotTexts.at(1, 0, 1), cp(u"Морской великан"));
    EXPECT_EQ(doc().SlotTexts.at(3, 0, 0), cp(u"Электрический ..."));
    EXPECT_EQ(p.state.session.shownStyle(), 0);
    EXPECT_EQ(doc().ShownSlotTable, doc().SlotTable);
    EXPECT_TRUE(part::clueEdit(*form)->isVisible());
    EXPECT_TRUE(actionNamed(*form, "exportIpuzAction")->isEnabled());
    EXPECT_EQ(form->windowTitle(), u("Clueforge — entering words and clues"));

    // A click on 1 across shows its clue to the author.
    p.state.session.selectSlot({1, Direction::Across});
    EXPECT_EQ(part::clueEdit(*form)->text(), u("Домашний зверь"));

    // The file came without a password: Save asks for one, then for a name.
    bool asked = false;
    fake().onDialog<PropertiesDialog>([&](PropertiesDialog& d) {
        asked = true;
        EXPECT_EQ(d.titleEdit->text(), u("Дом"));
        EXPECT_EQ(d.authorEdit->text(), u("Иванов"));
        EXPECT_TRUE(d.passwordEdit->text().isEmpty());
        d.passwordEdit->setText(u("Секрет"));
        d.passwordRepeatEdit->setText(u("Секрет"));
        d.okButton->click();
    });
    const qsizetype dialogs = fake().fileDialogs.size();
    fake().paths.push_back(at(u("Новый")));
    commandsOf<FileCommands>(*form).save();
    EXPECT_TRUE(asked);
    ASSERT_EQ(fake().fileDialogs.size(), dialogs + 1);
    EXPECT_TRUE(fake().fileDialogs.last().save);
    EXPECT_EQ(fake().fileDialogs.last().defaultName, u("Дом"));
    const QString saved = at(u("Новый.cfw"));
    EXPECT_EQ(doc().CrosswordPath, saved);
    EXPECT_FALSE(doc().Modified);

    CrosswordDocument read;
    ASSERT_EQ(ReadCrosswordFile(saved, read).status, FileStatus::Ok);
    EXPECT_EQ(UnscrambleText(read.Scramble, read.CrosswordPassword), cp(u"Секрет"));
    EXPECT_EQ(read.SlotTexts.at(2, 1, 1), cp(u"ТОК"));
    EXPECT_EQ(read.SlotTexts.at(2, 0, 1), QByteArray("..."));
}

TEST_F(Ipuz, AnswersFileNamesTheIpuzFileAndReopensItWithTheSolvedWords) {
    const QString path = ipuzFile(u("house.ipuz"), houseIpuz());
    open(path);
    ASSERT_EQ(doc().Mode, EditMode::ModeSolve);
    QLineEdit* box = part::answerEdit(*form);
    box->setText(u("КОТ"));
    QTest::keyClick(box, Qt::Key_Return);
    ASSERT_EQ(doc().SolvedFlags.at(1, 0), 1);
    ASSERT_TRUE(doc().Modified);

    // Saved under the ipuz file's name, not "house." with its extension cut short.
    fake().paths.push_back(at(u("house")));
    commandsOf<FileCommands>(*form).save();
    EXPECT_EQ(fake().fileDialogs.last().defaultName, u("house"));
    const QString answers = at(u("house.otv"));
    ASSERT_EQ(doc().AnswersPath, answers);

    // From another crossword, the answers file opens the ipuz file again, for solving.
    FilledCrossword other = house();
    other.title = cp(u"Другой");
    writeCrossword(at(u("other.cfw")), other.build());
    open(at(u("other.cfw")));
    ASSERT_EQ(doc().CrosswordTitle, cp(u"Другой"));
    fake().paths.push_back(answers);
    commandsOf<FileCommands>(*form).openAnswers();
    EXPECT_TRUE(fake().messages.isEmpty()) << lastMessage().toStdString();
    EXPECT_EQ(doc().Mode, EditMode::ModeSolve);
    EXPECT_EQ(doc().CrosswordPath, path);
    EXPECT_EQ(doc().AnswersPath, answers);
    EXPECT_EQ(doc().SolvedFlags.at(1, 0), 1);
    EXPECT_EQ(doc().SolvedFlags.at(1, 1), 0);
    EXPECT_EQ(doc().CellMap.at(1, 0, layer::kLetter), static_cast<unsigned char>(cp(u"О")[0]));
}

TEST_F(Ipuz, RefusedFileLeavesThePreviousCrosswordAndSaysWhy) {
    using Kind = ipuz::ReadProblem::Kind;
    struct Case {
        const char16_t* name;
        QByteArray bytes;
        Kind kind;
    };
    const QString shown = solving();
    const QString title = form->windowTitle();
    const QImage picture = part::gridView(*form)->picture()->image();
    for (const Case& c : {Case{u"rebus.ipuz", houseIpuz(R"(["ИК","#","О"])"), Kind::Rebus},
                          Case{u"broken.ipuz", "{\"version\":", Kind::Unreadable},
                          Case{u"none.ipuz", QByteArray(), Kind::OpenFailed}}) {
        SCOPED_TRACE(QString::fromUtf16(c.name).toStdString());
        const QString path = at(QString::fromUtf16(c.name));
        if (c.kind != Kind::OpenFailed)
            writeFile(path, c.bytes);
        const QString why = refusal(path, c.kind);
        EXPECT_FALSE(why.isEmpty());
        fake().messages.clear();
        open(path);
        ASSERT_EQ(fake().messages.size(), 1);
        EXPECT_EQ(lastMessage(), why);
        EXPECT_EQ(fake().messages[0].icon, platform::Icon::Critical);
        // Nothing of the file shows, and the crossword being solved can still be solved.
        EXPECT_EQ(doc().Mode, EditMode::ModeSolve);
        EXPECT_EQ(doc().CrosswordPath, shown);
        EXPECT_FALSE(doc().Modified);
        EXPECT_EQ(form->windowTitle(), title);
        EXPECT_EQ(part::gridView(*form)->picture()->image(), picture);
        EXPECT_TRUE(part::answerEdit(*form)->isVisible());

        // Named on the command line, it is refused in the same words.
        fake().messages.clear();
        form->openFileFromCommandLine(path);
        ASSERT_EQ(fake().messages.size(), 1);
        EXPECT_EQ(lastMessage(), why);
        EXPECT_EQ(doc().CrosswordPath, shown);
    }
}

TEST_F(Ipuz, CommandLineImportsByTheExtensionInAnyCase) {
    // Without the top row's letters: 1 across is the first word the author has to fill.
    const QByteArray topless = houseIpuz().replace(R"([["К","О","Т"])", R"([["","",""])");
    const QString path = ipuzFile(u("HOUSE.IPUZ"), topless);
    form->openFileFromCommandLine(path);
    EXPECT_TRUE(fake().messages.isEmpty()) << lastMessage().toStdString();
    EXPECT_EQ(doc().Mode, EditMode::ModeAuthor);
    EXPECT_TRUE(doc().Modified);
    EXPECT_TRUE(doc().CrosswordPath.isEmpty());
    EXPECT_EQ(doc().CrosswordTitle, cp(u"Дом"));
    EXPECT_EQ(doc().CurrentSlot, 1);
    EXPECT_EQ(doc().CurrentDirection, 0);
    EXPECT_EQ(part::clueEdit(*form)->text(), u("Домашний зверь"));
    EXPECT_EQ(slotColor(1, 0), QColor(255, 255, 0));
}

TEST_F(Ipuz, ExportWritesWhatTheReaderReadsBack) {
    CrosswordDocument crossword = house().build();
    crossword.CrosswordPath = at(u("Дом.cfw"));
    author(crossword);
    EXPECT_EQ(actionNamed(*form, "exportIpuzAction")->text(), u("Export to ip&uz..."));

    fake().paths.push_back(at(u("out")));
    commandsOf<PublishingCommands>(*form).exportIpuz();
    ASSERT_EQ(fake().fileDialogs.size(), 1);
    const FakePlatform::FileDialog& dialog = fake().fileDialogs[0];
    EXPECT_TRUE(dialog.save);
    EXPECT_EQ(dialog.defaultName, u("Дом"));
    EXPECT_EQ(dialog.filter, u("ipuz crossword (*.ipuz)") + QChar(0) + u("*.ipuz") + QChar(0) +
                                 u("All Files (*.*)") + QChar(0) + u("*.*"));
    EXPECT_TRUE(fake().messages.isEmpty()) << lastMessage().toStdString();

    const QString written = at(u("out.ipuz"));
    CrosswordDocument read;
    const ipuz::ReadProblem problem = ipuz::readIpuzFile(written, read);
    ASSERT_TRUE(problem.ok()) << int(problem.kind);
    EXPECT_EQ(read.GridWidth, 3);
    EXPECT_EQ(read.GridHeight, 3);
    EXPECT_EQ(read.SlotTable, doc().SlotTable);
    EXPECT_EQ(read.SlotTexts, doc().SlotTexts);
    EXPECT_EQ(read.CrosswordTitle, doc().CrosswordTitle);
    EXPECT_EQ(read.CrosswordAuthor, doc().CrosswordAuthor);
    EXPECT_TRUE(read.CrosswordPassword.isEmpty()) << "the password stays behind";
    // Exporting changes nothing of the crossword.
    EXPECT_EQ(doc().CrosswordPath, at(u("Дом.cfw")));
    EXPECT_TRUE(doc().Modified);

    // The same name again asks first; No keeps the file.
    const QByteArray before = readFile(written);
    writeFile(written, "kept");
    fake().answers.push_back(platform::Answer::No);
    fake().paths.push_back(written);
    commandsOf<PublishingCommands>(*form).exportIpuz();
    ASSERT_EQ(fake().messages.size(), 1);
    EXPECT_EQ(fake().messages[0].icon, platform::Icon::Warning);
    EXPECT_EQ(readFile(written), QByteArray("kept"));
    fake().answers.push_back(platform::Answer::Yes);
    fake().paths.push_back(written);
    commandsOf<PublishingCommands>(*form).exportIpuz();
    EXPECT_EQ(readFile(written), before);

    // A folder that is not there is reported.
    fake().messages.clear();
    fake().paths.push_back(at(u("missing/out.ipuz")));
    commandsOf<PublishingCommands>(*form).exportIpuz();
    ASSERT_EQ(fake().messages.size(), 1);
    EXPECT_EQ(fake().messages[0].icon, platform::Icon::Critical);
}

TEST_F(Ipuz, ExportIsOfferedWhereTheHtmlExportIs) {
    author(house().build());
    for (const EditMode mode :
         {EditMode::ModeEmpty, EditMode::ModeDrawGrid, EditMode::ModeAuthor, EditMode::ModeSolve,
          EditMode::ModeSolveNoAnswers, EditMode::ModeIncomplete, EditMode::ModeOpenFailed,
          EditMode::ModeAuthorNoAnswers}) {
        doc().Mode = mode;
        form->updateControlsForMode();
        EXPECT_EQ(actionNamed(*form, "exportIpuzAction")->isEnabled(),
                  actionNamed(*form, "exportHtmlAction")->isEnabled())
            << modeValue(mode);
        EXPECT_EQ(actionNamed(*form, "exportIpuzAction")->isEnabled(), mode == EditMode::ModeAuthor)
            << modeValue(mode);
        if (mode == EditMode::ModeAuthor)
            continue;
        commandsOf<PublishingCommands>(*form).exportIpuz();
        EXPECT_TRUE(fake().fileDialogs.isEmpty()) << modeValue(mode);
    }
}

} // namespace
