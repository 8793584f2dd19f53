#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// One run of a Clueforge executable, headless, with what it printed and how it ended.
struct ProgramRun {
    int exitCode = -1;
    bool finished = false; // false: it did not end within the time allowed (and was killed)
    QByteArray out;
    QByteArray err;
};

// The environment of a headless run whose home and XDG folders are below `home`; without
// `display` no window system is named at all.
QProcessEnvironment headlessEnvironment(const QString& home, bool display = true);

ProgramRun runProgram(const QString& executable, const QStringList& arguments,
                      const QProcessEnvironment& environment,
                      const QString& workingFolder = QString());
