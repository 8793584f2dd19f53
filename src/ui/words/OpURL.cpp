// Handing a file or web address to the desktop's default program.
#include "words/OpURL.h"

#include "app/frmForma.h"

void OpenDocument(frmForma& form, const QString& target) {
    QString folder = form.state().ProgramFolder;
    // The working folder goes without its trailing separator, unless it is a root.
    if (folder.size() > 1 && (folder.endsWith(u'/') || folder.endsWith(u'\\')) &&
        !folder.endsWith(QStringLiteral(":/")) && !folder.endsWith(QStringLiteral(":\\")))
        folder.chop(1);
    form.platformServices().openDocument(target, folder);
}
