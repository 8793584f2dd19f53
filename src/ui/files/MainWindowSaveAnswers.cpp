// Saving the answers file.
#include "app/frmForma.h"
#include "files/AnswersFile.h"

bool frmForma::saveAnswersFile(const QString& path) {
    if (!saveAsked(path, state_.doc().AnswersPath,
                   [&] { return state_.session.saveAnswers(path); }))
        return false;
    rememberFile(path);
    return true;
}

void frmForma::SaveAnswersAs() {
    const QString path =
        ShowFileDialog(true, defaultAnswersName(state_.doc()), state_.language.AnswersFileFilter());
    if (path.isEmpty())
        return;
    saveAnswersFile(withExtensionWhenNoDot(path, QStringLiteral(".otv")));
}
