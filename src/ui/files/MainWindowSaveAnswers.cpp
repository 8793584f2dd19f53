// Saving the answers file.
#include "app/MainWindow.h"
#include "files/AnswersFile.h"

bool MainWindow::saveAnswersFile(const QString& path) {
    if (!saveAsked(path, state_.doc().AnswersPath,
                   [&] { return state_.session.saveAnswers(path); }))
        return false;
    rememberFile(path);
    return true;
}

void MainWindow::saveAnswersAs() {
    const QString path =
        showFileDialog(true, defaultAnswersName(state_.doc()), state_.language.AnswersFileFilter());
    if (path.isEmpty())
        return;
    saveAnswersFile(withExtensionWhenNoDot(path, QStringLiteral(".otv")));
}
