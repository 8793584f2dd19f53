#pragma once

#include "app/WrapCheckBox.h"
#include "clues/ClueList.h"
#include "grid/GridView.h"
#include "grid/PictureBox.h"
#include "words/WordSearchWindow.h"

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <array>

// The main window's widgets and actions, found by the object names the window gives them, so
// tests reach them as the language files and accessibility tools do.
namespace part {

template <class T> T* named(const QObject& window, const char* name) {
    return window.findChild<T*>(QLatin1String(name));
}
template <class T, std::size_t N>
std::array<T*, N> numbered(const QObject& window, const char* stem) {
    std::array<T*, N> all{};
    for (std::size_t i = 0; i < N; ++i)
        all[i] = window.findChild<T*>(QStringLiteral("%1_%2").arg(QLatin1String(stem)).arg(i));
    return all;
}

// The entry panel.
inline QPushButton* clearGridButton(const QObject& w) {
    return named<QPushButton>(w, "clearGridButton");
}
inline QPushButton* gridReadyButton(const QObject& w) {
    return named<QPushButton>(w, "gridReadyButton");
}
inline WrapCheckBox* symmetryCheck(const QObject& w) {
    return named<WrapCheckBox>(w, "symmetryCheck");
}
inline QLabel* coordinatesLabel(const QObject& w) {
    return named<QLabel>(w, "coordinatesLabel");
}
inline QLineEdit* answerEdit(const QObject& w) {
    return named<QLineEdit>(w, "answerEdit");
}
inline QLineEdit* clueEdit(const QObject& w) {
    return named<QLineEdit>(w, "clueEdit");
}
inline QLabel* answerLabel(const QObject& w) {
    return named<QLabel>(w, "answerLabel");
}
inline QLabel* clueEditLabel(const QObject& w) {
    return named<QLabel>(w, "clueEditLabel");
}
inline QLabel* acrossLabel(const QObject& w) {
    return named<QLabel>(w, "acrossLabel");
}
inline QLabel* downLabel(const QObject& w) {
    return named<QLabel>(w, "downLabel");
}
inline QLabel* wordCountLabel(const QObject& w) {
    return named<QLabel>(w, "wordCountLabel");
}
inline QLabel* statisticsLabel(const QObject& w) {
    return named<QLabel>(w, "statisticsLabel");
}
// Across, then down.
inline std::array<QLabel*, 2> clueLabels(const QObject& w) {
    return numbered<QLabel, 2>(w, "clueLabels");
}
inline std::array<PictureBox*, 3> digitStrips(const QObject& w) {
    return numbered<PictureBox, 3>(w, "digitStrips");
}

// The grid viewport, the clue list and the word search window.
inline GridView* gridView(const QObject& w) {
    return named<GridView>(w, "gridView");
}
inline QDockWidget* clueDock(const QObject& w) {
    return named<QDockWidget>(w, "clueDock");
}
inline ClueList* clueList(const QObject& w) {
    return named<ClueList>(w, "clueList");
}
// The open one, if any.
inline WordSearchWindow* findWord(const QObject& w) {
    return w.findChild<WordSearchWindow*>();
}

// Menus and the window's own actions.
inline QMenu* fileMenu(const QObject& w) {
    return named<QMenu>(w, "fileMenu");
}
inline QMenu* editMenu(const QObject& w) {
    return named<QMenu>(w, "editMenu");
}
inline QMenu* crosswordMenu(const QObject& w) {
    return named<QMenu>(w, "crosswordMenu");
}
inline QMenu* optionsMenu(const QObject& w) {
    return named<QMenu>(w, "optionsMenu");
}
inline QMenu* helpMenu(const QObject& w) {
    return named<QMenu>(w, "helpMenu");
}
inline QAction* fileSeparator(const QObject& w) {
    return named<QAction>(w, "fileSeparator");
}
inline QAction* exitAction(const QObject& w) {
    return named<QAction>(w, "exitAction");
}
inline QAction* wordSearchAction(const QObject& w) {
    return named<QAction>(w, "wordSearchAction");
}
inline QAction* cellSizeAction(const QObject& w) {
    return named<QAction>(w, "cellSizeAction");
}
inline QAction* languageAction(const QObject& w) {
    return named<QAction>(w, "languageAction");
}
inline QAction* helpAction(const QObject& w) {
    return named<QAction>(w, "helpAction");
}
inline QAction* aboutAction(const QObject& w) {
    return named<QAction>(w, "aboutAction");
}
inline QAction* cluesAction(const QObject& w) {
    return named<QAction>(w, "cluesAction");
}
// The two solving styles.
inline std::array<QAction*, 2> styleActions(const QObject& w) {
    return numbered<QAction, 2>(w, "styleActions");
}

} // namespace part
