#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary program folder with Language/, Data/ and Samples/, for whole-window tests.
class TempProgramFolder {
public:
    TempProgramFolder();
    QString path() const; // with a trailing separator
    // Writes bytes to a file below the folder, creating its folders.
    void write(const QString& relativePath, const QByteArray& bytes) const;
    QByteArray read(const QString& relativePath) const;
    bool exists(const QString& relativePath) const;

private:
    QTemporaryDir dir_;
};
