#pragma once

#include "words/SlotSelection.h"

#include <QListWidget>

#include <vector>

class AppState;

// Every slot of the crossword as "N. clue" under the across and down headings, the selected
// slot (the solver's pair) highlighted and the solved ones marked. It follows the session's
// signals; choosing a row only asks for the slot, which the window then selects.
class ClueList : public QListWidget {
    Q_OBJECT
public:
    explicit ClueList(const AppState& state, QWidget* parent = nullptr);

    // Headings, texts and names again, after a language was loaded.
    void retranslate();
    // The row of a slot, -1 when it has none.
    int rowOf(const SlotRef& slot) const;
    // The slot of a row; number 0 for a heading.
    SlotRef slotAt(int row) const;

signals:
    // A row was clicked, or the keys moved to it (byKeyboard: the list keeps the focus).
    void slotChosen(int number, int direction, bool byKeyboard);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The rows the crossword has: a heading (number 0) and then its slots, across and down.
    static std::vector<SlotRef> rowsOf(const CrosswordDocument& doc);
    void rebuild();
    void rebuildAll(std::vector<SlotRef> rows);
    void followMode();
    void refreshTexts();
    void refreshRow(int number, int direction);
    // What a slot's row shows: "N. clue", and for a solved one a tick, a paler colour and the
    // word "solved" in its accessible text.
    struct RowLook {
        QString text;
        QVariant foreground;
        QVariant accessibleText;
    };
    RowLook rowLook(int row) const;
    void showRow(int row);
    QColor solvedColour() const;
    void showSelection();
    void choose(QListWidgetItem* item, bool byKeyboard);

    const AppState& state_;
    std::vector<SlotRef> rows_; // one per row; number 0 for the headings
    bool shownSolving_ = false; // whether the rows show the solved marks
    int scrolledTo_ = -1;       // the row last scrolled into sight, while the rows stand
};
