#pragma once

#include <QObject>
#include <QPoint>

#include <optional>

class AppState;
class GridView;
class QLabel;
class QStatusBar;

// The window's status bar: the mode, the cell under the pointer (or else the keyboard's
// cursor cell) and the word count, each a permanent label that follows the session and the
// grid view by itself. Others add their own widgets to the same bar.
class StatusBarView : public QObject {
    Q_OBJECT
public:
    StatusBarView(AppState& state, const GridView& grid, QStatusBar& bar);

    // The texts again in the loaded language.
    void retranslate();

    QLabel* modeLabel() const { return mode_; }
    QLabel* cellLabel() const { return cell_; }
    QLabel* wordCountLabel() const { return words_; }

private:
    void showMode();
    void showCell();
    void showWordCount();
    void pointerMoved(int x, int y);

    AppState& state_;
    const GridView& grid_;
    QLabel* mode_ = nullptr;
    QLabel* cell_ = nullptr;
    QLabel* words_ = nullptr;
    // The cell under the pointer while it is over the grid; the cursor's otherwise.
    std::optional<QPoint> pointerCell_;
};
