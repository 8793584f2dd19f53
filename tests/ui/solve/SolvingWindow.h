#pragma once

#include "support/ui/WordWindow.h"

// A 5 × 4 crossword of seven words:
//   ##КОТ     1 across КОТ, 1 down КИТ, 2 down ОКО, 3 down ТАНК,
//   #ПИКА     4 across ПИКА, 4 down ПСА, 5 across СТОН.
//   #СТОН
//   #А##К
inline const QByteArrayList kGrid{"##...", "#....", "#....", "#.##."};
inline const std::vector<WordWindow::Word> kAnswers{
    {1, 0, u"КОТ"},  {1, 1, u"КИТ"}, {2, 1, u"ОКО"}, {3, 1, u"ТАНК"},
    {4, 0, u"ПИКА"}, {4, 1, u"ПСА"}, {5, 0, u"СТОН"}};

class SolvingWindow : public WordWindow {
protected:
    void SetUp() override {
        WordWindow::SetUp();
        // A clock that stands still: the solved message always says "Time: 0:00".
        program.state.session.setSolvingClock([] { return qint64{0}; });
    }
    // Every word typed in turn, each followed by Enter.
    void typeLines(const QStringList& lines) {
        for (const QString& line : lines) {
            type(line);
            pressEnter();
        }
    }
    // A cell given in classic coordinates, in the style the grid is shown in.
    std::pair<int, int> shown(int x, int y) const {
        const CrosswordDocument& d = program.state.doc();
        return program.state.session.shownStyle() == 0
                   ? std::pair(x, y)
                   : std::pair(d.GridWidth - 1 - x, d.GridHeight - 1 - y);
    }
    bool highlightedAt(int x, int y) const {
        const auto [sx, sy] = shown(x, y);
        return highlighted(sx, sy);
    }
    void clickAt(int x, int y) {
        const auto [sx, sy] = shown(x, y);
        clickCell(sx, sy);
    }
};
