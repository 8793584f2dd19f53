#include "FilesWindow.h"
#include "commands/FileCommands.h"
#include "support/ui/Commands.h"

#include "solve/Solving.h"
#include "support/FileSizeLimit.h"
#include "support/ui/WindowParts.h"

#include <QDir>
#include <QLabel>

namespace {

const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);

QByteArray line(const QByteArray& text) {
    return text + "\r\n";
}
QByteArray num(int v) {
    return ' ' + QByteArray::number(v) + " \r\n";
}

// An answers file as written: crossword file name, title, kind, numbers, then the records.
QByteArray answersFile(const QByteArray& name, const QByteArray& title, int noAnswers,
                       std::initializer_list<std::tuple<int, int, QByteArray>> records) {
    QByteArray bytes =
        line(name) + line(title) + num(noAnswers) + num(3) + num(static_cast<int>(records.size()));
    for (const auto& [k, d, word] : records)
        bytes += num(k) + num(d) + (noAnswers ? line(word) : QByteArray());
    return bytes;
}

class AnswersFiles : public FilesWindow {
protected:
    QString crossword() const { return at(u("Дом.cfw")); }

    // The house crossword opened from its file, with КОТ (1 across) and, with answers, ТОК
    // (2 down) found by the solver.
    void solveSome(int noAnswers) {
        writeCrossword(crossword(), house(noAnswers).build());
        open(crossword());
        ASSERT_TRUE(fake().messages.isEmpty());
        if (noAnswers) {
            doc().CurrentSlot = 1;
            doc().CurrentDirection = 0;
            ASSERT_FALSE(EnterSolverAnswer(doc(), cp(u"кот"), 0).conflict);
        } else {
            ASSERT_TRUE(CheckSolverAnswer(doc(), cp(u"кот"), 0).hit);
            doc().CurrentSlot = 0;
            doc().CurrentDownSlot = 2;
            ASSERT_TRUE(CheckSolverAnswer(doc(), cp(u"ток"), 0).hit);
        }
        doc().Modified = true;
    }

    void openAnswers(const QString& path) {
        fake().paths.push_back(path);
        commandsOf<FileCommands>(*form).openAnswers();
    }

    // Another crossword on screen, so that the answers file's one must be read.
    void showAnotherCrossword() {
        FilledCrossword other = house();
        other.title = cp(u"Другой");
        writeCrossword(at(u("other.cfw")), other.build());
        open(at(u("other.cfw")));
        ASSERT_EQ(doc().CrosswordTitle, cp(u"Другой"));
    }
};

TEST_F(AnswersFiles, SavingOffersTheCrosswordsNameAndWritesTheSolvedWords) {
    const QByteArray title = cp(u"Дом");
    const QByteArray name = cp(u"Дом.cfw");
    const QByteArray expected[] = {
        answersFile(name, title, 0, {{1, 0, {}}, {2, 1, {}}}),
        answersFile(name, title, 1, {{1, 0, cp(u"КОТ")}}),
    };
    for (int noAnswers = 0; noAnswers <= 1; ++noAnswers) {
        fake().fileDialogs.clear();
        solveSome(noAnswers);
        fake().paths.push_back(at(u("progress")));
        commandsOf<FileCommands>(*form).save();
        ASSERT_EQ(fake().fileDialogs.size(), 2); // Open, then Save
        const FakePlatform::FileDialog& save = fake().fileDialogs[1];
        EXPECT_TRUE(save.save);
        EXPECT_EQ(save.defaultName, u("Дом"));
        EXPECT_EQ(save.filter, u("Crossword Answers (*.otv)") + QChar(0) + u("*.otv") + QChar(0) +
                                   u("All Files (*.*)") + QChar(0) + u("*.*"));
        const QString path = at(u("progress.otv"));
        EXPECT_EQ(readFile(path), expected[noAnswers]) << noAnswers;
        EXPECT_EQ(doc().AnswersPath, path);
        EXPECT_FALSE(doc().Modified);

        // From now on Save writes there, and Save As offers its name.
        doc().Modified = true;
        commandsOf<FileCommands>(*form).save();
        EXPECT_EQ(fake().fileDialogs.size(), 2);
        EXPECT_FALSE(doc().Modified);
        commandsOf<FileCommands>(*form).saveAs();
        ASSERT_EQ(fake().fileDialogs.size(), 3);
        EXPECT_EQ(fake().fileDialogs[2].defaultName, u("progress"));
        EXPECT_TRUE(fake().messages.isEmpty());
        QFile::remove(path); // the next kind starts without a file to replace
    }
}

TEST_F(AnswersFiles, ReplacingAnotherFileAsksFirst) {
    solveSome(0);
    const QString other = at(u("other.otv"));
    writeFile(other, "old");
    fake().paths.push_back(other);
    fake().answers.push_back(platform::Answer::No);
    commandsOf<FileCommands>(*form).save();
    ASSERT_EQ(fake().messages.size(), 1);
    EXPECT_EQ(lastMessage(), u("File ") + QDir::toNativeSeparators(other) +
                                 u(" already exists.\r\nDo you want to replace it?"));
    EXPECT_EQ(fake().messages[0].defaultButton, platform::Answer::No);
    EXPECT_EQ(readFile(other), "old");
    EXPECT_TRUE(doc().AnswersPath.isEmpty());
    EXPECT_TRUE(doc().Modified);
}

TEST_F(AnswersFiles, FailedSaveIsReportedAndKeepsThePreviousFile) {
    solveSome(1);
    const QString saved = at(u("saved.otv"));
    fake().paths.push_back(saved);
    commandsOf<FileCommands>(*form).save();
    ASSERT_EQ(doc().AnswersPath, saved);
    const QByteArray before = readFile(saved);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.otv")));

    const QString denied = u("File cannot be written: access denied.");
    const QString failed = u("File could not be written.");
    struct Case {
        const char* what;
        QString chosen; // "" saves to the answers file in use
        QString message;
    };
    for (const Case& c : {Case{"missing folder", at(u("no such folder/x.otv")), denied},
                          Case{"folder in the file's place", at(u("taken.otv")), denied},
                          Case{"device full", QString(), failed}}) {
        SCOPED_TRACE(c.what);
        fake().messages.clear();
        doc().SlotTexts.set(3, 0, cp(u"ТОК"));
        doc().SolvedFlags.set(3, 0, 1);
        doc().Modified = true;
        if (c.chosen.isEmpty()) {
            const FileSizeLimit limit(16);
            ASSERT_TRUE(limit.active());
            commandsOf<FileCommands>(*form).save();
        } else {
            fake().paths.push_back(c.chosen);
            commandsOf<FileCommands>(*form).saveAs();
        }
        ASSERT_EQ(fake().messages.size(), 1);
        EXPECT_EQ(lastMessage(), c.message);
        EXPECT_EQ(fake().messages[0].icon, platform::Icon::Critical);
        EXPECT_EQ(readFile(saved), before);
        EXPECT_EQ(doc().AnswersPath, saved);
        EXPECT_TRUE(doc().Modified);
    }
    // The answers file with the time and the hints beside it, nothing else.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              (QStringList{QStringLiteral("saved.otv"), QStringLiteral("saved.otv.clueforge"),
                           u("Дом.cfw")}));
}

TEST_F(AnswersFiles, ReopeningRestoresTheWords) {
    for (int noAnswers = 0; noAnswers <= 1; ++noAnswers) {
        solveSome(noAnswers);
        const QString path = at(u("progress.otv"));
        fake().paths.push_back(path);
        commandsOf<FileCommands>(*form).save();
        showAnotherCrossword();
        fake().messages.clear();

        openAnswers(path);
        EXPECT_TRUE(fake().messages.isEmpty());
        EXPECT_EQ(doc().CrosswordPath, crossword());
        EXPECT_EQ(doc().AnswersPath, path);
        EXPECT_FALSE(doc().Modified);
        EXPECT_EQ(fixtures::shownLetters(doc(), 1, 0), cp(u"КОТ"));
        if (noAnswers) {
            EXPECT_EQ(doc().Mode, EditMode::ModeSolveNoAnswers);
            EXPECT_EQ(doc().SlotTexts.at(1, 0), cp(u"КОТ"));
            EXPECT_EQ(part::wordCountLabel(*form)->text(), u("Words: 3"));
            // The first word without an entry: 1 down.
            EXPECT_EQ(doc().CurrentSlot, 1);
            EXPECT_EQ(doc().CurrentDirection, 1);
        } else {
            EXPECT_EQ(doc().Mode, EditMode::ModeSolve);
            EXPECT_EQ(fixtures::shownLetters(doc(), 2, 1), cp(u"ТОК"));
            EXPECT_EQ(fixtures::shownLetters(doc(), 3, 0), cp(u"..К"));
            EXPECT_EQ(part::wordCountLabel(*form)->text(), u("Words: 2"));
            // Number 1 without its solved across word.
            EXPECT_EQ(doc().CurrentSlot, 0);
            EXPECT_EQ(doc().CurrentDownSlot, 1);
        }
        EXPECT_EQ(slotColor(1, 1), kYellow);
        EXPECT_EQ(slotColor(1, 0), kWhite);
        QFile::remove(path);
    }
}

TEST_F(AnswersFiles, CrosswordOnScreenIsNotReadAgain) {
    solveSome(0);
    const QString path = at(u("progress.otv"));
    fake().paths.push_back(path);
    commandsOf<FileCommands>(*form).save();
    ASSERT_TRUE(QFile::remove(crossword()));
    doc().SolvedFlags = Table<int>::withBounds(3, 1);
    doc().SolvedCount = 0;

    openAnswers(path);
    EXPECT_TRUE(fake().messages.isEmpty());
    EXPECT_EQ(doc().Mode, EditMode::ModeSolve);
    EXPECT_EQ(doc().SolvedFlags.at(1, 0), 1);
    EXPECT_EQ(doc().SolvedFlags.at(2, 1), 1);
    EXPECT_EQ(doc().SolvedCount, 2);
    EXPECT_EQ(fixtures::shownLetters(doc(), 2, 1), cp(u"ТОК"));
}

TEST_F(AnswersFiles, CrosswordIsReadFromTheAnswersFilesFolder) {
    QTemporaryDir elsewhere;
    writeCrossword(elsewhere.filePath(u("Дом.cfw")), house().build());
    // Written on another machine: the name may still carry a folder, with either separator.
    const QString path = elsewhere.filePath(u("progress.otv"));
    writeFile(path, answersFile(cp(u"C:\\Games\\Дом.cfw"), cp(u"Дом"), 0, {{3, 0, {}}}));
    showAnotherCrossword();

    openAnswers(path);
    EXPECT_TRUE(fake().messages.isEmpty());
    EXPECT_EQ(doc().CrosswordPath, elsewhere.filePath(u("Дом.cfw")));
    EXPECT_EQ(p.state.SamplesFolder, elsewhere.path() + QLatin1Char('/'));
    EXPECT_EQ(doc().SolvedFlags.at(3, 0), 1);
    EXPECT_EQ(fixtures::shownLetters(doc(), 3, 0), cp(u"ТОК"));
}

TEST_F(AnswersFiles, FailuresAreReported) {
    writeCrossword(crossword(), house().build());
    writeFile(at(u("lost.otv")), answersFile(cp(u"lost.cfw"), cp(u"Потерян"), 0, {}));
    writeFile(at(u("kind.otv")), answersFile(cp(u"Дом.cfw"), cp(u"Дом"), 1, {{1, 0, "X"}}));
    struct Case {
        const char* answers;
        QString message;
        EditMode mode;
        QString caption;
    };
    const QString opened = u("Crossword: \"Дом\" by Иванов");
    for (const Case& c :
         {Case{"none.otv", u("File was not found."), EditMode::ModeSolve, opened},
          Case{"lost.otv", u("File was not found."), EditMode::ModeEmpty, u("Clueforge")},
          Case{"kind.otv", u("File could not be opened."), EditMode::ModeSolve, opened}}) {
        open(crossword());
        fake().messages.clear();
        openAnswers(at(u(c.answers)));
        ASSERT_EQ(fake().messages.size(), 1) << c.answers;
        EXPECT_EQ(lastMessage(), c.message) << c.answers;
        EXPECT_EQ(fake().messages[0].icon, platform::Icon::Critical);
        EXPECT_EQ(doc().Mode, c.mode) << c.answers;
        EXPECT_EQ(form->windowTitle(), c.caption) << c.answers;
        EXPECT_TRUE(doc().AnswersPath.isEmpty());
        EXPECT_EQ(doc().SolvedCount, 0);
    }
}

TEST_F(AnswersFiles, SolvedCrosswordEndsWithTheCongratulation) {
    const QByteArray title = cp(u"Дом");
    const QByteArray name = cp(u"Дом.cfw");
    const QByteArray word = cp(u"КОТ");
    struct Case {
        int noAnswers;
        QByteArray file;
        EditMode mode;
    };
    for (const Case& c :
         {Case{0, answersFile(name, title, 0, {{1, 0, {}}, {1, 1, {}}, {2, 1, {}}, {3, 0, {}}}),
               EditMode::ModeEmpty},
          Case{1,
               answersFile(name, title, 1,
                           {{1, 0, word}, {1, 1, cp(u"КИТ")}, {2, 1, cp(u"ТОК")}, {3, 0, word}}),
               EditMode::ModeSolveNoAnswers}}) {
        writeCrossword(crossword(), house(c.noAnswers).build());
        showAnotherCrossword();
        writeFile(at(u("done.otv")), c.file);
        fake().messages.clear();
        openAnswers(at(u("done.otv")));
        ASSERT_EQ(fake().messages.size(), 1);
        EXPECT_EQ(lastMessage(),
                  u("Every word of the crossword is filled in. Well done!\r\nTime: 0:00"));
        EXPECT_EQ(fake().messages[0].icon, platform::Icon::Information);
        EXPECT_EQ(doc().Mode, c.mode);
        EXPECT_EQ(part::wordCountLabel(*form)->text(), u("Words: 0"));
    }
}

} // namespace
