// Opening a crossword file into the window.
#include "app/MainWindow.h"
#include "files/CrosswordFile.h"
#include "text/SequentialText.h"

#include <QLineEdit>

namespace {

// The crossword files the program opens, its own and ipuz ones, then each kind alone.
QByteArray openFilter(const Language& lang) {
    const QByteArray crosswords = lang.caption(LangEntry::CrosswordMenu);
    return QByteArrayList{
        crosswords + " (*.cfw; *.ipuz)", "*.cfw;*.ipuz", crosswords + " (*.cfw)", "*.cfw",
        "ipuz crossword (*.ipuz)",       "*.ipuz",       "All Files (*.*)",       "*.*"}
        .join(char(0));
}

} // namespace

bool MainWindow::openCrosswordFile(const QString& path) {
    const bool nothingShown = state_.session.mode() == EditMode::ModeEmpty;
    const CrosswordSession::OpenOutcome out = state_.session.open(path);
    if (out.read.status != FileStatus::Ok) {
        showFileFailure(out.read.status);
        // The previous crossword stays on screen, but nothing of it can be typed or saved;
        // without one the window stays empty, with nothing to save.
        if (nothingShown)
            state_.session.abandonFailedOpen();
        updateControlsForMode();
        return false;
    }
    rememberFile(path);
    if (out.reducedCellSize > 0)
        applyLetterFont();
    relayout();
    // A crossword that lacks an answer is captioned as one being solved.
    const EditMode mode = state_.doc().Mode;
    showModeTexts(mode == EditMode::ModeIncomplete ? EditMode::ModeSolve : mode);
    updateControlsForMode();
    drawGrid();
    answerEdit->setFocus(Qt::OtherFocusReason);
    if (out.reducedCellSize > 0)
        message(state_.ownText(OwnText::CellSizeReduced) + seqtext::strNumber(out.reducedCellSize),
                platform::Icon::Information);
    if (mode == EditMode::ModeIncomplete)
        message(state_.language.entry(LangEntry::IncompleteNeedsPassword),
                platform::Icon::Information);
    return true;
}

bool MainWindow::chooseAndOpenCrossword() {
    const QString path = showFileDialog(false, QString(), openFilter(state_.language));
    if (path.isEmpty())
        return false;
    openNamedFile(withExtensionWhenNoDot(path, QStringLiteral(".cfw")));
    return true;
}

void MainWindow::openCrossword() {
    if (confirmDiscardChanges() == Discard::Abandon || !chooseAndOpenCrossword())
        return;
    completeIncompleteCrossword();
}

void MainWindow::completeIncompleteCrossword() {
    // The author completes the missing answers after the password.
    if (state_.doc().Mode == EditMode::ModeIncomplete)
        unlock();
}
