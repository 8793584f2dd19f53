// The Save and Save As commands: the crossword file or the answers file, as the mode asks.
#include "app/MainWindow.h"

namespace {

bool lacksProperties(const CrosswordDocument& doc) {
    return doc.CrosswordAuthor.isEmpty() || doc.CrosswordTitle.isEmpty() ||
           doc.CrosswordPassword.isEmpty();
}

} // namespace

void MainWindow::save() {
    saveDocument(false);
}

void MainWindow::saveAs() {
    saveDocument(true);
}

void MainWindow::saveDocument(bool askForName) {
    const CrosswordDocument& doc = state_.doc();
    commitTypedClue();
    switch (doc.Mode) {
    case EditMode::ModeAuthor:
    case EditMode::ModeAuthorNoAnswers:
        // A crossword with answers is not saved without its title, author and password; an
        // imported one comes without a password.
        if (doc.NoAnswers == 0 && lacksProperties(doc)) {
            editProperties();
            if (lacksProperties(doc))
                return;
        }
        if (askForName || doc.CrosswordPath.isEmpty())
            saveCrosswordAs();
        else
            saveCrosswordFile(doc.CrosswordPath);
        break;
    case EditMode::ModeSolveNoAnswers:
    case EditMode::ModeSolve:
        if (askForName || doc.AnswersPath.isEmpty())
            saveAnswersAs();
        else
            saveAnswersFile(doc.AnswersPath);
        break;
    default:
        break;
    }
}
