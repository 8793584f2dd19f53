// ipuz both ways: our crosswords out and back unchanged, other tools' variants taken over, and
// what cannot be carried refused with its reason.
#include "ipuz/IpuzFile.h"

#include "app/language/Language.h"
#include "app/language/LanguageFile.h"
#include "files/CrosswordFile.h"
#include "files/ScrambleTables.h"
#include "grid/ShownGrid.h"
#include "text/CodePage.h"

#include "OurCrosswords.h"
#include "support/Crosswords.h"
#include "support/FilledCrossword.h"
#include "support/PrintQt.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

using fixtures::cp;
using Kind = ipuz::ReadProblem::Kind;

QByteArray cfwBytes(const CrosswordDocument& doc) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(WriteCrosswordFile(buffer, doc));
    return buffer.data();
}

// The shipped English language file, for the messages.
const Language& english() {
    static const Language lang = [] {
        Language l;
        QFile file(QStringLiteral(CLUEFORGE_RESOURCES "/Language/English.txt"));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        readLanguage(file, l);
        return l;
    }();
    return lang;
}

ipuz::ReadProblem import(const QByteArray& json, CrosswordDocument& doc) {
    QBuffer buffer;
    buffer.setData(json);
    buffer.open(QIODevice::ReadOnly);
    return ipuz::readIpuz(buffer, doc);
}

CrosswordDocument imported(const QByteArray& json) {
    CrosswordDocument doc;
    const ipuz::ReadProblem p = import(json, doc);
    EXPECT_TRUE(p.ok()) << static_cast<int>(p.kind) << ' '
                        << ipuz::problemText(english(), p).toStdString();
    return doc;
}

TEST(Ipuz, OurCrosswordsComeBackByteForByteWithTheSamePassword) {
    for (auto& [name, original] : ourCrosswords()) {
        SCOPED_TRACE(name);
        // Shown turned: the file still goes out in the classic orientation.
        CrosswordDocument turned = original;
        buildShownGrid(turned, 1);
        const QByteArray json = ipuz::ipuzBytes(original);
        EXPECT_EQ(ipuz::ipuzBytes(turned), json);

        CrosswordDocument back = imported(json);
        EXPECT_TRUE(back.Modified);
        EXPECT_TRUE(back.CrosswordPath.isEmpty());
        EXPECT_EQ(back.Mode,
                  original.NoAnswers == 0 ? EditMode::ModeAuthor : EditMode::ModeAuthorNoAnswers);
        // The password is not carried: given again, the crossword file is the same.
        back.CrosswordPassword = original.CrosswordPassword;
        EXPECT_EQ(cfwBytes(back), cfwBytes(original));
    }
}

TEST(Ipuz, TheWrittenFileHoldsWhatTheFormatAsks) {
    FilledCrossword house = houseCrossword();
    house.clues[cp(u"ТОК")] = cp(u"a < b");
    const QJsonObject root = QJsonDocument::fromJson(ipuz::ipuzBytes(house.build())).object();
    EXPECT_EQ(root.value(QStringLiteral("version")).toString(),
              QStringLiteral("http://ipuz.org/v2"));
    EXPECT_EQ(root.value(QStringLiteral("kind")).toArray().at(0).toString(),
              QStringLiteral("http://ipuz.org/crossword#1"));
    EXPECT_EQ(root.value(QStringLiteral("title")).toString(), QStringLiteral(u"Дом"));
    EXPECT_EQ(root.value(QStringLiteral("author")).toString(), QStringLiteral(u"Иванов"));
    EXPECT_FALSE(root.contains(QStringLiteral("password")));
    const QJsonDocument puzzle(root.value(QStringLiteral("puzzle")).toArray());
    EXPECT_EQ(puzzle.toJson(QJsonDocument::Compact), QByteArray(R"([[1,0,2],[0,"#",0],[3,0,0]])"));
    const QJsonDocument solution(root.value(QStringLiteral("solution")).toArray());
    EXPECT_EQ(QString::fromUtf8(solution.toJson(QJsonDocument::Compact)),
              QStringLiteral(uR"([["К","О","Т"],["И","#","О"],["Т","О","К"]])"));
    const QJsonObject clues = root.value(QStringLiteral("clues")).toObject();
    EXPECT_EQ(QJsonDocument(clues.value(QStringLiteral("Across")).toArray())
                  .toJson(QJsonDocument::Compact),
              QStringLiteral(uR"([[1,"Домашний зверь"],[3,"a &lt; b"]])").toUtf8());

    // Without answers: no solution, and the clues are only numbers.
    const QJsonObject bare =
        QJsonDocument::fromJson(ipuz::ipuzBytes(houseCrossword(1).build())).object();
    EXPECT_FALSE(bare.contains(QStringLiteral("solution")));
}

// An ipuz file as other tools write one, around a 3 × 3 ring.
QByteArray ring(const QByteArray& puzzle, const QByteArray& solution, const QByteArray& clues,
                const QByteArray& extra = {}) {
    QByteArray json = R"({"version":"http://ipuz.org/v2","kind":["http://ipuz.org/crossword#1"],)"
                      R"("dimensions":{"width":3,"height":3},"title":"Ring","author":"Tool",)";
    json += extra;
    json += R"("puzzle":)" + puzzle + ',';
    if (!solution.isEmpty())
        json += R"("solution":)" + solution + ',';
    json += R"("clues":)" + clues + '}';
    return json;
}

const QByteArray kPuzzle = R"([[1,0,2],[0,"#",0],[3,0,0]])";
const QByteArray kSolution = R"([["К","О","Т"],["И","#","О"],["Т","О","К"]])";
const QByteArray kClues = R"({"Across":[[1,"Кот"],[3,"Ток"]],"Down":[[1,"Кит"],[2,"То"]]})";

TEST(Ipuz, VariantsOfOtherToolsAreTakenOver) {
    struct Case {
        const char* name;
        QByteArray json;
        QByteArray across1, down2; // the answer of 1 across, the clue of 2 down
        QByteArray clue1;          // the clue of 1 across
    };
    const Case cases[] = {
        {"plain", ring(kPuzzle, kSolution, kClues), cp(u"КОТ"), cp(u"То"), cp(u"Кот")},
        {"clues as objects",
         ring(
             kPuzzle, kSolution,
             R"({"Across":[{"number":1,"clue":"Кот"},{"number":"3","clue":"Ток"}],)"
             R"("Down":[{"number":1,"clue":"Кит","cells":[[1,1],[1,2],[1,3]]},{"number":2,"clue":"То"}]})"),
         cp(u"КОТ"), cp(u"То"), cp(u"Кот")},
        {"numbers as strings, omitted cell",
         ring(R"([["1","0","2"],["0",null,"0"],["3","0","0"]])",
              R"([["К","О","Т"],["И",null,"О"],["Т","О","К"]])", kClues),
         cp(u"КОТ"), cp(u"То"), cp(u"Кот")},
        {"a block of its own, a label of text",
         ring(R"([[1,"A",2],[0,"X",0],[3,0,0]])", R"([["К","О","Т"],["И","X","О"],["Т","О","К"]])",
              kClues, R"("block":"X",)"),
         cp(u"КОТ"), cp(u"То"), cp(u"Кот")},
        {"saved and styles, cells as objects",
         ring(
             R"([[{"cell":1,"style":"circled"},0,2],[0,"#",0],[3,0,{"cell":0,"style":{"shapebg":"circle"}}]])",
             R"([[{"value":"К"},"О","Т"],["И","#","О"],["Т","О","К"]])", kClues,
             R"("saved":[["К","",""],["","#",""],["","",""]],"styles":{"circled":{"shapebg":"circle"}},)"),
         cp(u"КОТ"), cp(u"То"), cp(u"Кот")},
        {"Latin, lower case, markup",
         ring(
             kPuzzle, R"([["c","a","t"],["a","#","o"],["t","o","e"]])",
             R"({"Across:Across":[[1,"<i>Feline</i> &amp; friend"],[3,"Foot digit"]],"Down":[[1,"Kitty"],[2,"To"]]})"),
         "CAT", "To", "Feline & friend"},
        {"wrapped as older files are", "ipuz(" + ring(kPuzzle, kSolution, kClues) + ")", cp(u"КОТ"),
         cp(u"То"), cp(u"Кот")},
        {"decomposed letters",
         ring(kPuzzle,
              QStringLiteral(u"[[\"К\",\"О\",\"Т\"],[\"И\",\"#\",\"О\"],[\"Т\",\"О\",\"И\u0306\"]]")
                  .toUtf8(),
              kClues),
         cp(u"КОТ"), cp(u"То"), cp(u"Кот")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CrosswordDocument doc = imported(c.json);
        EXPECT_EQ(doc.Mode, EditMode::ModeAuthor);
        EXPECT_EQ(doc.SlotTexts.at(1, 1, 0), c.across1);
        EXPECT_EQ(doc.SlotTexts.at(1, 0, 0), c.clue1);
        EXPECT_EQ(doc.SlotTexts.at(2, 0, 1), c.down2);
        EXPECT_EQ(doc.CrosswordTitle, "Ring");
        EXPECT_EQ(doc.CrosswordAuthor, "Tool");
    }
    // The last cell given decomposed arrives composed.
    EXPECT_EQ(imported(cases[7].json).SlotTexts.at(3, 1, 0), cp(u"ТОЙ"));
}

TEST(Ipuz, WithoutSolutionTheCluesStayAndWithoutCluesOnlyTheGrid) {
    const CrosswordDocument clued = imported(ring(kPuzzle, {}, kClues));
    EXPECT_EQ(clued.Mode, EditMode::ModeAuthor);
    EXPECT_EQ(clued.SlotTexts.at(1, 0, 0), cp(u"Кот"));
    EXPECT_TRUE(clued.SlotTexts.at(1, 1, 0).isEmpty());

    const CrosswordDocument bare =
        imported(ring(kPuzzle, {}, R"({"Across":[[1,""],[3,""]],"Down":[[1,""],[2,""]]})"));
    EXPECT_EQ(bare.Mode, EditMode::ModeAuthorNoAnswers);
    EXPECT_EQ(bare.NoAnswers, 1);
    EXPECT_EQ(bare.WordCount, 4);
}

TEST(Ipuz, WhatCannotBeCarriedIsRefusedWithItsReasonAndNothingChanges) {
    struct Case {
        const char* name;
        QByteArray json;
        Kind kind;
        const char* message; // the English message
    };
    QByteArray deep = QByteArray(40, '[') + QByteArray(40, ']');
    const Case cases[] = {
        {"not JSON", "{\"version\":", Kind::Unreadable, "not an ipuz crossword"},
        {"another kind",
         QByteArray(ring(kPuzzle, kSolution, kClues)).replace("crossword#1", "sudoku#1"),
         Kind::Unreadable, "not an ipuz crossword"},
        {"too large",
         QByteArray(ring(kPuzzle, kSolution, kClues)).replace("\"width\":3", "\"width\":251"),
         Kind::TooLarge, "larger than the program can hold"},
        {"a short row", ring(R"([[1,0,2],[0,"#"],[3,0,0]])", {}, kClues), Kind::NotRectangular,
         "not a rectangle"},
        {"rows missing", ring(R"([[1,0,2],[3,0,0]])", {}, kClues), Kind::NotRectangular,
         "not a rectangle"},
        {"bars", ring(R"([[1,0,2],[0,"#",0],[3,{"cell":0,"style":{"barred":"T"}},0]])", {}, kClues),
         Kind::Barred, "bars between"},
        {"bars through a named style",
         ring(R"([[1,0,2],[0,"#",0],[3,{"cell":0,"style":"b"}, 0]])", {}, kClues,
              R"("styles":{"b":{"barred":"L"}},)"),
         Kind::Barred, "bars between"},
        {"rebus", ring(kPuzzle, R"([["К","О","Т"],["И","#","О"],["Т","ОК","К"]])", kClues),
         Kind::Rebus, "More than one letter in one cell (column, row): 2, 3"},
        {"a letter without a code",
         ring(kPuzzle, R"([["К","О","Т"],["И","#","Ǆ"],["Т","О","К"]])", kClues),
         Kind::CellCharacter, "(column, row) 3, 2: U+01C4"},
        {"a clue character without a code",
         ring(kPuzzle, kSolution,
              R"({"Across":[[1,"Кот ≠ пёс"],[3,"Ток"]],"Down":[[1,"Кит"],[2,"То"]]})"),
         Kind::TextCharacter, "cannot hold, in 1 across: U+2260"},
        {"a title character without a code",
         QByteArray(ring(kPuzzle, kSolution, kClues)).replace("Ring", "Ring ✓"),
         Kind::TextCharacter, "cannot hold, in the title: U+2713"},
        {"clues that match no slot",
         ring(
             kPuzzle, kSolution,
             R"({"Across":[[1,"Кот"],[2,"?"],[3,"Ток"]],"Down":[[1,"Кит"],[2,"То"],[4,"?"]],"Diagonal":[[1,"?"]]})"),
         Kind::UnmatchedClues, "match no word of the grid: 2 across, 4 down, Diagonal 1"},
        {"no word", ring(R"([[1,"#",2],["#","#","#"],[3,"#",0]])", {}, R"({})"), Kind::NoWords,
         "has no word"},
        {"a solution cell given as a number",
         ring(kPuzzle, R"([["К","О","Т"],["И","#","О"],["Т",7,"К"]])", kClues), Kind::WrongValue,
         "A value of the wrong kind (a number or object instead of a text) in the cell (column, "
         "row) 2, 3"},
        {"a clue given as a number",
         ring(kPuzzle, kSolution, R"({"Across":[[1,"Кот"],[3,5]],"Down":[[1,"Кит"],[2,"То"]]})"),
         Kind::WrongValue, "instead of a text) in Across 3"},
        {"a clue given as an object under the file's label",
         ring(kPuzzle, kSolution,
              R"({"Across:Horizontal":[{"number":1,"clue":{"t":1}}],"Down":[[1,"Кит"],[2,"То"]]})"),
         Kind::WrongValue, "instead of a text) in Horizontal 1"},
        {"a title given as a number",
         QByteArray(ring(kPuzzle, kSolution, kClues)).replace("\"Ring\"", "12"), Kind::WrongValue,
         "instead of a text) in the title"},
        {"an author given as an object",
         QByteArray(ring(kPuzzle, kSolution, kClues)).replace("\"Tool\"", "{}"), Kind::WrongValue,
         "instead of a text) in the author"},
        {"a NUL in the title",
         QByteArray(ring(kPuzzle, kSolution, kClues)).replace("Ring", "Ri\\u0000ng"),
         Kind::TextCharacter, "in the title: U+0000"},
        {"a control character in a clue",
         ring(kPuzzle, kSolution,
              R"({"Across":[[1,"К\u0007т"],[3,"Ток"]],"Down":[[1,"Кит"],[2,"То"]]})"),
         Kind::TextCharacter, "in 1 across: U+0007"},
        {"a clue with a label that is no number",
         ring(kPuzzle, kSolution,
              R"({"Across":[[1,"Кот"],[3,"Ток"],["x","a"]],"Down":[[1,"Кит"],[2,"То"]]})"),
         Kind::UnmatchedClues, "match no word of the grid: Across x"},
        {"too deep, named with the limit", ring(deep, {}, kClues), Kind::TooDeep,
         "nested deeper than the program reads, in levels: 32"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CrosswordDocument doc = houseCrossword().build();
        const QByteArray before = cfwBytes(doc);
        const ipuz::ReadProblem p = import(c.json, doc);
        EXPECT_EQ(p.kind, c.kind);
        EXPECT_TRUE(ipuz::problemText(english(), p).contains(c.message))
            << ipuz::problemText(english(), p).toStdString();
        EXPECT_EQ(cfwBytes(doc), before);
        EXPECT_EQ(doc.Mode, EditMode::ModeAuthor);
    }
}

// Control characters of a crossword file's texts go out as blanks, markup as text.
TEST(Ipuz, TextsGoOutEscapedWithoutControlCharacters) {
    FilledCrossword house = houseCrossword();
    house.title = QByteArray("<script>\x01]]>&", 13);
    house.clues[cp(u"ТОК")] = QByteArray("a\0b", 3);
    const QByteArray json = ipuz::ipuzBytes(house.build());
    const QJsonObject root = QJsonDocument::fromJson(json).object();
    EXPECT_EQ(root.value(QStringLiteral("title")).toString(),
              QStringLiteral("&lt;script&gt; ]]&gt;&amp;"));
    EXPECT_FALSE(json.contains("\\u0000") || json.contains("\\u0001")) << json.toStdString();
    const CrosswordDocument back = imported(json);
    EXPECT_EQ(back.CrosswordTitle, "<script> ]]>&");
    EXPECT_EQ(back.SlotTexts.at(3, 0, 0), "a b");
}

TEST(Ipuz, AFileTooLargeIsNotParsed) {
    QByteArray huge = ring(kPuzzle, kSolution, kClues);
    huge.insert(1, "\"notes\":\"" + QByteArray(ipuz::kMaxFileBytes, 'x') + "\",");
    CrosswordDocument doc;
    EXPECT_EQ(import(huge, doc).kind, Kind::FileTooLarge);
}

// Texts come back exactly as they were written, blanks included; only markup is read as such.
// Long ones are cut where the crossword file cuts them, decomposed letters composed.
TEST(Ipuz, TextsComeBackAsWrittenCutAndComposed) {
    FilledCrossword house = houseCrossword();
    house.clues[cp(u"ТОК")] = cp(u" two  blanks & <b>not bold</b>, trailing ");
    const CrosswordDocument original = house.build();
    CrosswordDocument back = imported(ipuz::ipuzBytes(original));
    EXPECT_EQ(back.SlotTexts.at(3, 0, 0), cp(u" two  blanks & <b>not bold</b>, trailing "));
    back.CrosswordPassword = original.CrosswordPassword;
    EXPECT_EQ(cfwBytes(back), cfwBytes(original));

    // Another tool's line ends and tabs become blanks, one each.
    const CrosswordDocument lines = imported(ring(
        kPuzzle, kSolution, R"({"Across":[[1,"a\n\tb"],[3,"Ток"]],"Down":[[1,"Кит"],[2,"То"]]})"));
    EXPECT_EQ(lines.SlotTexts.at(1, 0, 0), "a  b");

    const QByteArray longClue = QByteArray(4 * 1024 * 1024, 'x');
    const CrosswordDocument cut = imported(
        ring(kPuzzle, kSolution,
             R"({"Across":[[1,")" + longClue + R"("],[3,"Ток"]],"Down":[[1,"Кит"],[2,"То"]]})",
             R"("notes":")" + QByteArray(40000, 'y') + R"(",)")
            .replace("\"Ring\"", "\"" + QByteArray(40000, 'T') + "<i></i>\""));
    EXPECT_EQ(cut.SlotTexts.at(1, 0, 0), QByteArray(kMaxTextBytes, 'x'));
    EXPECT_EQ(cut.CrosswordTitle, QByteArray(kMaxTextBytes, 'T'));

    const CrosswordDocument composed =
        imported(QByteArray(ring(kPuzzle, kSolution, kClues))
                     .replace("Ring", QStringLiteral(u"Е\u0308ж").toUtf8()));
    EXPECT_EQ(composed.CrosswordTitle, cp(u"Ёж"));
}

} // namespace
