#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

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

// The executable the build made in its program folder.
QString builtExecutable();

// Runs with CLUEFORGE_CLOSE_AFTER_SHOW=1: the window closes as a user closes it once painted.
ProgramRun runClosedAfterShow(const QString& executable, const QStringList& arguments,
                              const QString& home, const QString& workingFolder);

// A portable program folder: a copy of the executable with the shipped Language/ and
// Samples/ beside it, and a home of its own.
struct PortableCopy {
    QTemporaryDir dir;
    QString home = dir.filePath(QStringLiteral("home"));
    QString folder = dir.filePath(QStringLiteral("program/"));
    QString executable = folder + QStringLiteral("clueforge");

    PortableCopy();
    ProgramRun closedAfterShow(const QStringList& arguments) const {
        return runClosedAfterShow(executable, arguments, home, folder);
    }
};
