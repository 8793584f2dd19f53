#include "files/FileCommon.h"

#include "grid/CrosswordDocument.h"
#include "grid/SlotAccess.h"

#include <QFileInfo>

#include <algorithm>

LangEntry fileMessageEntry(FileStatus status) {
    switch (status) {
    case FileStatus::Ok:
        return LangEntry::None;
    case FileStatus::NotFound:
        return LangEntry::NotFound;
    case FileStatus::OpenFailed:
    case FileStatus::Unusable:
        return LangEntry::NotOpened;
    case FileStatus::AccessDenied:
        return LangEntry::AccessDenied;
    case FileStatus::WriteFailed:
        return LangEntry::NotWritten;
    }
    return LangEntry::None;
}

bool overwriteQuestionNeeded(const QString& path, const QString& currentPath) {
    return path != currentPath && QFileInfo(path).isFile();
}

QString fileNameWithoutFolder(const QString& path) {
    const qsizetype cut =
        std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return path.mid(cut + 1);
}

QByteArray fileNameWithoutFolder(const QByteArray& path) {
    const qsizetype cut = std::max(path.lastIndexOf('\\'), path.lastIndexOf('/'));
    return path.mid(cut + 1);
}

QString withExtensionWhenNoDot(const QString& path, const QString& extension, DotIn where) {
    qsizetype from = 0;
    if (where == DotIn::FileName) {
#ifdef Q_OS_WIN
        from = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
#else
        from = path.lastIndexOf(QLatin1Char('/'));
#endif
        from = std::max<qsizetype>(from, 0);
    }
    return path.indexOf(QLatin1Char('.'), from) >= 0 ? path : path + extension;
}

bool hasWord(const CrosswordDocument& doc, int n, int d) {
    return n >= 1 && n <= doc.NumberedCount && slotLength(doc, n, d) >= 1;
}

std::vector<std::pair<int, int>> wordsWhere(const CrosswordDocument& doc,
                                            const std::function<bool(int, int)>& pred) {
    std::vector<std::pair<int, int>> words;
    for (int n = 1; n <= doc.NumberedCount; ++n)
        for (int d = 0; d <= 1; ++d)
            if (pred(n, d))
                words.emplace_back(n, d);
    return words;
}
