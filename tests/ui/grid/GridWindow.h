#pragma once

#include "app/MainWindow.h"
#include "grid/GridView.h"
#include "grid/PictureBox.h"
#include "support/GridPattern.h"
#include "support/LanguageEntries.h"
#include "support/ProgramFolder.h"
#include "support/ui/FakePlatform.h"
#include "support/ui/WindowParts.h"

#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <memory>

// The main window with a few language entries of its own, shown offscreen.
class GridWindow : public testing::Test {
protected:
    static constexpr int C = 20; // the default cell size

    TempProgramFolder folder;
    AppState state{folder.path()};
    FakePlatform fake;
    std::unique_ptr<MainWindow> form;

    void setEntries(std::initializer_list<std::pair<LangEntry, const char*>> texts) {
        for (const auto& [e, text] : texts)
            ::setEntries(state.language, {{e, text}});
    }

    void SetUp() override {
        setEntries({{LangEntry::NoAnswers, "without answers"},
                    {LangEntry::CaptionStart, "Clueforge"},
                    {LangEntry::DrawingGrid, "drawing"},
                    {LangEntry::EnteringWords, "authoring"},
                    {LangEntry::Clue, "Clue:"},
                    {LangEntry::Words, "Words:"},
                    {LangEntry::NoWords, "No words!"},
                    {LangEntry::Cell, "Cell:"}});
        form = std::make_unique<MainWindow>(state, fake);
        form->applyLetterFont();
        form->show();
    }

    PictureBox& pic() { return *part::gridView(*form)->picture(); }
    CrosswordDocument& doc() { return state.session.documentForSetup(); }

    // A new grid in ModeDrawGrid with its black cells painted as a click would.
    void startDrawing(const QByteArrayList& rows, int noAnswers = 0) {
        state.session.documentForSetup() = drawnGrid(rows, noAnswers);
        part::gridView(*form)->drawEmptyField();
        form->updateControlsForMode();
        for (int y = 0; y < doc().GridHeight; ++y)
            for (int x = 0; x < doc().GridWidth; ++x)
                if (doc().CellMap.at(x, y) != 0)
                    pic().fillBox(x * C + 6, y * C + 6, x * C + 4 + C, y * C + 4 + C,
                                  QColor(0, 255, 0));
    }

    // Drawn and declared ready, answering Yes.
    void startAuthoring(const QByteArrayList& rows, int noAnswers = 0) {
        startDrawing(rows, noAnswers);
        fake.answers.push_back(platform::Answer::Yes);
        form->finishGrid();
        ASSERT_GT(doc().NumberedCount, 0);
    }

    void mouse(QEvent::Type type, int x, int y) {
        const QPointF p(x, y);
        const bool release = type == QEvent::MouseButtonRelease;
        QMouseEvent e(type, p, pic().mapToGlobal(p),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      release || type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(&pic(), &e);
    }
    void click(int x, int y) {
        mouse(QEvent::MouseButtonPress, x, y);
        mouse(QEvent::MouseButtonRelease, x, y);
    }
    // A click in the middle of a cell.
    void clickCell(int cx, int cy) { click(cx * C + 5 + C / 2, cy * C + 5 + C / 2); }

    // A pixel inside a cell away from its number (top left) and its letter (right).
    QColor cellColor(int cx, int cy) { return pic().pixel(cx * C + 5 + 2, cy * C + 5 + C - 2); }

    // The number printed in shown cell (cx, cy): the slot whose start it is.
    int numberAt(int cx, int cy) { return doc().CellMap.at(cx, cy, 2); }
};

// A grid of 3-cell words: every fourth row and column is black.
inline QByteArrayList blockPattern(int w, int h) {
    QByteArrayList rows;
    for (int y = 0; y < h; ++y) {
        QByteArray row;
        for (int x = 0; x < w; ++x)
            row += (x % 4 == 3 || y % 4 == 3) ? '#' : '.';
        rows << row;
    }
    return rows;
}
