#include "FilesWindow.h"
#include "commands/FileCommands.h"
#include "support/ui/Commands.h"

#include "solve/Solving.h"
#include "support/FileSizeLimit.h"
#include "support/SameCrossword.h"

#include <QDialog>
#include <QTimer>

namespace {

// Counts the dialogs shown while it lives and closes each at once.
class DialogWatch : public QObject {
public:
    DialogWatch() { qApp->installEventFilter(this); }
    ~DialogWatch() override { qApp->removeEventFilter(this); }
    int shown = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (auto* dialog = qobject_cast<QDialog*>(watched)) {
                ++shown;
                QTimer::singleShot(0, dialog, &QDialog::reject);
            }
        return false;
    }
};

enum class Work { Authoring, Solving };

struct Command {
    const char* name;
    void (*run)(MainWindow&);
};

const Command kCommands[] = {
    {"close", [](MainWindow& f) { f.close(); }},
    {"newCrosswordAction", [](MainWindow& f) { commandsOf<FileCommands>(f).newCrossword(); }},
    {"openCrosswordAction", [](MainWindow& f) { commandsOf<FileCommands>(f).openCrossword(); }},
    {"unlockAction", [](MainWindow& f) { commandsOf<FileCommands>(f).unlock(); }},
    {"openAnswersAction", [](MainWindow& f) { commandsOf<FileCommands>(f).openAnswers(); }},
};

class DiscardQuestion : public FilesWindow,
                        public testing::WithParamInterface<std::tuple<Work, int>> {
protected:
    // Unsaved work that was saved once before, to `saved`.
    void startWork(Work work) {
        if (work == Work::Authoring) {
            saved = at(u("saved.cfw"));
            author(house().build());
            fake().paths.push_back(saved);
            commandsOf<FileCommands>(*form).save();
            ASSERT_EQ(doc().CrosswordPath, saved);
            doc().SlotTexts.set(1, 0, 0, cp(u"Другая подсказка"));
        } else {
            writeCrossword(at(u("Дом.cfw")), house().build());
            open(at(u("Дом.cfw")));
            ASSERT_TRUE(CheckSolverAnswer(doc(), cp(u"кот"), 0).hit);
            saved = at(u("saved.otv"));
            fake().paths.push_back(saved);
            commandsOf<FileCommands>(*form).save();
            ASSERT_EQ(doc().AnswersPath, saved);
            doc().CurrentSlot = 0;
            doc().CurrentDownSlot = 2;
            ASSERT_TRUE(CheckSolverAnswer(doc(), cp(u"ток"), 0).hit);
        }
        doc().Modified = true;
        ASSERT_TRUE(fake().messages.isEmpty());
    }

    QString saved;
};

// Yes to the question, then the save fails: the command is abandoned and nothing is lost.
TEST_P(DiscardQuestion, FailedSaveAfterYesKeepsTheWork) {
    const auto [work, commandIndex] = GetParam();
    const Command& command = kCommands[commandIndex];
    SCOPED_TRACE(command.name);
    startWork(work);
    const QByteArray previous = readFile(saved);
    const QByteArray ini = p.folder.read(QStringLiteral("Clueforge.ini"));
    const CrosswordDocument before = doc();
    const qsizetype fileDialogs = fake().fileDialogs.size();
    fake().answers = {platform::Answer::Yes};

    DialogWatch dialogs;
    {
        const FileSizeLimit limit(16);
        ASSERT_TRUE(limit.active());
        command.run(*form);
    }

    ASSERT_EQ(fake().messages.size(), 2);
    EXPECT_EQ(fake().messages[0].buttons, platform::Buttons::YesNoCancel);
    EXPECT_EQ(fake().messages[1].text, u("File could not be written."));
    EXPECT_EQ(fake().messages[1].icon, platform::Icon::Critical);
    EXPECT_EQ(dialogs.shown, 0);
    EXPECT_TRUE(fake().ranDialogs.isEmpty());
    EXPECT_EQ(fake().fileDialogs.size(), fileDialogs);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(p.folder.read(QStringLiteral("Clueforge.ini")), ini);
    EXPECT_EQ(readFile(saved), previous);

    expectSameCrossword(doc(), before);
    EXPECT_EQ(doc().Mode, before.Mode);
    EXPECT_EQ(doc().SolvedFlags, before.SolvedFlags);
    EXPECT_EQ(doc().CrosswordPath, before.CrosswordPath);
    EXPECT_EQ(doc().AnswersPath, before.AnswersPath);
    EXPECT_TRUE(doc().Modified);
}

INSTANTIATE_TEST_SUITE_P(Commands, DiscardQuestion,
                         testing::Combine(testing::Values(Work::Authoring, Work::Solving),
                                          testing::Range(0, int(std::size(kCommands)))));

} // namespace
