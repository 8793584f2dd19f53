#include "app/frmForma.h"
#include "files/CrosswordFile.h"
#include "text/CodePage.h"

#include <QDir>

bool frmForma::confirmOverwrite(const QString& path, const QString& ownPath) {
    if (!overwriteQuestionNeeded(path, ownPath))
        return true;
    const QByteArray question = fileMenuText(cp1251::fromUnicode(QDir::toNativeSeparators(path)) +
                                             state_.language.OverwriteQuestion());
    return message(question, platform::Icon::Warning, platform::Buttons::YesNo,
                   platform::Answer::No) == platform::Answer::Yes;
}

bool frmForma::WriteCrosswordFile(const QString& path) {
    if (!confirmOverwrite(path, state_.doc.CrosswordPath))
        return false;
    const FileStatus status = ::WriteCrosswordFile(path, state_.doc);
    if (status != FileStatus::Ok) {
        showFileFailure(status);
        return false;
    }
    return true;
}

void frmForma::SaveCrosswordAs() {
    const CrosswordDocument& doc = state_.doc;
    // A crossword never saved offers its title.
    const QString name = fileNameWithoutFolder(
        doc.CrosswordPath.isEmpty() ? cp1251::toUnicode(doc.CrosswordTitle) : doc.CrosswordPath);
    const QString path = ShowFileDialog(true, name, state_.language.KrossFileFilter());
    if (path.isEmpty())
        return;
    WriteCrosswordFile(withExtensionWhenNoDot(path, QStringLiteral(".cfw")));
}
