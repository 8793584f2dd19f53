#include "app/frmForma.h"
#include "files/AnswersFile.h"

bool frmForma::WriteAnswersFile(const QString& path) {
    if (!confirmOverwrite(path, state_.doc.AnswersPath))
        return false;
    const FileStatus status = ::WriteAnswersFile(path, state_.doc);
    if (status != FileStatus::Ok) {
        showFileFailure(status);
        return false;
    }
    return true;
}

void frmForma::SaveAnswersAs() {
    const QString path =
        ShowFileDialog(true, defaultAnswersName(state_.doc), state_.language.AnswersFileFilter());
    if (path.isEmpty())
        return;
    WriteAnswersFile(withExtensionWhenNoDot(path, QStringLiteral(".otv")));
}
