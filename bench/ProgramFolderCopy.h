#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

namespace bench {

// A temporary program folder laid out as the build's bin/: Language/ with the shipped
// language files, empty Data/ and Samples/, and optionally a copy of an executable.
struct ProgramFolderCopy {
    QTemporaryDir dir;

    explicit ProgramFolderCopy(const QString& executable = {}) {
        QDir root(dir.path());
        for (const char* sub : {"Language", "Data", "Samples"})
            root.mkpath(QLatin1String(sub));
        const QDir shipped(QStringLiteral(CLUEFORGE_RESOURCES "/Language"));
        for (const QString& name : shipped.entryList(QDir::Files))
            QFile::copy(shipped.filePath(name), root.filePath(QStringLiteral("Language/") + name));
        if (!executable.isEmpty())
            QFile::copy(executable, root.filePath(QFileInfo(executable).fileName()));
    }
    QString path() const { return dir.path() + QLatin1Char('/'); }
    QString file(const QString& name) const { return dir.filePath(name); }
};

} // namespace bench
