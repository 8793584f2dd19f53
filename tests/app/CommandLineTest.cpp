#include "ProgramRun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(CommandLine, HelpAndVersionNeedNoDisplay) {
    QTemporaryDir home;
    const QProcessEnvironment env = headlessEnvironment(home.path(), false);
    const ProgramRun version = runProgram(builtExecutable(), {QStringLiteral("--version")}, env);
    EXPECT_EQ(version.exitCode, 0) << version.err.constData();
    EXPECT_EQ(version.out, "Clueforge 6.3\n");
    const ProgramRun help = runProgram(builtExecutable(), {QStringLiteral("--help")}, env);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("[file]")) << help.out.constData();
    EXPECT_TRUE(help.out.contains("--version"));
}

TEST(CommandLine, UnknownOptionsAndSecondFilesAreRefused) {
    PortableCopy copy;
    for (const QStringList& args :
         {QStringList{QStringLiteral("--bogus")},
          QStringList{QStringLiteral("a.cfw"), QStringLiteral("b.cfw")},
          QStringList{QStringLiteral("--password"), QStringLiteral("x"), QStringLiteral("a.cfw")},
          QStringList{QStringLiteral("--answers")}}) {
        const ProgramRun run = copy.closedAfterShow(args);
        EXPECT_EQ(run.exitCode, 1) << args.join(u' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(copy.folder + QStringLiteral("Clueforge.ini")));
}

TEST(CommandLine, OpensTheNamedCrosswordAndKeepsThePortableSettingsBesideTheExecutable) {
    PortableCopy copy;
    // Named relative to the current folder, as a shell passes it.
    const ProgramRun run = copy.closedAfterShow({QStringLiteral("Samples/Sample-ru.cfw")});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(
        run.out,
        QStringLiteral(u"closing: Кроссворд: \"Первый кроссворд\" Автор: Clueforge\n").toUtf8());
    EXPECT_TRUE(QFile::exists(copy.folder + QStringLiteral("Clueforge.ini")));
    EXPECT_FALSE(QFile::exists(copy.home + QStringLiteral("/.config/Clueforge")));
}

TEST(CommandLine, AFileThatCannotBeOpenedIsReportedWithTheProgramRunning) {
    PortableCopy copy;
    const ProgramRun run = copy.closedAfterShow({QStringLiteral("missing.cfw")});
    ASSERT_TRUE(run.finished);
    // The run's hook ends a run that shows a dialog; the window was up behind it.
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(run.err.contains(QStringLiteral(u"a dialog was shown: Файл не найден.").toUtf8()))
        << run.err.constData();
}
