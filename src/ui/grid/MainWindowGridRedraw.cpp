// Redrawing every slot of the grid, after the history's steps too, and the switch between the
// two grid styles.
#include "app/MainWindow.h"
#include "grid/GridView.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

void MainWindow::chooseStyle(int index) {
    state_.session.setStyle(index);
    // A checkable item unchecks itself when clicked again; the check marks follow ChosenStyle.
    for (int i = 0; i < 2; ++i)
        styleActions[static_cast<std::size_t>(i)]->setChecked(i == index);
}

void MainWindow::showRestoredCrossword() {
    const CrosswordDocument& doc = state_.doc();
    // A grid being drawn had its changed cells repainted as the session told them.
    if (doc.Mode == EditMode::ModeDrawGrid)
        return;
    showModeTexts();
    if (doc.Mode == EditMode::ModeAuthor)
        focusClueBox();
}
