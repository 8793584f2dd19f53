// Handing a file or web address to the desktop's default program.
#include "words/OpenDocument.h"

void OpenDocument(platform::Platform& platform, const QString& programFolder,
                  const QString& target) {
    QString folder = programFolder;
    // The working folder goes without its trailing separator, unless it is a root.
    if (folder.size() > 1 && (folder.endsWith(u'/') || folder.endsWith(u'\\')) &&
        !folder.endsWith(QStringLiteral(":/")) && !folder.endsWith(QStringLiteral(":\\")))
        folder.chop(1);
    platform.openDocument(target, folder);
}
