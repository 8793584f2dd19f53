// Opening a crossword file into the window.
#include "app/frmForma.h"
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

void frmForma::openCrosswordFile(const QString& path) {
    const CrosswordSession::OpenOutcome out = state_.session.open(path);
    if (out.read.status != FileStatus::Ok) {
        showFileFailure(out.read.status);
        // The previous crossword stays on screen, but nothing of it can be typed or saved.
        UpdateControlsForMode();
        return;
    }
    rememberFile(path);
    if (out.reducedCellSize > 0)
        NewFont();
    Form_Resize();
    // A crossword that lacks an answer is captioned as one being solved.
    const EditMode mode = state_.doc().Mode;
    ShowModeTexts(mode == EditMode::ModeIncomplete ? EditMode::ModeSolve : mode);
    UpdateControlsForMode();
    drawGrid();
    txtOtvet->setFocus(Qt::OtherFocusReason);
    if (out.reducedCellSize > 0)
        message(state_.ownText(OwnText::CellSizeReduced) + seqtext::strNumber(out.reducedCellSize),
                platform::Icon::Information);
    if (mode == EditMode::ModeIncomplete)
        message(state_.language.entry(LangEntry::IncompleteNeedsPassword),
                platform::Icon::Information);
}

bool frmForma::ChooseAndOpenCrossword() {
    const QString path = ShowFileDialog(false, QString(), openFilter(state_.language));
    if (path.isEmpty())
        return false;
    openNamedFile(withExtensionWhenNoDot(path, QStringLiteral(".cfw")));
    return true;
}

void frmForma::KrossOpen_Click() {
    if (ConfirmDiscardChanges() == 1 || !ChooseAndOpenCrossword())
        return;
    completeIncompleteCrossword();
}

void frmForma::completeIncompleteCrossword() {
    // The author completes the missing answers after the password.
    if (state_.doc().Mode == EditMode::ModeIncomplete)
        KrossChange_Click();
}
