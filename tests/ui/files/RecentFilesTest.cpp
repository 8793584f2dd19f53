#include "FilesWindow.h"
#include "commands/FileCommands.h"
#include "support/ui/Commands.h"

#include "app/Startup.h"
#include "support/HouseIpuz.h"
#include "support/ui/Commands.h"
#include "support/ui/WindowParts.h"

#include <QAction>
#include <QDir>
#include <QMenu>

namespace {

class RecentFilesMenu : public FilesWindow {
protected:
    // The paths File > Recent files shows, in order, from the visible items.
    static QStringList shown(const MainWindow& f) {
        QStringList out;
        for (int i = 0; i < RecentFiles::kMaxEntries; ++i) {
            const QAction* a = actionNamed(f, QStringLiteral("recentFileAction_%1").arg(i));
            if (!a->isVisible())
                continue;
            const QString prefix = QStringLiteral("&%1 ").arg(i + 1);
            EXPECT_TRUE(a->text().startsWith(prefix)) << a->text().toStdString();
            out.append(QDir::fromNativeSeparators(
                a->text().mid(prefix.size()).replace(QStringLiteral("&&"), QStringLiteral("&"))));
        }
        EXPECT_EQ(out, commandsOf<FileCommands>(f).recentFiles().paths());
        return out;
    }
    QStringList shown() const { return shown(*form); }
    static QMenu* recentMenuOf(const MainWindow& f) {
        return f.findChild<QMenu*>(QStringLiteral("recentMenu"));
    }
    QMenu* recentMenu() const { return recentMenuOf(*form); }

    void saveAnswersAs(const QString& path) {
        fake().paths.push_back(path);
        commandsOf<FileCommands>(*form).saveAs();
    }
};

TEST_F(RecentFilesMenu, OpenedAndSavedFilesComeFirstUpToEight) {
    // Nothing yet: the submenu sits before Exit's separator, disabled.
    const QList<QAction*> items = part::fileMenu(*form)->actions();
    EXPECT_LT(items.indexOf(recentMenu()->menuAction()), items.indexOf(part::fileSeparator(*form)));
    EXPECT_EQ(recentMenu()->title(), u("&Recent files"));
    EXPECT_FALSE(recentMenu()->isEnabled());
    EXPECT_TRUE(shown().isEmpty());

    const QString a = at(u("A & B.cfw")), b = at(u("Дом.cfw")), ipuz = at(u("дом.ipuz"));
    writeCrossword(a, house().build());
    writeCrossword(b, house().build());
    writeFile(ipuz, houseIpuz());
    open(a);
    open(b);
    EXPECT_TRUE(recentMenu()->isEnabled());
    EXPECT_EQ(shown(), (QStringList{b, a}));
    // Saving the solver's answers adds the answers file.
    saveAnswersAs(at(u("Дом.otv")));
    ASSERT_EQ(doc().AnswersPath, at(u("Дом.otv")));
    EXPECT_EQ(shown(), (QStringList{at(u("Дом.otv")), b, a}));
    // An imported ipuz file, then one opened again goes back to the top, once.
    fake().answers.push_back(platform::Answer::No); // the unsaved ipuz import
    open(ipuz);
    open(a);
    EXPECT_EQ(shown(), (QStringList{a, ipuz, at(u("Дом.otv")), b}));
    ASSERT_TRUE(fake().messages.size() <= 1) << lastMessage().toStdString();

    // Ten crosswords: the eight newest stay.
    QStringList expected;
    for (int i = 1; i <= 10; ++i) {
        const QString path = at(QStringLiteral("%1.cfw").arg(i));
        writeCrossword(path, house().build());
        open(path);
        expected.prepend(path);
    }
    EXPECT_EQ(shown(), expected.first(8));

    // The list comes back with the next start in the same folder, and a saved crossword there
    // is added as an opened one.
    AppState again{p.folder.path()};
    FakePlatform fake2;
    std::unique_ptr<MainWindow> second = startUp(again, fake2);
    EXPECT_EQ(shown(*second), expected.first(8));
    EXPECT_TRUE(p.folder.exists(QStringLiteral("Clueforge.recent")));
}

TEST_F(RecentFilesMenu, AnEntryOpensItsFileAsItsMenuCommandWould) {
    const QString crossword = at(u("Дом.cfw")), answers = at(u("Дом.otv"));
    writeCrossword(crossword, house().build());
    open(crossword);
    saveAnswersAs(answers);
    const QString other = at(u("other.cfw"));
    FilledCrossword another = house(1);
    another.title = cp(u"Другой");
    writeCrossword(other, another.build());
    open(other);
    ASSERT_EQ(shown(), (QStringList{other, answers, crossword}));
    ASSERT_EQ(doc().Mode, EditMode::ModeSolveNoAnswers);

    // The answers file brings its crossword back with it.
    actionNamed(*form, "recentFileAction_1")->trigger();
    EXPECT_EQ(doc().CrosswordPath, crossword);
    EXPECT_EQ(doc().AnswersPath, answers);
    EXPECT_EQ(doc().Mode, EditMode::ModeSolve);
    // Both were read: the answers file is the newer.
    EXPECT_EQ(shown(), (QStringList{answers, crossword, other}));

    actionNamed(*form, "recentFileAction_2")->trigger(); // the crossword without answers
    EXPECT_EQ(doc().CrosswordPath, other);
    EXPECT_EQ(doc().Mode, EditMode::ModeSolveNoAnswers);
    EXPECT_TRUE(fake().messages.isEmpty()) << lastMessage().toStdString();
}

TEST_F(RecentFilesMenu, AMissingFileIsReportedAndLeavesTheList) {
    const QString gone = at(u("gone.cfw")), kept = at(u("kept.cfw"));
    writeCrossword(gone, house().build());
    writeCrossword(kept, house(1).build());
    open(gone);
    open(kept);
    doc().Modified = true; // the crossword shown is not put at risk by the failed choice
    ASSERT_TRUE(QFile::remove(gone));

    actionNamed(*form, "recentFileAction_1")->trigger();
    ASSERT_EQ(fake().messages.size(), 1);
    EXPECT_EQ(lastMessage(), u("File ") + QDir::toNativeSeparators(gone) + u(" was not found."));
    EXPECT_EQ(fake().messages.back().icon, platform::Icon::Critical);
    EXPECT_EQ(doc().CrosswordPath, kept);
    EXPECT_TRUE(doc().Modified);
    EXPECT_EQ(shown(), QStringList{kept});
    EXPECT_FALSE(actionNamed(*form, "recentFileAction_1")->isVisible());

    // Gone from the stored list too.
    AppState again{p.folder.path()};
    FakePlatform fake2;
    EXPECT_EQ(shown(*startUp(again, fake2)), QStringList{kept});
}

TEST_F(RecentFilesMenu, AStoredListIsReadAtStartWhateverItHolds) {
    const QString kept = at(u("kept.cfw"));
    writeCrossword(kept, house().build());
    p.folder.write(QStringLiteral("Clueforge.recent"),
                   "relative.cfw\r\n\xff\xfe\r\n" + kept.toUtf8() + "\r\n" + kept.toUtf8() + "\n");
    AppState again{p.folder.path()};
    FakePlatform fake2;
    std::unique_ptr<MainWindow> second = startUp(again, fake2);
    EXPECT_EQ(shown(*second), QStringList{kept});
    actionNamed(*second, "recentFileAction_0")->trigger();
    EXPECT_EQ(again.doc().CrosswordPath, kept);
    EXPECT_TRUE(fake2.messages.isEmpty());
}

TEST_F(RecentFilesMenu, ARefusedEntryWithNothingOpenLeavesNothingToSave) {
    // A damaged crossword, and an answers file whose crossword is damaged.
    const QString crossword = at(u("Дом.cfw")), answers = at(u("Дом.otv"));
    writeCrossword(crossword, house().build());
    open(crossword);
    saveAnswersAs(answers);
    writeFile(crossword, " 0 \r\nT\r\n\r\n\r\n 9999 \r\n 1 \r\n");
    for (const QString& path : {crossword, answers}) {
        AppState again{p.folder.path()};
        FakePlatform fake2;
        std::unique_ptr<MainWindow> second = startUp(again, fake2);
        const QList<QAction*> entries = recentMenuOf(*second)->actions();
        QAction* entry = *std::find_if(entries.begin(), entries.end(), [&](QAction* a) {
            return a->text().endsWith(QDir::toNativeSeparators(path));
        });
        entry->trigger();
        EXPECT_EQ(fake2.messages.size(), 1) << path.toStdString();
        EXPECT_EQ(again.doc().Mode, EditMode::ModeEmpty) << path.toStdString();
        for (const char* name : {"saveAction", "saveAsAction"})
            EXPECT_FALSE(actionNamed(*second, name)->isEnabled()) << name << path.toStdString();
    }
}

} // namespace
