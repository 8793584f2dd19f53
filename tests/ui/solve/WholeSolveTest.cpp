#include "SolvingWindow.h"
#include "commands/FileCommands.h"
#include "files/AnswersFile.h"
#include "support/Crosswords.h"
#include "support/ui/Commands.h"
#include "support/ui/WindowParts.h"
#include "text/CodePage.h"

#include <QLabel>

using fixtures::cp;
using namespace Qt::StringLiterals;

namespace {

class WholeSolve : public SolvingWindow {
protected:
    // Clicks a cell of the word until the word is selected for typing.
    void selectByClicking(int x, int y, int n, int d) {
        auto selected = [&] {
            const CrosswordDocument& s = doc();
            if (s.Mode == EditMode::ModeSolve)
                return (d == 0 ? s.CurrentSlot : s.CurrentDownSlot) == n;
            return s.CurrentSlot == n && s.CurrentDirection == d;
        };
        for (int i = 0; i < 2 && !selected(); ++i)
            clickAt(x, y);
        ASSERT_TRUE(selected()) << n << "/" << d;
    }
    struct Move {
        int x, y; // a cell of the word, where the solver clicks
        int n, d;
        QString word;
    };
    void play(const std::vector<Move>& moves) {
        for (const Move& m : moves) {
            selectByClicking(m.x, m.y, m.n, m.d);
            typeLines({m.word});
            ASSERT_EQ(doc().SolvedFlags.at(m.n, m.d), 1) << m.n << "/" << m.d;
        }
    }
    // Every cell's letter, row by row in classic coordinates.
    QByteArrayList grid() const {
        const CrosswordDocument& s = program.state.doc();
        QByteArrayList rows;
        for (int y = 0; y < s.GridHeight; ++y) {
            QByteArray row;
            for (int x = 0; x < s.GridWidth; ++x) {
                const auto [sx, sy] = shown(x, y);
                const int c = s.CellMap.at(sx, sy, 3);
                row += c ? static_cast<char>(c) : '.';
            }
            rows << row;
        }
        return rows;
    }
};

} // namespace

// Everything through the window: open, click, type, save the answers, reopen them, finish.
TEST_F(WholeSolve, SolveSaveReopenAndFinish) {
    const std::vector<Move> firstHalf{
        {3, 0, 1, 0, u"КОТ"_s}, {3, 1, 2, 1, u"ОКО"_s}, {1, 3, 4, 1, u"ПСА"_s}};
    const std::vector<Move> secondHalf{{2, 1, 1, 1, u"КИТ"_s},
                                       {4, 3, 3, 1, u"ТАНК"_s},
                                       {4, 1, 4, 0, u"ПИКА"_s},
                                       {4, 2, 5, 0, u"СТОН"_s}};
    for (const bool withAnswers : {true, false}) {
        SCOPED_TRACE(withAnswers);
        const QString crosswordPath =
            saveCrossword(kGrid, withAnswers ? kAnswers : std::vector<Word>{});
        openCrossword(crosswordPath, 0);
        play(firstHalf);
        const QByteArrayList halfway = grid();
        EXPECT_EQ(halfway.join('|'), cp(u"..КОТ|.П.К.|.С.О.|.А..."));
        EXPECT_EQ(part::wordCountLabel(*form)->text(), u"Words: 4");

        const QString answersPath = program.folder.path() + (withAnswers ? u"Samples/checked.otv"_s
                                                                         : u"Samples/typed.otv"_s);
        fake().paths.push_back(answersPath);
        commandsOf<FileCommands>(*form).save();
        ASSERT_EQ(doc().AnswersPath, answersPath);
        EXPECT_FALSE(doc().Modified);

        // Reopened from the answers file into an empty window: the crossword is read first.
        doc() = CrosswordDocument{};
        form->updateControlsForMode();
        fake().paths.push_back(answersPath);
        commandsOf<FileCommands>(*form).openAnswers();
        ASSERT_EQ(doc().AnswersPath, answersPath);
        EXPECT_EQ(grid(), halfway);
        EXPECT_EQ(doc().SolvedCount, 3);
        EXPECT_EQ(part::wordCountLabel(*form)->text(), u"Words: 4");

        fake().messages.clear();
        play(secondHalf);
        EXPECT_EQ(grid().join('|'), cp(u"..КОТ|.ПИКА|.СТОН|.А..К"));
        EXPECT_EQ(
            messageTexts(),
            QStringList{u"Every word of the crossword is filled in. Well done!\r\nTime: 0:00"_s});
        EXPECT_EQ(part::wordCountLabel(*form)->text(), u"Words: 0");
    }
}
