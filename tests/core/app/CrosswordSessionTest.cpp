#include "app/CrosswordSession.h"
#include "app/Settings.h"
#include "files/AnswersFile.h"
#include "files/CrosswordFile.h"
#include "grid/GridAnalysis.h"
#include "grid/ShownGrid.h"
#include "support/Crosswords.h"
#include "support/FilledCrossword.h"
#include "support/GridPattern.h"
#include "support/HouseIpuz.h"

#include <QFile>
#include <QTemporaryDir>

#include <tuple>
#include <vector>

#include <gtest/gtest.h>

namespace {

// Every signal the session sent, in order, as short texts.
struct Recorder {
    QStringList seen;
    std::vector<std::pair<Selection, Selection>> selections; // before and after, in order
    explicit Recorder(CrosswordSession& s) {
        QObject::connect(&s, &CrosswordSession::documentReplaced,
                         [this] { seen << QStringLiteral("replaced"); });
        QObject::connect(&s, &CrosswordSession::modeChanged, [this](EditMode m) {
            seen << QStringLiteral("mode %1").arg(modeValue(m));
        });
        QObject::connect(&s, &CrosswordSession::selectionChanged,
                         [this](const Selection& before, const Selection& after) {
                             seen << QStringLiteral("selection");
                             selections.emplace_back(before, after);
                         });
        QObject::connect(&s, &CrosswordSession::cellsChanged, [this](const QRect& r) {
            seen << QStringLiteral("cells %1,%2 %3x%4")
                        .arg(r.x())
                        .arg(r.y())
                        .arg(r.width())
                        .arg(r.height());
        });
        QObject::connect(&s, &CrosswordSession::modifiedChanged,
                         [this](bool m) { seen << QStringLiteral("modified %1").arg(m); });
        QObject::connect(&s, &CrosswordSession::pictureSettingsChanged,
                         [this] { seen << QStringLiteral("picture"); });
    }
    QStringList take() {
        selections.clear();
        return std::exchange(seen, {});
    }
};

QString mode(EditMode m) {
    return QStringLiteral("mode %1").arg(modeValue(m));
}

FilledCrossword ring() {
    return ringCrossword();
}

class Session : public ::testing::Test {
protected:
    Settings settings;
    CrosswordSession session{settings};
    Recorder signals_{session};
    QTemporaryDir dir;

    QString saved(const FilledCrossword& f, const QString& name = QStringLiteral("x.cfw")) {
        CrosswordDocument doc = f.build();
        const QString path = dir.filePath(name);
        EXPECT_EQ(WriteCrosswordFile(path, doc), FileStatus::Ok);
        return path;
    }
    const CrosswordDocument& doc() const { return session.document(); }
};

TEST_F(Session, DrawingANewGridAndDeclaringItReady) {
    session.newGrid(3, 3, "Ring", 0);
    EXPECT_EQ(signals_.take(),
              QStringList({QStringLiteral("replaced"), mode(EditMode::ModeDrawGrid)}));
    EXPECT_EQ(session.shownStyle(), 0);

    // A click with symmetry on a corner blackens the four corners, one change each.
    EXPECT_EQ(session.toggleCell(0, 0, true).size(), 4u);
    EXPECT_EQ(signals_.take().size(), 4);
    EXPECT_EQ(doc().CellMap.at(2, 2), 1);
    session.clearDrawing();
    EXPECT_EQ(signals_.take(), QStringList{QStringLiteral("cells 0,0 3x3")});
    EXPECT_EQ(doc().CellMap.at(2, 2), 0);

    // Every cell black: no word, so the grid is refused and stays drawn.
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            session.toggleCell(x, y, false);
    signals_.take();
    EXPECT_FALSE(session.gridReady());
    EXPECT_TRUE(signals_.take().isEmpty());
    EXPECT_EQ(session.mode(), EditMode::ModeDrawGrid);

    session.toggleCell(1, 1, false);
    for (int x = 0; x < 3; ++x)
        session.toggleCell(x, 0, false);
    signals_.take();
    ASSERT_TRUE(session.gridReady());
    EXPECT_EQ(signals_.take(),
              QStringList({QStringLiteral("replaced"), mode(EditMode::ModeAuthor),
                           QStringLiteral("selection"), QStringLiteral("modified 1")}));
    EXPECT_EQ(doc().CurrentSlot, 1);
    EXPECT_EQ(doc().CurrentDirection, 0);
    // Drawing is over: a click no longer changes cells.
    EXPECT_TRUE(session.toggleCell(0, 0, false).empty());
}

TEST_F(Session, AGridWithoutAnswersSelectsNothing) {
    session.newGrid(3, 1, "T", 1);
    signals_.take();
    ASSERT_TRUE(session.gridReady());
    EXPECT_EQ(signals_.take(),
              QStringList({QStringLiteral("replaced"), mode(EditMode::ModeAuthorNoAnswers),
                           QStringLiteral("modified 1")}));
}

TEST_F(Session, OpeningEachOutcome) {
    FilledCrossword withAnswers = ring();
    FilledCrossword withoutAnswers = ring();
    withoutAnswers.noAnswers = 1;
    const QString solving = saved(withAnswers, QStringLiteral("a.cfw"));
    const QString typing = saved(withoutAnswers, QStringLiteral("b.cfw"));
    CrosswordDocument lacking = withAnswers.build();
    lacking.SlotTexts.set(3, 1, 0, QByteArray());
    const QString incomplete = dir.filePath(QStringLiteral("c.cfw"));
    ASSERT_EQ(WriteCrosswordFile(incomplete, lacking), FileStatus::Ok);

    settings.ChosenStyle = 1;
    struct Case {
        QString path;
        EditMode mode;
        int slot;
    };
    for (const Case& c :
         {Case{solving, EditMode::ModeSolve, 1}, Case{typing, EditMode::ModeSolveNoAnswers, 1},
          Case{incomplete, EditMode::ModeIncomplete, 1}}) {
        session.newGrid(3, 3, "Other", 0);
        signals_.take();
        const CrosswordSession::OpenOutcome out = session.open(c.path);
        ASSERT_EQ(out.read.status, FileStatus::Ok) << c.path.toStdString();
        EXPECT_EQ(out.reducedCellSize, 0);
        const QStringList seen = signals_.take();
        EXPECT_EQ(seen.first(), QStringLiteral("replaced"));
        EXPECT_TRUE(seen.contains(mode(c.mode))) << seen.join(u'|').toStdString();
        EXPECT_EQ(session.mode(), c.mode);
        EXPECT_EQ(session.shownStyle(), 1) << "solving shows the chosen style";
        EXPECT_EQ(doc().CurrentSlot, c.slot);
        EXPECT_FALSE(doc().Modified);
    }

    // A failed open keeps the crossword shown, in a mode where nothing of it can be changed.
    const QByteArray title = doc().CrosswordTitle;
    const CrosswordSession::OpenOutcome failed = session.open(dir.filePath(QStringLiteral("no")));
    EXPECT_NE(failed.read.status, FileStatus::Ok);
    EXPECT_EQ(signals_.take(), QStringList{mode(EditMode::ModeOpenFailed)});
    EXPECT_EQ(doc().CrosswordTitle, title);
    session.abandonFailedOpen();
    EXPECT_EQ(signals_.take(), QStringList{mode(EditMode::ModeEmpty)});
}

TEST_F(Session, ACrosswordTooLargeForTheCellSizeGetsOneThatFits) {
    CrosswordDocument big = drawnGrid(QByteArrayList(250, QByteArray(250, '.')), 1);
    ASSERT_TRUE(analyseGrid(big));
    big.CrosswordTitle = "Big";
    const QString path = dir.filePath(QStringLiteral("big.cfw"));
    ASSERT_EQ(WriteCrosswordFile(path, big), FileStatus::Ok);
    const QString small = saved(ring());

    settings.CellSize = 100;
    EXPECT_EQ(session.open(small).reducedCellSize, 0);
    EXPECT_EQ(session.cellSize(), 100);
    signals_.take();
    const CrosswordSession::OpenOutcome out = session.open(path);
    ASSERT_EQ(out.read.status, FileStatus::Ok);
    EXPECT_EQ(out.reducedCellSize, 23);
    EXPECT_EQ(session.cellSize(), 23);
    EXPECT_TRUE(signals_.take().contains(QStringLiteral("picture")));
}

TEST_F(Session, ImportingAnIpuzFileGivesTheAuthorAnUnsavedCrosswordOrChangesNothing) {
    const auto file = [this](const char* name, const QByteArray& bytes) {
        const QString path = dir.filePath(QLatin1String(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    };
    const QString solving = saved(ring());
    settings.ChosenStyle = 1;
    ASSERT_EQ(session.open(solving).read.status, FileStatus::Ok);
    ASSERT_EQ(session.shownStyle(), 1);
    signals_.take();

    const CrosswordSession::ImportOutcome refused =
        session.importIpuz(file("rebus.ipuz", houseIpuz(R"(["ИК","#","О"])")));
    EXPECT_EQ(refused.problem.kind, ipuz::ReadProblem::Kind::Rebus);
    EXPECT_TRUE(signals_.take().isEmpty());
    EXPECT_EQ(session.mode(), EditMode::ModeSolve);
    EXPECT_EQ(doc().CrosswordPath, solving);
    EXPECT_EQ(session.shownStyle(), 1);

    const CrosswordSession::ImportOutcome out = session.importIpuz(file("house.ipuz", houseIpuz()));
    ASSERT_TRUE(out.problem.ok()) << int(out.problem.kind);
    EXPECT_EQ(out.reducedCellSize, 0);
    const QStringList seen = signals_.take();
    EXPECT_EQ(seen.first(), QStringLiteral("replaced"));
    EXPECT_TRUE(seen.contains(mode(EditMode::ModeAuthor))) << seen.join(u'|').toStdString();
    EXPECT_TRUE(seen.contains(QStringLiteral("modified 1"))) << seen.join(u'|').toStdString();
    EXPECT_EQ(session.mode(), EditMode::ModeAuthor);
    EXPECT_TRUE(doc().Modified);
    EXPECT_TRUE(doc().CrosswordPath.isEmpty());
    // The author edits in the classic style whatever is chosen for solving.
    EXPECT_EQ(session.shownStyle(), 0);
    EXPECT_EQ(doc().ShownSlotTable, doc().SlotTable);
    EXPECT_EQ(doc().SlotTexts.at(3, 1, 0), fixtures::cp(u"ТОК"));
    // Every word has its answer: nothing is left to select.
    EXPECT_EQ(doc().CurrentSlot, 0);

    // Otherwise the first word without one is selected, as after Grid ready.
    session.selectSlot({3, Direction::Across});
    const QByteArray topless = houseIpuz().replace(R"([["К","О","Т"])", R"([["","",""])");
    ASSERT_TRUE(session.importIpuz(file("topless.ipuz", topless)).problem.ok());
    EXPECT_EQ(session.mode(), EditMode::ModeAuthor);
    EXPECT_TRUE(doc().SlotTexts.at(1, 1, 0).isEmpty());
    EXPECT_EQ(doc().CurrentSlot, 1);
    EXPECT_EQ(doc().CurrentDirection, 0);

    // A grid too large for the cell size gets one that fits, as an opened one does.
    QByteArray rows;
    for (int y = 0; y < 250; ++y) {
        QByteArray row(250 * 2 - 1, ',');
        for (int x = 0; x < 250; ++x)
            row[2 * x] = '0';
        rows += (y > 0 ? "," : "") + ('[' + row + ']');
    }
    settings.CellSize = 100;
    const CrosswordSession::ImportOutcome big = session.importIpuz(file(
        "big.ipuz", R"({"version":"http://ipuz.org/v2","kind":["http://ipuz.org/crossword#1"],)"
                    R"("dimensions":{"width":250,"height":250},"puzzle":[)" +
                        rows + "]}"));
    ASSERT_TRUE(big.problem.ok()) << int(big.problem.kind);
    EXPECT_EQ(big.reducedCellSize, 23);
    EXPECT_EQ(session.cellSize(), 23);
    EXPECT_EQ(session.mode(), EditMode::ModeAuthorNoAnswers);
    EXPECT_TRUE(signals_.take().contains(QStringLiteral("picture")));
}

TEST_F(Session, PlacingAnswersMovesToTheNextWordWithoutOne) {
    session.newGrid(3, 3, "Ring", 0);
    session.toggleCell(1, 1, false);
    ASSERT_TRUE(session.gridReady());
    signals_.take();

    // A wrong length changes nothing and says nothing.
    EXPECT_EQ(session.placeAnswer("CA", "clue").kind, PlacementOutcome::Kind::Ignored);
    EXPECT_TRUE(signals_.take().isEmpty());

    // 1 across, then on to 1 down of the same number.
    EXPECT_EQ(session.placeAnswer("cat", "pet").kind, PlacementOutcome::Kind::Placed);
    // Declaring the grid ready made it modified already.
    EXPECT_EQ(signals_.take(),
              QStringList({QStringLiteral("cells 0,0 3x1"), QStringLiteral("selection")}));
    EXPECT_EQ(doc().CurrentSlot, 1);
    EXPECT_EQ(doc().CurrentDirection, 1);

    // A letter against the crossing word: refused, nothing changed, nothing signalled.
    const PlacementOutcome conflict = session.placeAnswer("BAT", "x");
    EXPECT_EQ(conflict.kind, PlacementOutcome::Kind::Conflict);
    EXPECT_EQ(conflict.position, 1);
    EXPECT_TRUE(signals_.take().isEmpty());

    // 1 down done: both words of number 1 have answers, so the first open slot is 2 down.
    EXPECT_EQ(session.placeAnswer("CAT", "again").kind, PlacementOutcome::Kind::Placed);
    EXPECT_EQ(signals_.take(),
              QStringList({QStringLiteral("cells 0,0 1x3"), QStringLiteral("selection")}));
    EXPECT_EQ(doc().CurrentSlot, 2);
    EXPECT_EQ(doc().CurrentDirection, 1);

    EXPECT_TRUE(session.keepClue("typed clue"));
    EXPECT_EQ(doc().SlotTexts.at(2, 0, 1), QByteArray("typed clue"));
    session.selectSlot({1, Direction::Across});
    signals_.take();
    ASSERT_TRUE(session.canDeleteAnswer());
    session.deleteAnswer();
    // The slot stays selected and is shown so again.
    EXPECT_EQ(signals_.take(),
              QStringList({QStringLiteral("cells 0,0 3x1"), QStringLiteral("selection")}));
    EXPECT_TRUE(doc().SlotTexts.at(1, 1, 0).isEmpty());
}

TEST_F(Session, AWholeFillIsPlacedAsOneChangeOrNotAtAll) {
    session.newGrid(3, 3, "Ring", 0);
    session.toggleCell(1, 1, false);
    ASSERT_TRUE(session.gridReady());
    ASSERT_EQ(session.placeAnswer("CAT", "pet").kind, PlacementOutcome::Kind::Placed);
    signals_.take();
    const std::vector<SlotRef> refs = {
        {1, Direction::Down}, {2, Direction::Down}, {3, Direction::Across}};

    // Refused whole: nothing written, nothing signalled.
    const struct {
        const char* why;
        std::vector<SlotRef> refs;
        std::vector<QByteArray> words;
    } refused[] = {
        {"a word short", refs, {"CAT", "TEP"}},
        {"wrong length", refs, {"CAT", "TEPS", "TOP"}},
        {"against a placed answer", refs, {"BAT", "TEP", "TOP"}},
        {"words disagreeing", refs, {"CAT", "TEP", "DOG"}},
        {"a blank", refs, {"CAT", "TEP", "T P"}},
        {"no such slot",
         {{1, Direction::Down}, {2, Direction::Across}, {3, Direction::Across}},
         {"CAT", "TEP", "TOP"}},
    };
    for (const auto& r : refused) {
        EXPECT_FALSE(session.placeFill(r.refs, r.words)) << r.why;
        EXPECT_TRUE(signals_.take().isEmpty()) << r.why;
        EXPECT_TRUE(doc().SlotTexts.at(3, 1, 0).isEmpty()) << r.why;
        EXPECT_EQ(doc().CellMap.at(0, 1, layer::kLetter), 0) << r.why;
    }

    const std::vector<QByteArray> words = {"CAT", "TEP", "TOP"};
    ASSERT_TRUE(session.placeFill(refs, words));
    // One change of the whole field; the selection (1 down, after placing 1 across) stays.
    EXPECT_EQ(signals_.take(), QStringList{QStringLiteral("cells 0,0 3x3")});
    EXPECT_EQ(doc().CurrentSlot, 1);
    EXPECT_EQ(doc().CurrentDirection, 1);
    for (std::size_t k = 0; k < refs.size(); ++k)
        EXPECT_EQ(doc().SlotTexts.at(refs[k].number, 1, directionIndex(refs[k].direction)),
                  words[k]);
    EXPECT_EQ(doc().SlotTexts.at(1, 0, 0), QByteArray("pet")); // the clue stays
    EXPECT_EQ(doc().CellMap.at(2, 2, layer::kLetter), 'P');

    // Another fill of the same slots replaces the first one's words.
    ASSERT_TRUE(session.placeFill(refs, {"CAR", "TIP", "RAP"}));
    EXPECT_EQ(signals_.take(), QStringList{QStringLiteral("cells 0,0 3x3")});
    EXPECT_EQ(doc().CellMap.at(0, 2, layer::kLetter), 'R');
    EXPECT_EQ(doc().CellMap.at(2, 1, layer::kLetter), 'I');
    // The same words again change nothing.
    EXPECT_FALSE(session.placeFill(refs, {"CAR", "TIP", "RAP"}));
    EXPECT_TRUE(signals_.take().isEmpty());

    // Filled again while every word of the fill stays; not once the author changed one, nor
    // for another crossword.
    EXPECT_EQ(session.refillable(), refs);
    session.documentForSetup().SlotTexts.set(refs[0].number, 1, directionIndex(refs[0].direction),
                                             "CAB");
    EXPECT_TRUE(session.refillable().empty());
    session.documentForSetup().SlotTexts.set(refs[0].number, 1, directionIndex(refs[0].direction),
                                             "CAR");
    ASSERT_EQ(session.refillable(), refs);
    session.newGrid(3, 3, "Other", 0);
    EXPECT_TRUE(session.refillable().empty());
}

TEST_F(Session, AFillOfAnUnmodifiedCrosswordMarksItModified) {
    ASSERT_EQ(session.open(saved(ring())).read.status, FileStatus::Ok);
    ASSERT_TRUE(session.unlock(""));
    ASSERT_EQ(doc().Mode, EditMode::ModeAuthor);
    // 3 across without its answer, its letters there from the crossing words.
    session.documentForSetup().SlotTexts.set(3, 1, 0, QByteArray());
    ASSERT_FALSE(doc().Modified);
    signals_.take();
    ASSERT_EQ(doc().CurrentSlot, 0); // every word had its answer when it was unlocked
    ASSERT_TRUE(session.placeFill({{3, Direction::Across}}, {"TOP"}));
    // Without a selection before, the first slot is selected.
    EXPECT_EQ(signals_.take(),
              QStringList({QStringLiteral("cells 0,0 3x3"), QStringLiteral("selection"),
                           QStringLiteral("modified 1")}));
    EXPECT_EQ(doc().CurrentSlot, 1);
    EXPECT_EQ(doc().CurrentDirection, 0);
    EXPECT_EQ(doc().SlotTexts.at(3, 1, 0), QByteArray("TOP"));
}

TEST_F(Session, PropertiesAndUnlockingAnswersAndSolving) {
    FilledCrossword f = ring();
    f.password = "pw";
    settings.ChosenStyle = 1;
    ASSERT_EQ(session.open(saved(f)).read.status, FileStatus::Ok);
    EXPECT_EQ(session.mode(), EditMode::ModeSolve);
    signals_.take();

    // Solving: a miss changes nothing; a hit writes the word and selects the next pair.
    EXPECT_FALSE(session.checkAnswer("DOG").hit);
    EXPECT_TRUE(signals_.take().isEmpty());
    // The turned style reads right to left: 1 across is typed as it reads on screen.
    const CheckOutcome hit = session.checkAnswer("TAC");
    ASSERT_TRUE(hit.hit);
    EXPECT_EQ(hit.slot, 1);
    const QStringList seen = signals_.take();
    // In the shown grid's cells: the turned style shows 1 across in the last row.
    EXPECT_EQ(seen.first(), QStringLiteral("cells 0,2 3x1"));
    EXPECT_TRUE(seen.contains(QStringLiteral("selection")));

    // Save the progress, turn the crossword back into the author's, then apply the answers
    // file to it again: it is solved once more from where the solver stopped.
    const QString answers = dir.filePath(QStringLiteral("x.otv"));
    ASSERT_EQ(session.saveAnswers(answers), FileStatus::Ok);
    signals_.take();
    EXPECT_FALSE(session.unlock("wrong"));
    EXPECT_TRUE(signals_.take().isEmpty());
    ASSERT_TRUE(session.unlock("pw"));
    EXPECT_EQ(signals_.take(), QStringList({QStringLiteral("replaced"), mode(EditMode::ModeAuthor),
                                            QStringLiteral("selection")}));
    EXPECT_EQ(session.shownStyle(), 0) << "editing always shows the classic style";
    EXPECT_EQ(doc().SolvedCount, 0);

    // New properties are a change; the same ones are not.
    EXPECT_FALSE(session.setProperties(doc().CrosswordTitle, doc().CrosswordAuthor, "pw"));
    EXPECT_TRUE(signals_.take().isEmpty());
    EXPECT_TRUE(session.setProperties("New title", "Ann", "pw"));
    EXPECT_EQ(signals_.take(), QStringList{QStringLiteral("modified 1")});
    EXPECT_EQ(doc().Scramble, BuildScrambleTables("New title")) << "the tables follow the title";
    EXPECT_EQ(UnscrambleText(doc().Scramble, doc().CrosswordPassword), QByteArray("pw"));
    EXPECT_TRUE(session.setProperties(f.title, "Ann", "pw"));

    AnswersFileContent content;
    ASSERT_EQ(ReadAnswersFile(answers, content), FileStatus::Ok);
    ASSERT_TRUE(session.holdsCrosswordTitled(content.CrosswordTitle));
    signals_.take();
    const CrosswordSession::AnswersOutcome applied = session.applyAnswers(content, answers, true);
    ASSERT_EQ(applied.status, FileStatus::Ok);
    EXPECT_TRUE(signals_.take().contains(mode(EditMode::ModeSolve)));
    EXPECT_EQ(session.shownStyle(), 1);
    EXPECT_EQ(doc().SolvedCount, 1);
    ASSERT_TRUE(applied.unsolved);
    EXPECT_EQ(*applied.unsolved, std::pair(1, 1));

    // The turned style again: every word is compared reversed.
    struct Remaining {
        int across, down;
        QByteArray word;
    };
    for (const Remaining& r :
         {Remaining{0, 1, "TAC"}, Remaining{0, 2, "PET"}, Remaining{3, 0, "POT"}}) {
        session.selectPair(r.across, r.down);
        EXPECT_TRUE(session.checkAnswer(r.word).hit) << r.word.constData();
    }
    EXPECT_EQ(doc().SolvedCount, 4);
    session.endSolving();
    EXPECT_TRUE(signals_.take().contains(mode(EditMode::ModeEmpty)));
}

TEST_F(Session, TypingWordsIntoACrosswordWithoutAnswers) {
    FilledCrossword f = ring();
    f.noAnswers = 1;
    ASSERT_EQ(session.open(saved(f)).read.status, FileStatus::Ok);
    signals_.take();

    const EntryOutcome out = session.enterAnswer("CAT");
    ASSERT_TRUE(out.entered);
    EXPECT_EQ(signals_.take(),
              QStringList({QStringLiteral("cells 0,0 3x1"), QStringLiteral("selection"),
                           QStringLiteral("modified 1")}));
    EXPECT_EQ(doc().CurrentSlot, out.nextSlot);
    EXPECT_EQ(doc().CurrentDirection, out.nextDirection);

    // A typed number selects that slot; the same one again changes nothing.
    const std::optional<Selected> previous = session.jumpToNumber(3);
    ASSERT_TRUE(previous);
    EXPECT_EQ(signals_.take(), QStringList{QStringLiteral("selection")});
    EXPECT_EQ(doc().CurrentSlot, 3);
    EXPECT_FALSE(session.jumpToNumber(3));
    EXPECT_TRUE(signals_.take().isEmpty());
}

TEST_F(Session, TheStyleChangesWhatIsShownOnlyWhileSolving) {
    session.newGrid(3, 3, "T", 0);
    signals_.take();
    EXPECT_FALSE(session.setStyle(1));
    EXPECT_EQ(settings.ChosenStyle, 1);
    EXPECT_EQ(session.shownStyle(), 0);

    settings.ChosenStyle = 0;
    ASSERT_EQ(session.open(saved(ring())).read.status, FileStatus::Ok);
    signals_.take();
    EXPECT_TRUE(session.setStyle(1));
    EXPECT_EQ(signals_.take(), QStringList{QStringLiteral("picture")});
    EXPECT_EQ(session.shownStyle(), 1);
    EXPECT_FALSE(session.setStyle(1)) << "the same style again";
    session.setCellSize(30);
    EXPECT_EQ(signals_.take(), QStringList{QStringLiteral("picture")});
}

TEST_F(Session, TheSelectionSignalTellsBeforeAndAfter) {
    FilledCrossword f = ring();
    f.noAnswers = 1;
    ASSERT_EQ(session.open(saved(f)).read.status, FileStatus::Ok);
    signals_.take();
    using S = Selection;
    const auto selections = [this] {
        auto seen = signals_.selections;
        signals_.take();
        return seen;
    };

    // A slot chosen: from 1 across to 2 down; again, signalled though it stays.
    const S first = session.selection();
    EXPECT_EQ(std::pair(first.slot, first.direction), std::pair(1, Direction::Across));
    session.selectSlot({2, Direction::Down});
    const S chosen = session.selection();
    EXPECT_EQ(std::pair(chosen.slot, chosen.direction), std::pair(2, Direction::Down));
    session.selectSlot({2, Direction::Down});
    EXPECT_EQ(selections(), (std::vector<std::pair<S, S>>{{first, chosen}, {chosen, chosen}}));

    // Every word but the last entered: each moves on to the next open slot.
    for (const auto& [n, d, word] :
         {std::tuple{1, 0, "CAT"}, std::tuple{1, 1, "CAT"}, std::tuple{2, 1, "TEP"}}) {
        session.selectSlot({n, directionAt(d)});
        const S before = session.selection();
        signals_.take();
        ASSERT_TRUE(session.enterAnswer(word).entered) << word;
        const auto seen = selections();
        ASSERT_EQ(seen.size(), 1u) << word;
        EXPECT_EQ(seen[0].first, before) << word;
        EXPECT_NE(seen[0].second.slot * 2 + directionIndex(seen[0].second.direction), n * 2 + d)
            << word;
        EXPECT_TRUE(seen[0].second.shown) << word;
    }
    // The last one keeps its slot, shown no more; choosing a slot shows the selection again.
    const S last = session.selection();
    const EntryOutcome out = session.enterAnswer("TOP");
    ASSERT_TRUE(out.entered);
    EXPECT_EQ(out.open, 0);
    S hidden = last;
    hidden.shown = false;
    EXPECT_EQ(selections(), (std::vector<std::pair<S, S>>{{last, hidden}}));
    EXPECT_TRUE(selectedSlots(session.mode(), session.selection()).empty());
    session.selectSlot({last.slot, last.direction});
    EXPECT_EQ(selections(), (std::vector<std::pair<S, S>>{{hidden, last}}));
}

TEST_F(Session, TheSolverSelectsThePairThroughACell) {
    ASSERT_EQ(session.open(saved(ring())).read.status, FileStatus::Ok);
    ASSERT_EQ(session.mode(), EditMode::ModeSolve);
    struct Case {
        QPoint cell;
        bool selects;
        int across, down;
    };
    for (const Case& c :
         {Case{{0, 0}, true, 1, 1}, Case{{1, 0}, true, 1, 0}, Case{{2, 0}, true, 1, 2},
          Case{{2, 2}, true, 3, 2}, Case{{1, 1}, false, 3, 2}, Case{{3, 0}, false, 3, 2},
          Case{{-1, 0}, false, 3, 2}}) {
        EXPECT_EQ(session.selectPairAt(c.cell.x(), c.cell.y()), c.selects) << c.cell.x();
        EXPECT_EQ(doc().CurrentSlot, c.across) << c.cell.x() << ',' << c.cell.y();
        EXPECT_EQ(doc().CurrentDownSlot, c.down) << c.cell.x() << ',' << c.cell.y();
    }
    // A solved word is no longer selected through its cells.
    session.selectPairAt(1, 0);
    ASSERT_TRUE(session.checkAnswer("CAT").hit);
    EXPECT_FALSE(session.selectPairAt(1, 0));
    EXPECT_TRUE(session.selectPairAt(0, 0));
    EXPECT_EQ(std::pair(doc().CurrentSlot, doc().CurrentDownSlot), std::pair(0, 1));

    // Where a word begins as it reads: the turned style reads from the far end.
    EXPECT_EQ(session.slotStart({3, Direction::Across}), QPoint(0, 2));
    EXPECT_EQ(session.slotStart({2, Direction::Down}), QPoint(2, 0));
    ASSERT_TRUE(session.setStyle(1));
    EXPECT_EQ(session.slotStart({3, Direction::Across}), QPoint(2, 0));
    EXPECT_EQ(session.slotStart({2, Direction::Down}), QPoint(0, 2));
}

} // namespace
