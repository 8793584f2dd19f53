#include "fill/FillEngine.h"
#include "fill/FillProblem.h"
#include "grid/CrosswordDocument.h"
#include "support/FilledCrossword.h"
#include "support/GridPattern.h"
#include "words/Placement.h"

#include <QSet>

#include <gtest/gtest.h>

#include <random>
#include <thread>

using fill::Lexicon;
using fill::Problem;
using fill::Result;

namespace {

// Rows of '.' (open), '#' (black) or a placed letter; slotCells are the runs of two cells or more.
Problem grid(const QByteArrayList& rows) {
    Problem p;
    const int h = static_cast<int>(rows.size());
    const int w = h > 0 ? static_cast<int>(rows[0].size()) : 0;
    p.cellCount = w * h;
    p.fixed = QByteArray(p.cellCount, '\0');
    const auto open = [&](int x, int y) { return rows[y][x] != '#'; };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (open(x, y) && rows[y][x] != '.')
                p.fixed[y * w + x] = rows[y][x];
    for (int d = 0; d < 2; ++d)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int px = d == 0 ? x - 1 : x;
                const int py = d == 0 ? y : y - 1;
                if (!open(x, y) || (px >= 0 && py >= 0 && open(px, py)))
                    continue;
                std::vector<int> cells;
                for (int cx = x, cy = y; cx < w && cy < h && open(cx, cy);
                     cx += d == 0 ? 1 : 0, cy += d == 1 ? 1 : 0)
                    cells.push_back(cy * w + cx);
                if (cells.size() >= 2)
                    p.slotCells.push_back(cells);
            }
    return p;
}

Lexicon lexicon(const QByteArrayList& words) {
    Lexicon l;
    for (const QByteArray& w : words)
        l.add(w);
    return l;
}

// What a sound fill is: every slot a word of the lists (or as the author placed it whole),
// each cell one letter, placed letters kept, no word twice.
::testing::AssertionResult soundFill(const Problem& p, const Lexicon& l, const Result& r) {
    if (r.status != Result::Status::Filled || r.words.size() != p.slotCells.size())
        return ::testing::AssertionFailure() << "not filled";
    QByteArray cell(p.cellCount, '\0');
    QSet<QByteArray> seen;
    for (std::size_t s = 0; s < p.slotCells.size(); ++s) {
        const QByteArray& word = r.words[s];
        bool placedWhole = true;
        for (std::size_t k = 0; k < p.slotCells[s].size(); ++k) {
            const int c = p.slotCells[s][k];
            if (p.fixed[c] == '\0')
                placedWhole = false;
            else if (p.fixed[c] != word[static_cast<qsizetype>(k)])
                return ::testing::AssertionFailure() << "placed letter changed in " << word.data();
            if (cell[c] != '\0' && cell[c] != word[static_cast<qsizetype>(k)])
                return ::testing::AssertionFailure() << "crossing disagrees at cell " << c;
            cell[c] = word[static_cast<qsizetype>(k)];
        }
        if (!placedWhole && !l.contains(word))
            return ::testing::AssertionFailure() << word.data() << " is not a word of the lists";
        if (seen.contains(word))
            return ::testing::AssertionFailure() << word.data() << " twice";
        seen.insert(word);
    }
    return ::testing::AssertionSuccess();
}

// Whether any fill exists, by trying every letter in every open cell.
bool fillExists(const Problem& p, const QSet<QByteArray>& words, const QByteArray& alphabet) {
    std::vector<int> openCells;
    for (int c = 0; c < p.cellCount; ++c) {
        bool inSlot = false;
        for (const auto& s : p.slotCells)
            inSlot = inSlot || std::find(s.begin(), s.end(), c) != s.end();
        if (inSlot && p.fixed[c] == '\0')
            openCells.push_back(c);
    }
    QByteArray cell = p.fixed;
    std::function<bool(std::size_t)> tryFrom = [&](std::size_t i) {
        if (i == openCells.size()) {
            QSet<QByteArray> seen;
            for (const auto& s : p.slotCells) {
                QByteArray w;
                bool placedWhole = true;
                for (const int c : s) {
                    w.append(cell[c]);
                    placedWhole = placedWhole && p.fixed[c] != '\0';
                }
                if ((!placedWhole && !words.contains(w)) || seen.contains(w))
                    return false;
                seen.insert(w);
            }
            return true;
        }
        for (const char letter : alphabet) {
            cell[openCells[i]] = letter;
            if (tryFrom(i + 1))
                return true;
        }
        return false;
    };
    return tryFrom(0);
}

TEST(FillEngine, SmallGridsAreFilledOrReportedUnfillable) {
    struct Case {
        const char* name;
        QByteArrayList rows;
        QByteArrayList words;
        bool fills;
    };
    const Case cases[] = {
        {"a word square", {"..", ".."}, {"AB", "CD", "AC", "BD"}, true},
        {"the columns are not words", {"..", ".."}, {"AB", "CD", "XY"}, false},
        {"only by repeating a word", {"..", ".."}, {"AA"}, false},
        {"a placed letter kept", {"C.", ".."}, {"AB", "CD", "AC", "BD", "CA", "DB"}, true},
        {"a placed letter no word has", {"Z.", ".."}, {"AB", "CD", "AC", "BD"}, false},
        {"a placed word outside the lists stays", {"QQ", ".."}, {"QA", "QB", "AB", "XY"}, true},
        {"a ring with a black centre",
         {"...", ".#.", "..."},
         {"CAT", "TOP", "CAT", "TAP", "COT", "TEA", "PEA", "APE"},
         true},
        {"no word of a slot's length", {"...", "#.#"}, {"ABC", "XY"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Problem p = grid(c.rows);
        const Lexicon l = lexicon(c.words);
        const Result r = fill::fillGrid(p, l);
        if (c.fills) {
            EXPECT_TRUE(soundFill(p, l, r));
        } else {
            EXPECT_EQ(r.status, Result::Status::NoFill);
        }
    }
}

TEST(FillEngine, ASlotNoWordFitsIsNamedBeforeAnySearch) {
    const Problem p = grid({"Z.", ".."});
    const Result r = fill::fillGrid(p, lexicon({"AB", "CD", "AC", "BD"}));
    EXPECT_EQ(r.status, Result::Status::NoFill);
    ASSERT_GE(r.deadSlot, 0);
    EXPECT_NE(std::find(p.slotCells[static_cast<std::size_t>(r.deadSlot)].begin(),
                        p.slotCells[static_cast<std::size_t>(r.deadSlot)].end(), 0),
              p.slotCells[static_cast<std::size_t>(r.deadSlot)].end())
        << "the dead slot runs through the cell with the impossible letter";
}

TEST(FillEngine, ForbiddenWordsAreNeverUsed) {
    const Problem p = grid({"..", ".."});
    Lexicon l = lexicon({"AB", "CD", "AC", "BD"});
    EXPECT_EQ(fill::fillGrid(p, l).status, Result::Status::Filled);
    l.forbid("CD");
    EXPECT_EQ(fill::fillGrid(p, l).status, Result::Status::NoFill);
    l.add("CD"); // adding it again does not lift the ban
    EXPECT_EQ(fill::fillGrid(p, l).status, Result::Status::NoFill);
}

// Every three-letter word of A, B, C, D: many fills of an open 3 × 3.
Lexicon allWords3(QByteArrayList* list = nullptr) {
    Lexicon l;
    const QByteArray letters = "ABCD";
    for (const char a : letters)
        for (const char b : letters)
            for (const char c : letters) {
                const char chars[] = {a, b, c};
                const QByteArray w(chars, 3);
                l.add(w);
                if (list)
                    list->append(w);
            }
    return l;
}

TEST(FillEngine, TheSameSeedGivesTheSameFillAndOthersDiffer) {
    const Problem p = grid({"...", "...", "..."});
    const Lexicon l = allWords3();
    fill::Options o;
    o.seed = 7;
    const Result first = fill::fillGrid(p, l, o);
    ASSERT_TRUE(soundFill(p, l, first));
    EXPECT_EQ(fill::fillGrid(p, l, o).words, first.words);
    QSet<QByteArrayList> fills;
    for (std::uint64_t seed = 1; seed <= 5; ++seed) {
        o.seed = seed;
        const Result r = fill::fillGrid(p, l, o);
        ASSERT_TRUE(soundFill(p, l, r));
        fills.insert(QByteArrayList(r.words.begin(), r.words.end()));
    }
    EXPECT_GT(fills.size(), 1);
}

TEST(FillEngine, CancelledAndLimitedSearchesSayWhy) {
    // An open 5 × 5 over four letters without repeats is out of reach of a short search.
    const Problem p = grid({".....", ".....", ".....", ".....", "....."});
    Lexicon l;
    const QByteArray letters = "ABCD";
    std::mt19937 rng(3);
    for (int i = 0; i < 300; ++i) {
        QByteArray w;
        for (int k = 0; k < 5; ++k)
            w.append(letters[static_cast<qsizetype>(rng() % 4)]);
        l.add(w);
    }
    std::atomic_bool cancel = true;
    fill::Options o;
    o.cancel = &cancel;
    EXPECT_EQ(fill::fillGrid(p, l, o).status, Result::Status::Cancelled);

    cancel = false;
    std::thread stopper([&cancel] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        cancel = true;
    });
    const Result r = fill::fillGrid(p, l, o);
    stopper.join();
    EXPECT_TRUE(r.status == Result::Status::Cancelled || soundFill(p, l, r) ||
                r.status == Result::Status::NoFill);

    o.cancel = nullptr;
    o.stepLimit = 5;
    int reports = 0;
    o.progress = [&reports](int filled, int total) {
        ++reports;
        EXPECT_LE(filled, total);
    };
    const Result limited = fill::fillGrid(p, l, o);
    EXPECT_TRUE(limited.status == Result::Status::LimitReached ||
                limited.status == Result::Status::NoFill || soundFill(p, l, limited));
    EXPECT_LE(limited.steps, 6);
    EXPECT_GE(reports, 1);
}

TEST(FillEngine, FillExistsExactlyWhenAnExhaustiveSearchFindsOne) {
    std::mt19937 rng(11);
    const QByteArray alphabet = "ABC";
    int filled = 0;
    int unfillable = 0;
    for (int round = 0; round < 120; ++round) {
        const int w = 2 + static_cast<int>(rng() % 2);
        const int h = 2 + static_cast<int>(rng() % 2);
        QByteArrayList rows;
        for (int y = 0; y < h; ++y) {
            QByteArray row;
            for (int x = 0; x < w; ++x) {
                const unsigned r = rng() % 10;
                row.append(r == 0   ? '#'
                           : r == 1 ? alphabet[static_cast<qsizetype>(rng() % 3)]
                                    : '.');
            }
            rows.append(row);
        }
        QSet<QByteArray> words;
        Lexicon l;
        const int count = 2 + static_cast<int>(rng() % 14);
        for (int i = 0; i < count; ++i) {
            const int len = 2 + static_cast<int>(rng() % 2);
            QByteArray word;
            for (int k = 0; k < len; ++k)
                word.append(alphabet[static_cast<qsizetype>(rng() % 3)]);
            words.insert(word);
            l.add(word);
        }
        const Problem p = grid(rows);
        fill::Options o;
        o.seed = rng();
        const Result r = fill::fillGrid(p, l, o);
        const bool exists = fillExists(p, words, alphabet);
        SCOPED_TRACE(rows.join('/').toStdString());
        if (exists) {
            EXPECT_TRUE(soundFill(p, l, r));
            ++filled;
        } else {
            EXPECT_EQ(r.status, Result::Status::NoFill);
            ++unfillable;
        }
    }
    // The random cases hold both kinds.
    EXPECT_GT(filled, 10);
    EXPECT_GT(unfillable, 10);
}

TEST(FillEngine, ACrosswordBeingAuthoredKeepsItsPlacedAnswers) {
    // 1 across and 1 down share the corner; 2 down and 3 across close the ring.
    CrosswordDocument doc = analysedGrid({"...", ".#.", "..."});
    ASSERT_EQ(PlaceAnswer(doc, 1, 0, "cat", "clue").kind, PlacementOutcome::Kind::Placed);
    const fill::DocumentProblem dp = fill::problemFrom(doc);
    ASSERT_EQ(dp.refs.size(), 4u);
    EXPECT_EQ(dp.refs[0], (SlotRef{1, 0}));
    EXPECT_EQ(dp.problem.fixed.left(3), QByteArray("CAT"));

    const Lexicon l = lexicon({"COT", "TOP", "TEA", "TAP", "CUT", "PEA", "APE"});
    const Result r = fill::fillGrid(dp.problem, l);
    ASSERT_TRUE(soundFill(dp.problem, l, r));
    EXPECT_EQ(r.words[0], QByteArray("CAT")) << "the author's word stays, though not a listed one";
}

} // namespace
