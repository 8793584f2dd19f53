// Opening a crossword file into the window.
#include "app/frmForma.h"
#include "files/CrosswordFile.h"
#include "grid/GridLimits.h"
#include "text/SequentialText.h"

#include <QLineEdit>

namespace {

// A crossword too large for the chosen cell size is shown at the largest one that fits, which
// becomes the chosen one; 0 when the cell size stays.
int fitCellSize(AppState& state) {
    const CrosswordDocument& doc = state.doc;
    int& size = state.settings.CellSize;
    const int fitting = gridlimits::largestFittingCellSize(doc.GridWidth, doc.GridHeight, size);
    if (fitting == size)
        return 0;
    size = fitting;
    return fitting;
}

} // namespace

void frmForma::openCrosswordFile(const QString& path) {
    CrosswordDocument& doc = state_.doc;
    const CrosswordReadResult result = ReadCrosswordFile(path, doc);
    if (result.status != FileStatus::Ok) {
        showFileFailure(result.status);
        // The previous crossword stays on screen, but nothing of it can be typed or saved.
        UpdateControlsForMode();
        return;
    }
    const int reducedCellSize = fitCellSize(state_);
    if (reducedCellSize > 0)
        NewFont();
    Form_Resize();
    // A crossword that lacks an answer is captioned as one being solved.
    const EditMode mode = doc.Mode;
    if (mode == EditMode::ModeIncomplete)
        doc.Mode = EditMode::ModeSolve;
    ShowModeTexts();
    doc.Mode = mode;

    state_.ShownStyle = state_.settings.ChosenStyle;
    if (mode == EditMode::ModeSolveNoAnswers) {
        // The solver's words, and number 1 selected before the grid is drawn, so that no
        // text or selection of the previous crossword shows through.
        doc.SlotTexts = Table<QByteArray>::withBounds(doc.NumberedCount, 1);
        doc.CurrentSlot = doc.NumberedCount >= 1 ? 1 : 0;
        doc.CurrentDirection = doc.SlotTable.at(1, 2, 0) == 0 ? 1 : 0;
    }
    UpdateControlsForMode();
    buildAndDrawGrid();
    txtOtvet->setFocus(Qt::OtherFocusReason);
    if (reducedCellSize > 0)
        message(state_.ownText(OwnText::CellSizeReduced) + seqtext::strNumber(reducedCellSize),
                platform::Icon::Information);
    if (mode == EditMode::ModeIncomplete)
        message(state_.language.entry(LangEntry::IncompleteNeedsPassword),
                platform::Icon::Information);
}

bool frmForma::ChooseAndOpenCrossword() {
    const QString path = ShowFileDialog(false, QString(), state_.language.KrossFileFilter());
    if (path.isEmpty())
        return false;
    openCrosswordFile(withExtensionWhenNoDot(path, QStringLiteral(".cfw")));
    return true;
}

void frmForma::KrossOpen_Click() {
    if (ConfirmDiscardChanges() == 1 || !ChooseAndOpenCrossword())
        return;
    completeIncompleteCrossword();
}

void frmForma::completeIncompleteCrossword() {
    // The author completes the missing answers after the password.
    if (state_.doc.Mode == EditMode::ModeIncomplete)
        KrossChange_Click();
}
