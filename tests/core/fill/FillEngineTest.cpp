#include "fill/FillEngine.h"
#include "fill/FillProblem.h"
#include "fill/FillWords.h"
#include "grid/CrosswordDocument.h"
#include "support/FillGrid.h"
#include "support/FilledCrossword.h"
#include "support/GridPattern.h"
#include "text/CodePage.h"
#include "words/Placement.h"
#include "words/WordList.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>
#include <thread>

using fill::Lexicon;
using fill::Problem;
using fill::Result;

namespace {

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

// Fills with `seed` and expects a sound fill exactly when the exhaustive search finds one;
// returns whether one exists.
bool agreesWithExhaustiveSearch(const Problem& p, const Lexicon& l, const QSet<QByteArray>& words,
                                const QByteArray& alphabet, std::uint64_t seed) {
    fill::Options o;
    o.seed = seed;
    const Result r = fill::fillGrid(p, l, o);
    const bool exists = fillExists(p, words, alphabet);
    if (exists) {
        EXPECT_TRUE(soundFill(p, l, r));
    } else {
        EXPECT_EQ(r.status, Result::Status::NoFill);
        // Named either way: the slot nothing fits, or where the whole search failed most.
        if (!p.slotCells.empty()) {
            EXPECT_NE(r.deadSlot >= 0, r.hardestSlot >= 0);
        }
    }
    return exists;
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
    // Racing searches too: the answer must not depend on which thread ran faster.
    for (const int threads : {1, 2, 3}) {
        SCOPED_TRACE(threads);
        fill::Options o;
        o.seed = 7;
        o.threads = threads;
        const Result first = fill::fillGrid(p, l, o);
        ASSERT_TRUE(soundFill(p, l, first));
        for (int again = 0; again < 5; ++again)
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
        SCOPED_TRACE(rows.join('/').toStdString());
        (agreesWithExhaustiveSearch(p, l, words, alphabet, rng()) ? filled : unfillable) += 1;
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
    EXPECT_EQ(dp.refs[0], (SlotRef{1, Direction::Across}));
    EXPECT_EQ(dp.problem.fixed.left(3), QByteArray("CAT"));

    const Lexicon l = lexicon({"COT", "TOP", "TEA", "TAP", "CUT", "PEA", "APE"});
    const Result r = fill::fillGrid(dp.problem, l);
    ASSERT_TRUE(soundFill(dp.problem, l, r));
    EXPECT_EQ(r.words[0], QByteArray("CAT")) << "the author's word stays, though not a listed one";
}

TEST(FillEngine, LetterByLetterSearchAgreesWithAnExhaustiveSearch) {
    // Rows with more three-letter words than are tried one by one, so cells get letters one at
    // a time; columns from a few two-letter words.
    std::mt19937 rng(5);
    const QByteArray alphabet = "ABCDEFG";
    int filled = 0;
    int unfillable = 0;
    for (int round = 0; round < 24; ++round) {
        QSet<QByteArray> words;
        Lexicon l;
        const auto add = [&](const QByteArray& w) {
            words.insert(w);
            l.add(w);
        };
        for (const char a : alphabet)
            for (const char b : alphabet)
                for (const char c : alphabet)
                    if (rng() % 8 != 0)
                        add(QByteArray(1, a).append(b).append(c));
        const int pairs = 3 + static_cast<int>(rng() % 12);
        for (int i = 0; i < pairs; ++i)
            add(QByteArray(1, alphabet[static_cast<qsizetype>(rng() % 7)])
                    .append(alphabet[static_cast<qsizetype>(rng() % 7)]));
        QByteArrayList rows = {"...", "..."};
        if (round % 3 == 0)
            rows[1][static_cast<qsizetype>(rng() % 3)] =
                alphabet[static_cast<qsizetype>(rng() % 7)];
        const Problem p = grid(rows);
        SCOPED_TRACE(round);
        (agreesWithExhaustiveSearch(p, l, words, alphabet, rng()) ? filled : unfillable) += 1;
    }
    EXPECT_GT(filled, 3);
    EXPECT_GT(unfillable, 3);
}

TEST(FillEngine, SuggestionsFitTheSlotAndLeaveEveryCrossingAWord) {
    // The ring: slot 0 the top row, 1 the bottom row, 2 the left column, 3 the right column.
    const Problem ring = grid({"...", ".#.", "..."});
    // Through the ring's corners only C.., T.. and ..T, ..P, ..A words cross.
    const Lexicon l = lexicon({"CAT", "COT", "CUP", "TOP", "TAP", "PEA", "APE", "CUT", "TEA"});
    const auto top = fill::suggestWords(ring, l, 0, 10);
    ASSERT_FALSE(top.empty());
    for (const QByteArray& word : top) {
        SCOPED_TRACE(word.toStdString());
        Problem placed = ring;
        for (int k = 0; k < 3; ++k)
            placed.fixed[k] = word[k];
        fill::Options settleOnly;
        settleOnly.stepLimit = 0;
        EXPECT_NE(fill::fillGrid(placed, l, settleOnly).status, Result::Status::NoFill)
            << "a suggestion leaves a crossing without a word";
    }
    // CAT leaves the right column three words (TOP, TAP, TEA), CUP one (PEA).
    const auto at = [&top](const char* w) {
        return std::find(top.begin(), top.end(), QByteArray(w));
    };
    ASSERT_NE(at("CAT"), top.end());
    ASSERT_NE(at("CUP"), top.end());
    EXPECT_LT(at("CAT"), at("CUP")) << "best first";
    // APE would need a column starting with A and one starting with E: none.
    EXPECT_EQ(std::count(top.begin(), top.end(), QByteArray("APE")), 0);
    EXPECT_LE(fill::suggestWords(ring, l, 0, 1).size(), 1u);

    struct Case {
        const char* name;
        QByteArrayList rows;
        int slot;
        std::vector<QByteArray> expected;
    };
    const Case cases[] = {
        {"a slot the author filled", {"CAT", ".#.", "..."}, 0, {}},
        {"a slot no word fits", {"Z..", ".#.", "..."}, 0, {}},
        {"no such slot", {"...", ".#.", "..."}, 9, {}},
    };
    const Lexicon one = lexicon({"CAT", "TOP", "CUP", "PEA", "TEA"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fill::suggestWords(grid(c.rows), one, c.slot, 10), c.expected);
    }
}

TEST(FillEngine, DeadCellsAreThoseOfSlotsNoWordCanFillAnyMore) {
    struct Case {
        const char* name;
        QByteArrayList rows;
        std::vector<int> dead;
    };
    // Cells: 0 1 2 / 3 # 5 / 6 7 8.
    const Case cases[] = {
        {"a fillable ring", {"...", ".#.", "..."}, {}},
        {"a letter no word has", {"Z..", ".#.", "..."}, {0, 1, 2, 3, 6}},
        {"a top word whose end starts no column", {"TEA", ".#.", "..."}, {2, 5, 8}},
        {"an author's word outside the lists stays, its crossings die",
         {"XYZ", ".#.", "..."},
         {0, 2, 3, 5, 6, 8}},
    };
    const Lexicon l = lexicon({"CAT", "TOP", "CUP", "PEA", "TEA", "CAP"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fill::deadCells(grid(c.rows), l), c.dead);
    }
}

TEST(FillWords, TheListsOfEveryFolderLessTheWordsNeverToUse) {
    QTemporaryDir program;
    QTemporaryDir user;
    ASSERT_TRUE(program.isValid() && user.isValid());
    const auto writeList = [](const QString& folder, int length, const QList<QByteArray>& list) {
        QDir().mkpath(folder + QStringLiteral("Data"));
        QFile f(words::wordListPath(folder, length));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(words::writeWordList(f, length, list));
    };
    const QString programFolder = program.path() + QLatin1Char('/');
    const QString userFolder = user.path() + QLatin1Char('/');
    const QByteArray kot = cp1251::fromUnicode(u"КОТ");
    const QByteArray dom = cp1251::fromUnicode(u"ДОМ");
    const QByteArray les = cp1251::fromUnicode(u"ЛЕС");
    const QByteArray sova = cp1251::fromUnicode(u"СОВА");
    writeList(programFolder, 3, {kot, dom});
    writeList(userFolder, 3, {les});
    writeList(userFolder, 4, {sova});
    {
        // Written by hand in a text editor: UTF-8, lower case, blank lines.
        QFile never(fill::neverListPath(userFolder));
        ASSERT_TRUE(never.open(QIODevice::WriteOnly));
        never.write(QStringLiteral("дом\n\n  сова \n").toUtf8());
    }
    const Lexicon l = fill::loadLexicon({programFolder, userFolder, QString()});
    EXPECT_TRUE(l.contains(kot));
    EXPECT_TRUE(l.contains(les)) << "the user's own list adds to the program's";
    EXPECT_FALSE(l.contains(dom));
    EXPECT_FALSE(l.contains(sova));

    // A list saved in Windows-1251 reads as well.
    QBuffer legacy;
    legacy.setData(cp1251::fromUnicode(u"лес\r\nКот\r\n"));
    ASSERT_TRUE(legacy.open(QIODevice::ReadOnly));
    EXPECT_EQ(fill::readNeverList(legacy), (QList<QByteArray>{les, kot}));
}

// The fill as a satisfiability problem for an independent solver: a variable per slot and
// fitting word, one per open cell and letter; every slot a word, a word's letters in its cells,
// one letter a cell, no word in two slots. Words placed whole by the author are kept, and not
// used again elsewhere.
struct SatEncoding {
    QByteArray dimacs;
    std::vector<std::vector<std::pair<int, QByteArray>>> choices; // per slot: (variable, word)
};

SatEncoding encode(const Problem& p, const QByteArrayList& words, const QByteArray& alphabet) {
    SatEncoding e;
    int variables = 0;
    QByteArrayList clauses;
    const auto clause = [&](const std::vector<int>& literals) {
        QByteArray line;
        for (const int l : literals)
            line += QByteArray::number(l) + ' ';
        clauses.append(line + '0');
    };
    std::vector<std::vector<int>> letterVar(static_cast<std::size_t>(p.cellCount));
    for (int c = 0; c < p.cellCount; ++c) {
        for (qsizetype a = 0; a < alphabet.size(); ++a)
            letterVar[static_cast<std::size_t>(c)].push_back(++variables);
        const auto& v = letterVar[static_cast<std::size_t>(c)];
        for (std::size_t a = 0; a < v.size(); ++a)
            for (std::size_t b = a + 1; b < v.size(); ++b)
                clause({-v[a], -v[b]});
        if (p.fixed[c] != '\0') {
            const qsizetype a = alphabet.indexOf(p.fixed[c]);
            clause(a < 0 ? std::vector<int>{} : std::vector<int>{v[static_cast<std::size_t>(a)]});
        }
    }
    QSet<QByteArray> placedWhole;
    std::vector<bool> kept(p.slotCells.size(), false);
    for (std::size_t s = 0; s < p.slotCells.size(); ++s) {
        QByteArray word;
        for (const int c : p.slotCells[s])
            word += p.fixed[c];
        kept[s] = !word.contains('\0');
        if (kept[s])
            placedWhole.insert(word);
    }
    e.choices.resize(p.slotCells.size());
    for (std::size_t s = 0; s < p.slotCells.size(); ++s) {
        if (kept[s])
            continue;
        const std::vector<int>& cells = p.slotCells[s];
        std::vector<int> some;
        for (const QByteArray& word : words) {
            if (word.size() != static_cast<qsizetype>(cells.size()) || placedWhole.contains(word))
                continue;
            const int x = ++variables;
            e.choices[s].emplace_back(x, word);
            some.push_back(x);
            for (std::size_t k = 0; k < cells.size(); ++k)
                clause({-x, letterVar[static_cast<std::size_t>(cells[k])][static_cast<std::size_t>(
                                alphabet.indexOf(word[static_cast<qsizetype>(k)]))]});
        }
        clause(some);
    }
    for (std::size_t s = 0; s < e.choices.size(); ++s)
        for (std::size_t t = s + 1; t < e.choices.size(); ++t)
            for (const auto& [x, word] : e.choices[s])
                for (const auto& [y, other] : e.choices[t])
                    if (word == other)
                        clause({-x, -y});
    e.dimacs = "p cnf " + QByteArray::number(variables) + ' ' + QByteArray::number(clauses.size()) +
               '\n' + clauses.join('\n') + '\n';
    return e;
}

// The solver's verdict, and for a satisfiable problem its fill decoded back into words.
struct SatAnswer {
    bool ran = false;
    bool satisfiable = false;
    Result fill;
};

SatAnswer solveBySat(const QString& solver, const Problem& p, const QByteArrayList& words,
                     const QByteArray& alphabet) {
    const SatEncoding e = encode(p, words, alphabet);
    QProcess process;
    process.start(solver, {QStringLiteral("-q")});
    process.write(e.dimacs);
    process.closeWriteChannel();
    SatAnswer answer;
    if (!process.waitForFinished(120'000))
        return answer;
    const int code = process.exitCode(); // 10 satisfiable, 20 not
    answer.ran = code == 10 || code == 20;
    answer.satisfiable = code == 10;
    if (!answer.satisfiable)
        return answer;
    QSet<int> trueVariables;
    for (const QByteArray& line : process.readAllStandardOutput().split('\n'))
        if (line.startsWith("v "))
            for (const QByteArray& literal : line.mid(2).split(' '))
                if (literal.toInt() > 0)
                    trueVariables.insert(literal.toInt());
    answer.fill.status = Result::Status::Filled;
    for (std::size_t s = 0; s < p.slotCells.size(); ++s) {
        QByteArray word;
        for (const int c : p.slotCells[s])
            word += p.fixed[c];
        for (const auto& [x, candidate] : e.choices[s])
            if (trueVariables.contains(x))
                word = candidate;
        answer.fill.words.push_back(word);
    }
    return answer;
}

// A random grid of `size`, with about `blackShare` black cells and now and then a placed
// letter; a random list over `alphabet`, some of it forbidden.
struct RandomCase {
    Problem problem;
    QByteArrayList words; // the usable ones
    Lexicon lexicon;
    QByteArray shown;
};

RandomCase randomCase(std::mt19937& rng, int size, double blackShare, const QByteArray& alphabet,
                      int wordsPerLength) {
    RandomCase rc;
    QByteArrayList rows;
    std::uniform_real_distribution<double> unit(0, 1);
    for (int y = 0; y < size; ++y) {
        QByteArray row;
        for (int x = 0; x < size; ++x) {
            const double r = unit(rng);
            row += r < blackShare          ? '#'
                   : r < blackShare + 0.03 ? alphabet[static_cast<qsizetype>(
                                                 rng() % static_cast<unsigned>(alphabet.size()))]
                                           : '.';
        }
        rows.append(row);
    }
    rc.problem = grid(rows);
    rc.shown = rows.join('/');
    QSet<QByteArray> drawn;
    for (int length = 2; length <= size; ++length)
        for (int i = 0; i < wordsPerLength; ++i) {
            QByteArray word;
            for (int k = 0; k < length; ++k)
                word += alphabet[static_cast<qsizetype>(rng() %
                                                        static_cast<unsigned>(alphabet.size()))];
            if (drawn.contains(word))
                continue;
            drawn.insert(word);
            rc.lexicon.add(word);
            if (rng() % 20 == 0)
                rc.lexicon.forbid(word);
            else
                rc.words.append(word);
        }
    return rc;
}

// Every answer of the engine against a complete solver of its own kind (a SAT solver on the
// encoding above, run as a tool): a fill it finds is sound, "no fill" is unsatisfiable, and
// a satisfiable problem is filled. Grids from 4 × 4 to 8 × 8, racing searches included, and
// restarts every few steps now and then, so that what a search keeps across them is checked too.
TEST(FillEngine, AgreesWithAnIndependentSatSolver) {
    const QString solver = QStandardPaths::findExecutable(QStringLiteral("cadical"));
    ASSERT_FALSE(solver.isEmpty()) << "cadical not found: run scripts/deps.sh";
    std::mt19937 rng(30);
    int filled = 0;
    int unfillable = 0;
    for (int round = 0; round < 40; ++round) {
        const int size = 4 + round % 5;
        const QByteArray alphabet = QByteArray("ABCDEFGH").left(4 + round % 4);
        RandomCase rc = randomCase(rng, size, 0.12 + 0.02 * (round % 5), alphabet,
                                   size <= 5 ? 30 : 60 + 10 * size);
        SCOPED_TRACE(rc.shown.toStdString());
        fill::Options o;
        o.seed = rng();
        o.threads = 1 + round % 2;
        if (round % 3 == 0)
            o.restartSteps = 4;
        const Result r = fill::fillGrid(rc.problem, rc.lexicon, o);
        const SatAnswer sat = solveBySat(solver, rc.problem, rc.words, alphabet);
        ASSERT_TRUE(sat.ran);
        if (sat.satisfiable) {
            // The encoding itself is checked by the same checker.
            EXPECT_TRUE(soundFill(rc.problem, rc.lexicon, sat.fill));
            EXPECT_TRUE(soundFill(rc.problem, rc.lexicon, r));
            ++filled;
        } else {
            EXPECT_EQ(r.status, Result::Status::NoFill);
            ++unfillable;
        }
        if (r.status == Result::Status::NoFill) {
            EXPECT_FALSE(sat.satisfiable) << "the engine said no fill where one exists";
        }
    }
    EXPECT_GT(filled, 8);
    EXPECT_GT(unfillable, 8);
}

} // namespace
