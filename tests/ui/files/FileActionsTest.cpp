#include "FilesWindow.h"

#include "files/PropertiesDialog.h"
#include "files/UnlockDialog.h"
#include "grid/NewCrosswordDialog.h"
#include "support/ui/Commands.h"

#include <QAction>
#include <QMenu>

namespace {

using FileActions = FilesWindow;

QStringList names(const QList<QAction*>& actions) {
    QStringList out;
    for (const QAction* a : actions)
        out.append(a->menu() ? a->menu()->objectName() : a->objectName());
    return out;
}

TEST_F(FileActions, SitInTheirMenusInOrder) {
    EXPECT_EQ(names(form->findChild<QMenu*>(QStringLiteral("fileMenu"))->actions()),
              (QStringList{u("openAnswersAction"), u("saveAction"), u("saveAsAction"),
                           u("recentMenu"), u("fileSeparator"), u("exitAction")}));
    const QStringList crossword =
        names(form->findChild<QMenu*>(QStringLiteral("crosswordMenu"))->actions());
    EXPECT_EQ(crossword.mid(0, 7),
              (QStringList{u("newCrosswordAction"), u("openCrosswordAction"), u("unlockAction"),
                           u("propertiesAction"), u("wordSearchAction"), u("deleteAnswerAction"),
                           u("exportHtmlAction")}));
    EXPECT_EQ(crossword.indexOf(u("fillSeparator")), crossword.size() - 4);
}

TEST_F(FileActions, EachRunsItsCommand) {
    // Triggered by name as the menus trigger them; each shows its first dialog, cancelled.
    const struct {
        const char* action;
        const char* dialog;  // a dialog of its own, or
        bool fileDialogSave; // the Open or Save dialog
        EditMode mode;       // where the command is offered
    } cases[] = {
        {"newCrosswordAction", "NewCrosswordDialog", false, EditMode::ModeAuthor},
        {"propertiesAction", "PropertiesDialog", false, EditMode::ModeAuthor},
        {"unlockAction", "UnlockDialog", false, EditMode::ModeSolve},
        {"openCrosswordAction", nullptr, false, EditMode::ModeAuthor},
        {"openAnswersAction", nullptr, false, EditMode::ModeAuthor},
        {"saveAsAction", nullptr, true, EditMode::ModeAuthor},
    };
    const QString solved = at(u("house.cfw"));
    writeCrossword(solved, house().build());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.action);
        if (c.mode == EditMode::ModeSolve) {
            open(solved);
        } else {
            CrosswordDocument crossword = house().build();
            crossword.CrosswordTitle = "t";
            crossword.CrosswordAuthor = "a";
            crossword.CrosswordPassword = "p";
            author(crossword);
            doc().Modified = false;
        }
        fake().ranDialogs.clear();
        fake().fileDialogs.clear();
        const QLatin1String dialog(c.dialog ? c.dialog : "");
        if (dialog == u"NewCrosswordDialog")
            fake().onDialog<NewCrosswordDialog>([](NewCrosswordDialog& d) { d.reject(); });
        else if (dialog == u"PropertiesDialog")
            fake().onDialog<PropertiesDialog>([](PropertiesDialog& d) { d.reject(); });
        else if (dialog == u"UnlockDialog")
            fake().onDialog<UnlockDialog>([](UnlockDialog& d) { d.reject(); });
        QAction* action = actionNamed(*form, c.action);
        ASSERT_NE(action, nullptr);
        ASSERT_TRUE(action->isEnabled());
        action->trigger();
        if (c.dialog) {
            EXPECT_EQ(fake().ranDialogs, QStringList{QLatin1String(c.dialog)});
        } else {
            ASSERT_EQ(fake().fileDialogs.size(), 1);
            EXPECT_EQ(fake().fileDialogs[0].save, c.fileDialogSave);
        }
        EXPECT_EQ(doc().Mode, c.mode);
        EXPECT_TRUE(fake().messages.isEmpty());
    }
}

TEST_F(FileActions, SaveWhileSolvingWritesTheAnswersFile) {
    const QString path = at(u("house.cfw"));
    writeCrossword(path, house().build());
    open(path);
    ASSERT_EQ(doc().Mode, EditMode::ModeSolve);
    const QByteArray crosswordBytes = readFile(path);
    fake().paths.push_back(at(u("answers")));
    actionNamed(*form, "saveAction")->trigger();
    ASSERT_EQ(fake().fileDialogs.size(), 2);
    EXPECT_TRUE(fake().fileDialogs[1].save);
    EXPECT_TRUE(QFileInfo(at(u("answers.otv"))).isFile());
    EXPECT_EQ(doc().AnswersPath, at(u("answers.otv")));
    EXPECT_EQ(readFile(path), crosswordBytes);
}

} // namespace
