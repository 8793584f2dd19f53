#include "app/RecentFiles.h"

#include <QDir>
#include <QFile>
#include <QIODevice>

namespace {

// File names on Windows ignore case; elsewhere two spellings are two files.
constexpr Qt::CaseSensitivity kPathCase =
#ifdef Q_OS_WIN
    Qt::CaseInsensitive;
#else
    Qt::CaseSensitive;
#endif

bool usablePath(const QString& path) {
    if (path.isEmpty() || !QDir::isAbsolutePath(path))
        return false;
    for (const QChar c : path)
        if (c.category() == QChar::Other_Control || c == QChar::ReplacementCharacter)
            return false;
    return true;
}

} // namespace

void RecentFiles::add(const QString& path) {
    const QString clean = QDir::cleanPath(path);
    remove(clean);
    paths_.prepend(clean);
    while (paths_.size() > kMaxEntries)
        paths_.removeLast();
}

bool RecentFiles::remove(const QString& path) {
    const qsizetype before = paths_.size();
    const QString clean = QDir::cleanPath(path);
    paths_.removeIf([&](const QString& p) { return p.compare(clean, kPathCase) == 0; });
    return paths_.size() != before;
}

void RecentFiles::read(QIODevice& device) {
    paths_.clear();
    QByteArray bytes = device.read(kMaxFileBytes + 1);
    // A line cut by the size limit is not a path.
    if (bytes.size() > kMaxFileBytes)
        bytes.truncate(bytes.lastIndexOf('\n') + 1);
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        const QString path = QDir::cleanPath(QString::fromUtf8(line));
        if (!usablePath(path) || paths_.contains(path, kPathCase))
            continue;
        paths_.append(path);
        if (paths_.size() == kMaxEntries)
            break;
    }
}

bool RecentFiles::write(QIODevice& device) const {
    for (const QString& p : paths_) {
        const QByteArray line = p.toUtf8() + '\n';
        if (device.write(line) != line.size())
            return false;
    }
    return true;
}

void RecentFiles::readFrom(const QString& folder) {
    QFile file(QDir(folder).filePath(QLatin1String(kFileName)));
    if (openForReading(file) == FileStatus::Ok)
        read(file);
    else
        paths_.clear();
}

FileStatus RecentFiles::writeTo(const QString& folder) const {
    QDir().mkpath(folder);
    return saveFileSafely(QDir(folder).filePath(QLatin1String(kFileName)),
                          [this](QIODevice& device) { return write(device); });
}
