#include "app/CrosswordSession.h"
#include "app/EditHistory.h"
#include "app/Settings.h"
#include "files/AnswersFile.h"
#include "files/CrosswordFile.h"
#include "grid/ShownGrid.h"
#include "support/FilledCrossword.h"
#include "support/HouseIpuz.h"

#include <QBuffer>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <functional>
#include <ostream>
#include <tuple>

#include <gtest/gtest.h>

namespace {

// All of the crossword an undo must give back: what its file holds, the cells as shown, the
// solver's progress and the selection.
struct State {
    QByteArray file;
    Table<int> cells;
    Table<QByteArray> texts;
    Table<int> solved;
    int solvedCount = 0;
    int slot = 0, direction = 0, down = 0;
    bool operator==(const State&) const = default;
};

// The fields that differ, for the failure message.
void PrintTo(const State& s, std::ostream* os) {
    *os << "file " << s.file.size() << " bytes, selection " << s.slot << '/' << s.direction << '/'
        << s.down << ", solved " << s.solvedCount;
}

::testing::AssertionResult same(const State& a, const State& b) {
    QStringList differ;
    if (a.file != b.file)
        differ << QStringLiteral("file");
    if (a.cells != b.cells)
        differ << QStringLiteral("cells");
    if (a.texts != b.texts)
        differ << QStringLiteral("texts");
    if (a.solved != b.solved || a.solvedCount != b.solvedCount)
        differ << QStringLiteral("solved");
    if (std::tie(a.slot, a.direction, a.down) != std::tie(b.slot, b.direction, b.down))
        differ << QStringLiteral("selection %1/%2/%3 for %4/%5/%6")
                      .arg(a.slot)
                      .arg(a.direction)
                      .arg(a.down)
                      .arg(b.slot)
                      .arg(b.direction)
                      .arg(b.down);
    if (differ.isEmpty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << differ.join(QStringLiteral(", ")).toStdString();
}

State stateOf(const CrosswordDocument& d) {
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    if (d.Mode != EditMode::ModeDrawGrid) {
        EXPECT_TRUE(WriteCrosswordFile(file, d));
    }
    return {file.data(),   d.CellMap,     d.SlotTexts,        d.SolvedFlags,
            d.SolvedCount, d.CurrentSlot, d.CurrentDirection, d.CurrentDownSlot};
}

class Undo : public ::testing::Test {
protected:
    Settings settings;
    CrosswordSession session{settings};
    QTemporaryDir dir;
    QList<bool> modified; // every modifiedChanged
    int historyChanges = 0;

    void SetUp() override {
        QObject::connect(&session, &CrosswordSession::modifiedChanged,
                         [this](bool m) { modified << m; });
        QObject::connect(&session, &CrosswordSession::historyChanged, [this] { ++historyChanges; });
    }
    QString saved(const FilledCrossword& f) {
        CrosswordDocument doc = f.build();
        const QString path = dir.filePath(QStringLiteral("x.cfw"));
        EXPECT_EQ(WriteCrosswordFile(path, doc), FileStatus::Ok);
        return path;
    }
    const CrosswordDocument& doc() const { return session.document(); }

    struct Step {
        const char* name;
        std::function<void()> prepare; // a selection first, not a step of its own
        std::function<void()> run;
    };
    // Runs the steps, then undoes every one back to the start and redoes them all, comparing
    // the crossword each time with what it was before and after that step.
    void undoAndRedo(const std::vector<Step>& steps) {
        std::vector<State> before, after;
        for (const Step& s : steps) {
            if (s.prepare)
                s.prepare();
            before.push_back(stateOf(doc()));
            s.run();
            after.push_back(stateOf(doc()));
            ASSERT_NE(before.back(), after.back()) << s.name << " changed nothing";
            EXPECT_TRUE(session.canUndo()) << s.name;
            EXPECT_FALSE(session.canRedo()) << s.name;
        }
        for (std::size_t k = steps.size(); k-- > 0;) {
            session.undo();
            EXPECT_TRUE(same(stateOf(doc()), before[k])) << "undo " << steps[k].name;
            EXPECT_TRUE(session.canRedo());
        }
        EXPECT_FALSE(session.canUndo());
        for (std::size_t k = 0; k < steps.size(); ++k) {
            session.redo();
            EXPECT_TRUE(same(stateOf(doc()), after[k])) << "redo " << steps[k].name;
        }
        EXPECT_FALSE(session.canRedo());
    }
};

TEST_F(Undo, EveryStepOfTheAuthorUndoesAndRedoesExactly) {
    const QString path = saved(ringCrossword());
    ASSERT_EQ(session.open(path).read.status, FileStatus::Ok);
    ASSERT_TRUE(session.unlock(""));
    ASSERT_FALSE(doc().Modified);
    EXPECT_FALSE(session.canUndo());
    const auto select = [this](int n, int d) {
        return [=, this] { session.selectSlot({n, directionAt(d)}); };
    };
    undoAndRedo({
        {"delete", select(1, 0), [this] { session.deleteAnswer(); }},
        {"place", select(1, 0),
         [this] {
             ASSERT_EQ(session.placeAnswer("CAT", "new clue").kind, PlacementOutcome::Kind::Placed);
         }},
        {"clue", select(2, 1), [this] { ASSERT_TRUE(session.keepClue("typed")); }},
        {"properties", nullptr,
         [this] { ASSERT_TRUE(session.setProperties("Other", "Ann", "pw")); }},
        {"delete again", select(3, 0), [this] { session.deleteAnswer(); }},
        {"fill", nullptr,
         [this] {
             ASSERT_TRUE(session.placeFill({{3, Direction::Across}}, {"TIP"}));
         }},
    });
    // Undone back to the file's state the crossword is unmodified, and modified again after.
    modified.clear();
    while (session.canUndo())
        session.undo();
    EXPECT_FALSE(doc().Modified);
    EXPECT_EQ(modified, QList<bool>{false});
    session.redo();
    EXPECT_TRUE(doc().Modified);
    // Undo never moves the file the crossword is saved to.
    EXPECT_EQ(doc().CrosswordPath, path);
    // Each command that changes nothing is no step.
    session.selectSlot({1, Direction::Across});
    const int steps = historyChanges;
    EXPECT_EQ(session.placeAnswer("CA", "x").kind, PlacementOutcome::Kind::Ignored);
    EXPECT_EQ(session.placeAnswer("BAT", "x").kind, PlacementOutcome::Kind::Conflict);
    EXPECT_FALSE(session.keepClue(doc().SlotTexts.at(1, 0, 0)));
    EXPECT_FALSE(session.setProperties(doc().CrosswordTitle, doc().CrosswordAuthor,
                                       UnscrambleText(doc().Scramble, doc().CrosswordPassword)));
    EXPECT_EQ(historyChanges, steps);
    EXPECT_TRUE(session.canRedo());
}

TEST_F(Undo, DrawingStepsRepaintExactlyTheCellsTheyChange) {
    session.newGrid(5, 4, "Grid", 0);
    undoAndRedo({
        {"mirrored", nullptr, [this] { session.toggleCell(0, 0, true); }},
        {"single", nullptr, [this] { session.toggleCell(2, 1, false); }},
        {"clear", nullptr, [this] { session.clearDrawing(); }},
    });
    // Clearing a white grid is no step.
    const int steps = historyChanges;
    session.clearDrawing();
    EXPECT_EQ(historyChanges, steps);
    session.undo(); // the mirrored and the single cell come back

    QSet<QPoint> repainted;
    bool whole = false;
    QObject::connect(&session, &CrosswordSession::cellsChanged, [&](const QRect& r) {
        whole = whole || r == QRect(0, 0, 5, 4);
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                repainted << QPoint(x, y);
    });
    session.undo(); // the single cell
    EXPECT_EQ(repainted, QSet<QPoint>{QPoint(2, 1)});
    repainted.clear();
    session.undo(); // the four corners
    EXPECT_EQ(repainted, (QSet<QPoint>{{0, 0}, {4, 0}, {0, 3}, {4, 3}}));
    EXPECT_FALSE(whole) << "the whole grid at once repaints it white";
    EXPECT_FALSE(doc().Modified) << "a grid being drawn is never modified";
    EXPECT_TRUE(modified.isEmpty());

    // A grid of one row: a changed whole row is told cell by cell.
    session.newGrid(3, 1, "Row", 0);
    session.toggleCell(0, 0, true);
    repainted.clear();
    session.undo();
    EXPECT_EQ(repainted, (QSet<QPoint>{{0, 0}, {2, 0}}));
    EXPECT_FALSE(whole);
}

TEST_F(Undo, EachWordOfTheSolverIsAStep) {
    FilledCrossword typed = ringCrossword();
    typed.noAnswers = 1;
    ASSERT_EQ(session.open(saved(typed)).read.status, FileStatus::Ok);
    ASSERT_EQ(session.mode(), EditMode::ModeSolveNoAnswers);
    undoAndRedo({{"typed", nullptr, [this] { ASSERT_TRUE(session.enterAnswer("CAT").entered); }},
                 {"deleted",
                  [this] {
                      session.selectSlot({1, Direction::Across});
                  },
                  [this] { session.deleteAnswer(); }}});
    // Undone after the style changed, the grid is shown in the style chosen now, also one
    // the history kept whole.
    const auto undoneInStyle = [this](int style) {
        ASSERT_TRUE(session.setStyle(style));
        session.undo();
        CrosswordDocument afresh = doc();
        buildShownGrid(afresh, style);
        EXPECT_EQ(doc().CellMap, afresh.CellMap);
        EXPECT_EQ(doc().ShownSlotTable, afresh.ShownSlotTable);
        EXPECT_EQ(doc().ShownSlotTable == doc().SlotTable, style == 0);
    };
    undoneInStyle(1);
    EXPECT_EQ(doc().SlotTexts.at(1, 0), "CAT");

    FilledCrossword checked = ringCrossword();
    checked.password = "pw";
    settings.ChosenStyle = 1;
    ASSERT_EQ(session.open(saved(checked)).read.status, FileStatus::Ok);
    ASSERT_EQ(session.mode(), EditMode::ModeSolve);
    EXPECT_FALSE(session.checkAnswer("DOG").hit);
    EXPECT_FALSE(session.canUndo()) << "a wrong answer changes nothing";
    undoAndRedo({{"checked", nullptr, [this] { ASSERT_TRUE(session.checkAnswer("TAC").hit); }},
                 {"checked again", [this] { session.selectPair(0, 2); },
                  [this] { ASSERT_TRUE(session.checkAnswer("PET").hit); }}});

    undoneInStyle(0);
    EXPECT_EQ(doc().SolvedCount, 1);
}

TEST_F(Undo, TheCrosswordIsUnmodifiedExactlyWhereItWasSaved) {
    ASSERT_EQ(session.open(saved(ringCrossword())).read.status, FileStatus::Ok);
    ASSERT_TRUE(session.unlock(""));
    ASSERT_TRUE(session.setProperties("A", "", ""));
    ASSERT_EQ(session.saveCrossword(dir.filePath(QStringLiteral("a.cfw"))), FileStatus::Ok);
    ASSERT_TRUE(session.setProperties("B", "", ""));
    modified.clear();

    struct Move {
        bool undo;
        bool modified;
    };
    for (const Move m : {Move{true, false}, Move{true, true}, Move{false, false}, Move{false, true},
                         Move{true, false}}) {
        m.undo ? session.undo() : session.redo();
        EXPECT_EQ(doc().Modified, m.modified) << (m.undo ? "undo" : "redo");
    }
    EXPECT_EQ(modified, (QList<bool>{false, true, false, true, false}));

    // Undone past the save and changed otherwise, the saved state is gone from the history:
    // the file now holds none of the states left, the one it was opened from neither.
    session.undo();
    ASSERT_TRUE(session.setProperties("C", "", ""));
    EXPECT_FALSE(session.canRedo());
    session.undo();
    EXPECT_TRUE(doc().Modified);
    EXPECT_EQ(doc().CrosswordTitle, QByteArray("Test"));

    // The solver's progress likewise, saved to an answers file.
    FilledCrossword solving = ringCrossword();
    solving.password = "pw";
    ASSERT_EQ(session.open(saved(solving)).read.status, FileStatus::Ok);
    ASSERT_TRUE(session.checkAnswer("CAT").hit);
    ASSERT_EQ(session.saveAnswers(dir.filePath(QStringLiteral("x.otv"))), FileStatus::Ok);
    session.undo();
    EXPECT_TRUE(doc().Modified);
    session.redo();
    EXPECT_FALSE(doc().Modified);
}

TEST_F(Undo, CommandsThatReplaceTheCrosswordOrItsModeStartAFreshHistory) {
    const QString path = saved(ringCrossword());
    const auto fresh = [this](const char* what) {
        EXPECT_FALSE(session.canUndo()) << what;
        EXPECT_FALSE(session.canRedo()) << what;
    };
    const auto undoable = [this](const char* what) {
        EXPECT_TRUE(session.canUndo()) << what;
        session.undo();
        EXPECT_TRUE(session.canRedo()) << what;
    };

    session.newGrid(3, 3, "Ring", 0);
    fresh("new grid");
    session.toggleCell(1, 1, false);
    session.toggleCell(0, 0, false);
    undoable("drawing");
    ASSERT_TRUE(session.gridReady());
    fresh("grid ready");
    EXPECT_EQ(doc().CellMap.at(0, 0, layer::kLetter), 0);
    ASSERT_EQ(session.placeAnswer("CAT", "pet").kind, PlacementOutcome::Kind::Placed);
    undoable("placed");
    // Back where the grid was made ready: still not saved.
    EXPECT_TRUE(doc().Modified);

    ASSERT_EQ(session.open(path).read.status, FileStatus::Ok);
    fresh("open");
    ASSERT_TRUE(session.unlock(""));
    fresh("unlock");
    session.selectSlot({1, Direction::Across});
    session.deleteAnswer();
    undoable("deleted");
    ASSERT_EQ(session.open(dir.filePath(QStringLiteral("missing.cfw"))).read.status,
              FileStatus::NotFound);
    fresh("failed open");
    session.abandonFailedOpen();
    fresh("abandoned");

    QFile ipuz(dir.filePath(QStringLiteral("house.ipuz")));
    ASSERT_TRUE(ipuz.open(QIODevice::WriteOnly));
    ipuz.write(houseIpuz());
    ipuz.close();
    ASSERT_TRUE(session.importIpuz(ipuz.fileName()).problem.ok());
    fresh("import");
    EXPECT_TRUE(doc().Modified);
    ASSERT_TRUE(session.setProperties("House", "", ""));
    undoable("properties");
    EXPECT_TRUE(doc().Modified) << "an imported crossword was never saved";

    FilledCrossword solving = ringCrossword();
    solving.password = "pw";
    ASSERT_EQ(session.open(saved(solving)).read.status, FileStatus::Ok);
    ASSERT_TRUE(session.checkAnswer("CAT").hit);
    const QString answers = dir.filePath(QStringLiteral("x.otv"));
    ASSERT_EQ(session.saveAnswers(answers), FileStatus::Ok);
    ASSERT_TRUE(session.unlock("pw"));
    AnswersFileContent content;
    ASSERT_EQ(ReadAnswersFile(answers, content), FileStatus::Ok);
    const CrosswordSession::AnswersOutcome applied = session.applyAnswers(content, answers, true);
    ASSERT_EQ(applied.status, FileStatus::Ok);
    fresh("answers");
    ASSERT_TRUE(applied.unsolved);
    ASSERT_EQ(applied.unsolved->first, 1);
    applied.unsolved->second == 0 ? session.selectPair(1, 0) : session.selectPair(0, 1);
    ASSERT_TRUE(session.checkAnswer("CAT").hit);
    undoable("checked");
    session.endSolving();
    fresh("end of solving");
}

TEST(EditHistoryBudget, LargeStatesKeepTheNewestStepsAndForgetTheSavedOne) {
    CrosswordDocument large;
    large.CellMap = Table<int>::withBounds(999, 999); // 4 MB
    const std::size_t fit = EditHistory::kBudgetBytes / EditHistory::estimatedBytes(large);
    ASSERT_LT(fit, 40u);
    EditHistory history;
    history.reset(large, 0, true);
    for (int k = 1; k <= 40; ++k) {
        large.NumberedCount = k;
        history.record(large, 0, {});
    }
    std::size_t undone = 0;
    int oldest = 40;
    while (history.canUndo()) {
        oldest = history.undo().state.NumberedCount;
        ++undone;
        EXPECT_FALSE(history.atSaved());
    }
    EXPECT_EQ(undone, std::max(fit - 1, EditHistory::kMinSteps));
    EXPECT_EQ(oldest, 40 - static_cast<int>(undone));

    // Small states are all kept.
    CrosswordDocument small;
    history.reset(small, 0, true);
    for (int k = 0; k < 1000; ++k)
        history.record(small, 0, {});
    undone = 0;
    while (history.canUndo()) {
        history.undo();
        ++undone;
    }
    EXPECT_EQ(undone, 1000u);
    EXPECT_TRUE(history.atSaved());
}

} // namespace
