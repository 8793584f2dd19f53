#include "FilesWindow.h"
#include "commands/FileCommands.h"
#include "support/ui/Commands.h"

#include "support/Crosswords.h"

namespace {

// A file named on the command line opens as its menu command opens it, and a failure leaves
// the program running with the same message the menu command shows.
using CommandLine = FilesWindow;

TEST_F(CommandLine, OpensACrosswordOrAnAnswersFileAsTheirMenuCommands) {
    const QString crossword = at(u("Дом.cfw"));
    writeCrossword(crossword, house().build());
    // 3 down solved, in a file written beside the crossword.
    const QString answers = at(u("progress.OTV"));
    writeFile(answers,
              cp(u"Дом.cfw") + "\r\n" + cp(u"Дом") + "\r\n 0 \r\n 3 \r\n 1 \r\n 3 \r\n 0 \r\n");

    form->openFileFromCommandLine(crossword);
    EXPECT_TRUE(fake().messages.isEmpty());
    EXPECT_EQ(doc().Mode, EditMode::ModeSolve);
    EXPECT_EQ(doc().CrosswordPath, crossword);
    EXPECT_EQ(form->windowTitle(), u("Crossword: \"Дом\" by Иванов"));
    // Like a file chosen in the Open dialog, it moves the dialogs' start.
    EXPECT_EQ(p.state.SamplesFolder, dir.path() + QLatin1Char('/'));

    doc() = CrosswordDocument();
    form->openFileFromCommandLine(answers);
    EXPECT_TRUE(fake().messages.isEmpty());
    EXPECT_EQ(doc().Mode, EditMode::ModeSolve);
    EXPECT_EQ(doc().AnswersPath, answers);
    EXPECT_EQ(doc().SolvedFlags.at(3, 0), 1);
}

TEST_F(CommandLine, AFileThatCannotBeOpenedIsReportedAsByTheMenuAndTheProgramStays) {
    writeFile(at(u("empty.cfw")), QByteArray());
    for (const char* name : {"missing.cfw", "empty.cfw", "missing.otv", "folder.cfw"}) {
        SCOPED_TRACE(name);
        const QString path = at(u(name));
        if (QLatin1String(name) == QLatin1String("folder.cfw"))
            QDir().mkpath(path);
        fake().messages.clear();
        form->openFileFromCommandLine(path);
        ASSERT_EQ(fake().messages.size(), 1);
        const FakePlatform::Message shown = fake().messages[0];

        fake().messages.clear();
        fake().paths.push_back(path);
        if (path.endsWith(QStringLiteral(".otv")))
            commandsOf<FileCommands>(*form).openAnswers();
        else
            commandsOf<FileCommands>(*form).openCrossword();
        ASSERT_EQ(fake().messages.size(), 1);
        EXPECT_EQ(shown.text, fake().messages[0].text);
        EXPECT_EQ(shown.icon, platform::Icon::Critical);
        EXPECT_TRUE(form->isVisible());
    }
}

} // namespace
