#include "ProgramRun.h"

#include <QDir>
#include <QFile>
#include <QProcess>

QProcessEnvironment headlessEnvironment(const QString& home, bool display) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + QStringLiteral("/runtime"));
    env.remove(QStringLiteral("CLUEFORGE_QUIT_AFTER_SHOW"));
    env.remove(QStringLiteral("CLUEFORGE_CLOSE_AFTER_SHOW"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    if (display)
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    else
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    return env;
}

ProgramRun runProgram(const QString& executable, const QStringList& arguments,
                      const QProcessEnvironment& environment, const QString& workingFolder) {
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.start(executable, arguments);
    ProgramRun run;
    // Generous for a loaded machine and a sanitizer build; a run that hangs on a dialog ends.
    run.finished = process.waitForFinished(60000);
    if (!run.finished) {
        process.kill();
        process.waitForFinished();
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QString builtExecutable() {
    return QStringLiteral(CLUEFORGE_EXECUTABLE);
}

ProgramRun runClosedAfterShow(const QString& executable, const QStringList& arguments,
                              const QString& home, const QString& workingFolder) {
    QProcessEnvironment env = headlessEnvironment(home);
    env.insert(QStringLiteral("CLUEFORGE_CLOSE_AFTER_SHOW"), QStringLiteral("1"));
    return runProgram(executable, arguments, env, workingFolder);
}

PortableCopy::PortableCopy() {
    QDir().mkpath(home);
    for (const char* sub : {"Language", "Samples"}) {
        const QString from = QStringLiteral(CLUEFORGE_SOURCE_DIR "/resources/") +
                             QLatin1String(sub) + QLatin1Char('/');
        QDir().mkpath(folder + QLatin1String(sub));
        for (const QString& name : QDir(from).entryList(QDir::Files))
            QFile::copy(from + name, folder + QLatin1String(sub) + QLatin1Char('/') + name);
    }
    QFile::copy(builtExecutable(), executable);
}
