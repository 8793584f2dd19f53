// Solving any crossword through the session: an ipuz file with its solution, hints, the time,
// and the answers file that keeps them.
#include "app/CrosswordSession.h"
#include "app/Settings.h"
#include "files/AnswersFile.h"
#include "files/CrosswordFile.h"
#include "grid/ShownGrid.h"
#include "support/Crosswords.h"
#include "support/FilledCrossword.h"
#include "support/HouseIpuz.h"
#include "support/LanguageEntries.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using fixtures::cp;

class SolvingSession : public ::testing::Test {
protected:
    Settings settings;
    CrosswordSession session{settings};
    QTemporaryDir dir;
    qint64 now = 1'000;
    QStringList seen;

    SolvingSession() {
        session.setSolvingClock([this] { return now; });
        QObject::connect(&session, &CrosswordSession::hintsChanged,
                         [this] { seen << QStringLiteral("hints"); });
        QObject::connect(&session, &CrosswordSession::cellsChanged, [this](const QRect& r) {
            seen << QStringLiteral("cells %1,%2 %3x%4")
                        .arg(r.x())
                        .arg(r.y())
                        .arg(r.width())
                        .arg(r.height());
        });
    }
    QStringList take() { return std::exchange(seen, {}); }

    QString file(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    // The house crossword (КОТ, ТОК across; КИТ, ТОК down) opened for solving from ipuz.
    QString openHouse(const QString& name = QStringLiteral("house.ipuz")) {
        const QString path = file(name, houseIpuz());
        const CrosswordSession::FileOpenOutcome out = session.openFile(path);
        EXPECT_TRUE(out.ok());
        EXPECT_TRUE(out.ipuz);
        EXPECT_EQ(session.mode(), EditMode::ModeSolve);
        take();
        return path;
    }
    const CrosswordDocument& doc() const { return session.document(); }
    QByteArray letters(int n, int d) const { return fixtures::shownLetters(doc(), n, d); }
    int shownLetterCount() const {
        int count = 0;
        for (int y = 0; y < doc().GridHeight; ++y)
            for (int x = 0; x < doc().GridWidth; ++x)
                count += doc().CellMap.at(x, y, layer::kLetter) != 0 ? 1 : 0;
        return count;
    }
};

TEST_F(SolvingSession, AnIpuzWithItsSolutionIsSolvedAsACrosswordFileWithAnswers) {
    settings.ChosenStyle = 1;
    const QString path = file(QStringLiteral("house.IPUZ"), houseIpuz());
    const CrosswordSession::FileOpenOutcome out = session.openFile(path);
    ASSERT_TRUE(out.ok());
    EXPECT_TRUE(out.ipuz);
    EXPECT_EQ(session.mode(), EditMode::ModeSolve);
    EXPECT_EQ(session.shownStyle(), 1) << "solving shows the chosen style";
    EXPECT_FALSE(doc().Modified);
    EXPECT_EQ(doc().CrosswordPath, path) << "the answers file names it";
    EXPECT_EQ(doc().WordCount, 4);
    EXPECT_EQ(doc().SolvedCount, 0);
    EXPECT_EQ(shownLetterCount(), 0) << "the answers are hidden";
    EXPECT_EQ(doc().CurrentSlot, 1);
    EXPECT_EQ(doc().CurrentDownSlot, 1);
    EXPECT_FALSE(session.canUndo());

    // Checked as typed: turned, the words are typed as they read on screen.
    EXPECT_FALSE(session.checkAnswer(cp(u"ЛЕС")).hit);
    EXPECT_EQ(shownLetterCount(), 0);
    const CheckOutcome hit = session.checkAnswer(cp(u"тик"));
    ASSERT_TRUE(hit.hit);
    EXPECT_EQ(hit.direction, 1);
    EXPECT_EQ(letters(1, 1), cp(u"ТИК"));
    for (const auto& [across, down, word] :
         {std::tuple(1, 0, u"ТОК"), std::tuple(0, 2, u"КОТ"), std::tuple(3, 0, u"КОТ")}) {
        session.selectPair(across, down);
        const CheckOutcome right = session.checkAnswer(cp(word));
        ASSERT_TRUE(right.hit);
        EXPECT_EQ(right.next == CheckOutcome::Next::Solved, across == 3);
    }
    EXPECT_EQ(doc().SolvedCount, 4);
    EXPECT_FALSE(session.solvingTimeRuns()) << "the end stops the time";
    session.endSolving();
    EXPECT_EQ(session.mode(), EditMode::ModeEmpty);
}

TEST_F(SolvingSession, OtherFilesOpenAsBefore) {
    // Without a solution (or with part of one) an ipuz file is the author's, as imported.
    const QByteArray topless = houseIpuz().replace(R"([["К","О","Т"])", R"([["","",""])");
    const CrosswordSession::FileOpenOutcome authored =
        session.openFile(file(QStringLiteral("topless.ipuz"), topless));
    ASSERT_TRUE(authored.ok());
    EXPECT_EQ(session.mode(), EditMode::ModeAuthor);
    EXPECT_TRUE(doc().Modified);
    EXPECT_TRUE(doc().CrosswordPath.isEmpty());
    EXPECT_EQ(session.shownStyle(), 0);
    EXPECT_FALSE(session.solvingTimeRuns());

    // A refused one changes nothing.
    const CrosswordSession::FileOpenOutcome refused =
        session.openFile(file(QStringLiteral("rebus.ipuz"), houseIpuz(R"(["ИК","#","О"])")));
    EXPECT_FALSE(refused.ok());
    EXPECT_EQ(refused.problem.kind, ipuz::ReadProblem::Kind::Rebus);
    EXPECT_EQ(session.mode(), EditMode::ModeAuthor);
    EXPECT_TRUE(doc().SlotTexts.at(1, 1, 0).isEmpty());

    // A crossword file opens as open() opens it.
    FilledCrossword ring = ringCrossword();
    ring.password = "pw";
    CrosswordDocument written = ring.build();
    const QString path = dir.filePath(QStringLiteral("ring.cfw"));
    ASSERT_EQ(WriteCrosswordFile(path, written), FileStatus::Ok);
    const CrosswordSession::FileOpenOutcome opened = session.openFile(path);
    ASSERT_TRUE(opened.ok());
    EXPECT_FALSE(opened.ipuz);
    EXPECT_EQ(session.mode(), EditMode::ModeSolve);
    EXPECT_TRUE(session.solvingTimeRuns());
    EXPECT_TRUE(session.unlockNeedsPassword());
    const CrosswordSession::FileOpenOutcome missing =
        session.openFile(dir.filePath(QStringLiteral("none.cfw")));
    EXPECT_EQ(missing.read.status, FileStatus::NotFound);
    EXPECT_FALSE(missing.ok());
    EXPECT_FALSE(session.solvingTimeRuns()) << "the crossword still shown cannot be solved";
}

TEST_F(SolvingSession, ACrosswordWithoutAPasswordTurnsIntoTheAuthorsWithoutOne) {
    const QString path = openHouse();
    ASSERT_TRUE(session.checkAnswer(cp(u"КОТ")).hit);
    EXPECT_FALSE(session.unlockNeedsPassword());
    ASSERT_TRUE(session.unlock(""));
    EXPECT_EQ(session.mode(), EditMode::ModeAuthor);
    EXPECT_EQ(doc().SolvedCount, 0);
    // An import again: saved as a crossword file of its own, never over the ipuz file.
    EXPECT_TRUE(doc().CrosswordPath.isEmpty());
    EXPECT_TRUE(doc().Modified);
    EXPECT_FALSE(session.solvingTimeRuns());
    QFile ipuzFile(path);
    ASSERT_TRUE(ipuzFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(ipuzFile.readAll(), houseIpuz());
}

TEST_F(SolvingSession, HintsRevealALetterOrAWordEachCountedAndMarked) {
    openHouse();
    // Nothing to give away: a black cell, a cell outside the grid.
    for (const QPoint& p : {QPoint(1, 1), QPoint(3, 0), QPoint(-1, 0)})
        EXPECT_FALSE(session.revealLetter(p.x(), p.y()).revealed) << p.x() << "," << p.y();
    EXPECT_TRUE(take().isEmpty());

    ASSERT_EQ(session.nextHiddenCell(0), QPoint(0, 0));
    const HintOutcome letter = session.revealLetter(1, 0);
    ASSERT_TRUE(letter.revealed);
    EXPECT_FALSE(letter.word.hit);
    EXPECT_EQ(take(), QStringList({QStringLiteral("cells 1,0 1x1"), QStringLiteral("hints")}));
    EXPECT_EQ(letters(1, 0), cp(u".О."));
    EXPECT_TRUE(session.cellRevealed(1, 0));
    EXPECT_FALSE(session.cellRevealed(0, 0));
    EXPECT_TRUE(doc().Modified);
    // A letter shown already is not given again.
    EXPECT_FALSE(session.revealLetter(1, 0).revealed);
    EXPECT_EQ(doc().Aids.LettersRevealed, 1);

    // The whole word: solved as a right check solves it, and marked.
    const HintOutcome word = session.revealWord(0);
    ASSERT_TRUE(word.revealed);
    EXPECT_EQ(word.word.slot, 1);
    EXPECT_EQ(word.word.direction, 0);
    EXPECT_EQ(word.word.next, CheckOutcome::Next::KeepDownSelected);
    EXPECT_EQ(take(), QStringList({QStringLiteral("cells 0,0 3x1"), QStringLiteral("hints")}));
    EXPECT_EQ(letters(1, 0), cp(u"КОТ"));
    EXPECT_TRUE(session.wordRevealed(1, 0));
    EXPECT_FALSE(session.wordRevealed(1, 1));
    EXPECT_EQ(doc().SolvedCount, 1);
    EXPECT_EQ(doc().Aids.WordsRevealed, 1);
    EXPECT_EQ(doc().CurrentSlot, 0) << "out of the pair, as after a right check";
    EXPECT_FALSE(session.revealWord(0).revealed) << "no across word selected";

    // Letters that complete a word solve it, unmarked as a word given away.
    EXPECT_TRUE(session.revealLetter(2, 1).revealed);
    const HintOutcome last = session.revealLetter(2, 2);
    ASSERT_TRUE(last.revealed);
    ASSERT_TRUE(last.word.hit);
    EXPECT_EQ(last.word.slot, 2);
    EXPECT_EQ(last.word.direction, 1);
    EXPECT_EQ(take(), QStringList({QStringLiteral("cells 2,1 1x1"), QStringLiteral("hints"),
                                   QStringLiteral("cells 2,2 1x1"), QStringLiteral("cells 2,0 1x3"),
                                   QStringLiteral("hints")}));
    EXPECT_EQ(doc().SolvedFlags.at(2, 1), 1);
    EXPECT_FALSE(session.wordRevealed(2, 1));
    EXPECT_EQ(doc().Aids.LettersRevealed, 3);
    EXPECT_EQ(doc().CurrentDownSlot, 1) << "the pair stays while it has a word";

    // Undone, the letter is hidden again, but the hint stays counted.
    session.undo();
    EXPECT_EQ(doc().SolvedFlags.at(2, 1), 0);
    EXPECT_EQ(letters(2, 1), cp(u"ТО."));
    EXPECT_EQ(doc().Aids.LettersRevealed, 3);
    session.redo();
    EXPECT_EQ(letters(2, 1), cp(u"ТОК"));

    // Turned, the marks stay with their cells: (1, 0) shows at (1, 2).
    session.setStyle(1);
    EXPECT_EQ(doc().CellMap.at(1, 2, layer::kLetter), static_cast<unsigned char>(cp(u"О")[0]));
    EXPECT_TRUE(session.cellRevealed(1, 2));
    EXPECT_FALSE(session.cellRevealed(1, 0));
    // Turned, 3 across reads from its shown end: its first hidden letter is (2, 0)'s "Т".
    session.selectPair(3, 0);
    ASSERT_EQ(session.nextHiddenCell(0), QPoint(2, 0));
    ASSERT_TRUE(session.revealLetter(2, 0).revealed);
    EXPECT_EQ(doc().CellMap.at(2, 0, layer::kLetter), static_cast<unsigned char>(cp(u"Т")[0]));
    EXPECT_EQ(doc().Aids.RevealedCells.at(0, 2), 1) << "kept in the classic orientation";
}

TEST_F(SolvingSession, NoHintWithoutAnswers) {
    FilledCrossword ring = ringCrossword();
    ring.noAnswers = 1;
    CrosswordDocument written = ring.build();
    const QString path = dir.filePath(QStringLiteral("ring.cfw"));
    ASSERT_EQ(WriteCrosswordFile(path, written), FileStatus::Ok);
    ASSERT_TRUE(session.openFile(path).ok());
    ASSERT_EQ(session.mode(), EditMode::ModeSolveNoAnswers);
    EXPECT_FALSE(session.revealWord(0).revealed);
    EXPECT_FALSE(session.revealLetter(0, 0).revealed);
    EXPECT_FALSE(session.nextHiddenCell(0));
    EXPECT_TRUE(session.solvingTimeRuns());
}

TEST_F(SolvingSession, TheTimeRunsWhileSolvingAndIsKeptWithTheAnswers) {
    EXPECT_FALSE(session.solvingTimeRuns());
    openHouse();
    EXPECT_TRUE(session.solvingTimeRuns());
    now += 5'000;
    EXPECT_EQ(session.solvingTimeMs(), 5'000);
    session.pauseSolvingTime();
    now += 60'000;
    EXPECT_EQ(session.solvingTimeMs(), 5'000) << "paused while the window is inactive";
    session.resumeSolvingTime();
    now += 2'400;
    EXPECT_EQ(session.solvingTimeMs(), 7'400);

    ASSERT_TRUE(session.checkAnswer(cp(u"КОТ")).hit);
    ASSERT_TRUE(session.revealWord(1).revealed);
    ASSERT_TRUE(session.revealLetter(1, 2).revealed);
    const QString answers = dir.filePath(QStringLiteral("house.otv"));
    ASSERT_EQ(session.saveAnswers(answers), FileStatus::Ok);
    EXPECT_EQ(defaultAnswersName(doc()), QStringLiteral("house"));
    AnswersFileContent content;
    ASSERT_EQ(ReadAnswersFile(answers, content), FileStatus::Ok);
    EXPECT_EQ(content.CrosswordFileName, QByteArray("house.ipuz"));
    EXPECT_EQ(content.Additions.ElapsedSeconds, 7);

    // Another crossword, then the answers file again: the ipuz file it names is opened for
    // solving with the solved words, the marks, the counts and the time.
    session.newGrid(3, 3, "Other", 0);
    EXPECT_FALSE(session.solvingTimeRuns());
    EXPECT_EQ(session.solvingTimeMs(), 0);
    now += 100'000;
    const CrosswordSession::AnswersFileOutcome reopened = session.openAnswersFile(answers);
    ASSERT_TRUE(reopened.ok());
    EXPECT_TRUE(reopened.crosswordOpened);
    EXPECT_TRUE(reopened.crossword.ipuz);
    ASSERT_TRUE(reopened.applied.unsolved);
    EXPECT_EQ(session.mode(), EditMode::ModeSolve);
    EXPECT_EQ(doc().SolvedCount, 2);
    EXPECT_EQ(letters(1, 0), cp(u"КОТ"));
    EXPECT_EQ(letters(1, 1), cp(u"КИТ"));
    EXPECT_EQ(letters(3, 0), cp(u"ТО."));
    EXPECT_TRUE(session.wordRevealed(1, 1));
    EXPECT_FALSE(session.wordRevealed(1, 0));
    EXPECT_TRUE(session.cellRevealed(1, 2));
    EXPECT_EQ(session.solvingTimeMs(), 7'000);
    EXPECT_TRUE(session.solvingTimeRuns());
    now += 1'000;

    // Solved to the end: the time stands still, and the summary says it with the hints.
    session.selectPair(3, 2);
    ASSERT_TRUE(session.checkAnswer(cp(u"ТОК")).hit);
    ASSERT_TRUE(session.checkAnswer(cp(u"ТОК")).hit);
    EXPECT_FALSE(session.solvingTimeRuns());
    now += 50'000;
    const SolvingSummary summary = session.solvingSummary();
    EXPECT_EQ(summary.elapsedMs, 8'000);
    EXPECT_EQ(summary.lettersRevealed, 1);
    EXPECT_EQ(summary.wordsRevealed, 1);

    Language english;
    setEntries(english, {{LangEntry::AllSolved, "Solved!"}});
    EXPECT_EQ(solvedMessage(english, summary),
              QByteArray("Solved!\r\nTime: 0:08\r\nLetters revealed: 1\r\nWords revealed: 1"));
    EXPECT_EQ(solvedMessage(english, {3'725'000, 0, 0}), QByteArray("Solved!\r\nTime: 1:02:05"));

    // The last word undone is open again, and its time runs on; redone, it stands still.
    session.undo();
    EXPECT_TRUE(session.solvingTimeRuns());
    now += 1'000;
    session.redo();
    EXPECT_FALSE(session.solvingTimeRuns());
    EXPECT_EQ(session.solvingTimeMs(), 9'000);
}

TEST_F(SolvingSession, APauseBeforeSolvingHoldsAndAFileOfAWholeSolutionStandsStill) {
    session.pauseSolvingTime();
    openHouse();
    EXPECT_FALSE(session.solvingTimeRuns());
    now += 3'000;
    session.resumeSolvingTime();
    now += 2'000;
    EXPECT_EQ(session.solvingTimeMs(), 2'000);

    for (const auto& [across, down] : {std::pair(1, 1), std::pair(3, 2)})
        for (int d = 0; d <= 1; ++d) {
            session.selectPair(across, down);
            ASSERT_TRUE(session.revealWord(d).revealed);
        }
    const QString answers = dir.filePath(QStringLiteral("all.otv"));
    ASSERT_EQ(session.saveAnswers(answers), FileStatus::Ok);
    session.newGrid(3, 3, "Other", 0);
    const CrosswordSession::AnswersFileOutcome reopened = session.openAnswersFile(answers);
    ASSERT_TRUE(reopened.ok());
    EXPECT_FALSE(reopened.applied.unsolved);
    EXPECT_FALSE(session.solvingTimeRuns());
    EXPECT_EQ(session.solvingSummary().wordsRevealed, 4);

    // An answers file whose crossword is gone opens nothing.
    session.newGrid(3, 3, "Other", 0);
    QFile::remove(dir.filePath(QStringLiteral("house.ipuz")));
    const CrosswordSession::AnswersFileOutcome gone = session.openAnswersFile(answers);
    EXPECT_FALSE(gone.ok());
    EXPECT_TRUE(gone.crosswordOpened);
    EXPECT_EQ(gone.crossword.problem.kind, ipuz::ReadProblem::Kind::OpenFailed);
    EXPECT_EQ(session.openAnswersFile(dir.filePath(QStringLiteral("none.otv"))).answers,
              FileStatus::NotFound);
}

} // namespace
