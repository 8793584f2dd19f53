// The Save and Save As commands: the crossword file or the answers file, as the mode asks.
#include "app/frmForma.h"

void frmForma::FileSave_Click() {
    saveDocument(false);
}

void frmForma::FileSaveAs_Click() {
    saveDocument(true);
}

void frmForma::saveDocument(bool askForName) {
    const CrosswordDocument& doc = state_.doc();
    commitTypedClue();
    switch (doc.Mode) {
    case EditMode::ModeAuthor:
    case EditMode::ModeAuthorNoAnswers:
        // A crossword with answers is not saved without its title and author.
        if (doc.NoAnswers == 0 && (doc.CrosswordAuthor.isEmpty() || doc.CrosswordTitle.isEmpty())) {
            KrossAbout_Click();
            if (doc.CrosswordAuthor.isEmpty() || doc.CrosswordTitle.isEmpty())
                return;
        }
        if (askForName || doc.CrosswordPath.isEmpty())
            SaveCrosswordAs();
        else
            saveCrosswordFile(doc.CrosswordPath);
        break;
    case EditMode::ModeSolveNoAnswers:
    case EditMode::ModeSolve:
        if (askForName || doc.AnswersPath.isEmpty())
            SaveAnswersAs();
        else
            saveAnswersFile(doc.AnswersPath);
        break;
    default:
        break;
    }
}
