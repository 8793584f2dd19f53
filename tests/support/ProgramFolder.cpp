#include "support/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempProgramFolder::TempProgramFolder() {
    QDir root(dir_.path());
    for (const char* sub : {"Language", "Data", "Samples"})
        root.mkpath(QLatin1String(sub));
}

QString TempProgramFolder::path() const {
    return dir_.path() + QLatin1Char('/');
}

void TempProgramFolder::write(const QString& relativePath, const QByteArray& bytes) const {
    const QString full = path() + relativePath;
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile f(full);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

QByteArray TempProgramFolder::read(const QString& relativePath) const {
    QFile f(path() + relativePath);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool TempProgramFolder::exists(const QString& relativePath) const {
    return QFileInfo::exists(path() + relativePath);
}
