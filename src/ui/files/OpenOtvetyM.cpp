// Opening an answers file with the crossword it belongs to.
#include "app/frmForma.h"
#include "files/AnswersFile.h"
#include "text/CodePage.h"
#include "text/SequentialText.h"

#include <QLabel>

namespace {

// Whether the window holds a crossword that an answers file can be applied to.
bool holdsCrossword(EditMode mode) {
    return mode != EditMode::ModeEmpty && mode != EditMode::ModeDrawGrid;
}

} // namespace

void frmForma::FileOpenOtvet_Click() {
    if (ConfirmDiscardChanges() == 0)
        OpenAnswersFile();
}

void frmForma::OpenAnswersFile() {
    const QString path = ShowFileDialog(false, QString(), state_.language.AnswersFileFilter());
    if (!path.isEmpty())
        OpenAnswersFile(withExtensionWhenNoDot(path, QStringLiteral(".otv")));
}

void frmForma::OpenAnswersFile(const QString& path) {
    AnswersFileContent content;
    if (const FileStatus status = ::ReadAnswersFile(path, content); status != FileStatus::Ok) {
        showFileFailure(status);
        return;
    }

    CrosswordDocument& doc = state_.doc;
    const bool sameCrossword =
        holdsCrossword(doc.Mode) && content.CrosswordTitle == doc.CrosswordTitle;
    if (!sameCrossword) {
        openCrosswordFile(crosswordPathBesideAnswers(path, content.CrosswordFileName));
        if (doc.Mode == EditMode::ModeOpenFailed) {
            doc.Mode = EditMode::ModeEmpty;
            setCaptionBytes(state_.MessageTitle);
            UpdateControlsForMode();
            return;
        }
    }
    // A file of the other kind (with / without answers) would turn the crossword into
    // something it is not.
    if (const FileStatus status = ApplyAnswers(content, path, doc); status != FileStatus::Ok) {
        showFileFailure(status);
        return;
    }
    if (sameCrossword) {
        doc.Mode = doc.NoAnswers == 0 ? EditMode::ModeSolve : EditMode::ModeSolveNoAnswers;
        // Solving shows the chosen style, also when the author's crossword turns into this.
        state_.ShownStyle = state_.settings.ChosenStyle;
        UpdateControlsForMode();
    }

    const std::optional<std::pair<int, int>> unsolved = firstUnsolvedWord(doc);
    if (doc.Mode == EditMode::ModeSolveNoAnswers) {
        // Its one selected slot is drawn with the grid.
        doc.CurrentSlot = unsolved ? unsolved->first : 0;
        doc.CurrentDirection = unsolved ? unsolved->second : 0;
    }
    buildAndDrawGrid();
    const int left = doc.WordCount - doc.SolvedCount;
    lblSlov->setText(
        cp1251::toUnicode(state_.language.entry(LangEntry::Words) + seqtext::strNumber(left)));

    // Counted by the marks themselves: a damaged file's word count cannot end the solving.
    if (!unsolved) {
        if (doc.Mode == EditMode::ModeSolve) {
            doc.Mode = EditMode::ModeEmpty;
            UpdateControlsForMode();
        }
        message(state_.language.entry(LangEntry::AllSolved), platform::Icon::Information);
    } else if (doc.Mode != EditMode::ModeSolveNoAnswers) {
        SelectByNumber(unsolved->first);
    }
}
