#include "support/ui/Commands.h"
#include "support/ui/RunningProgram.h"
#include "support/ui/WindowParts.h"
#include "words/WordSearchWindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <set>

namespace {

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The letter a caption marks as its mnemonic, or none.
QChar mnemonic(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return caption[i + 1].toLower();
        ++i;
    }
    return {};
}

// Letters marked twice in one menu (or the menu bar) would make Alt+letter pick only one.
void expectDistinctMnemonics(const QList<QAction*>& actions, const QString& where) {
    std::set<char16_t> seen;
    for (const QAction* a : actions) {
        const QChar m = mnemonic(a->text());
        if (!m.isNull()) {
            EXPECT_TRUE(seen.insert(m.unicode()).second)
                << where.toStdString() << ": " << a->text().toStdString();
        }
    }
}

// Menus show the language file's mnemonics; every text built from the same captions (messages,
// the window caption, dialog titles, the file dialogs' filters) shows the plain words. A file
// without marks works as before.
TEST(Mnemonics, ShownInMenusAndLeftOutOfTexts) {
    const struct {
        const char* file;
        QByteArray oldFile; // written to Language/ when not empty
        const char* fileMenu;
        const char* saveAs;
        const char* fileWord;
        const char* crosswordWord;
    } cases[] = {
        {"English.txt", {}, "&File", "Save &As...", "File", "Crossword"},
        {"Russian.txt", {}, "&Файл", "Сохранить &как...", "Файл", "Кроссворд"},
        {"Old.txt",
         "Old\r\n3 File\r\n6 Save As...\r\n8 Crossword\r\n14 Find Words\r\n50 words\r\n"
         "62 was not found.\r\n",
         "File", "Save As...", "File", "Crossword"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        RunningProgram p;
        p.installLanguage("English.txt");
        p.installLanguage("Russian.txt");
        if (!c.oldFile.isEmpty())
            p.folder.write(QStringLiteral("Language/") + QLatin1String(c.file), c.oldFile);
        MainWindow& f = p.start();
        f.loadLanguage(c.file);
        ASSERT_TRUE(p.fake.messages.isEmpty());
        EXPECT_EQ(part::fileMenu(f)->title(), u(c.fileMenu));
        EXPECT_EQ(actionNamed(f, "saveAsAction")->text(), u(c.saveAs));
        QList<QAction*> bar = f.menuBar()->actions();
        expectDistinctMnemonics(bar, QStringLiteral("menu bar"));
        for (QAction* m : bar)
            if (m->menu())
                expectDistinctMnemonics(m->menu()->actions(), m->text());

        // A crossword missing from its folder: the Open filter, then the failure message.
        p.fake.paths.push_back(p.folder.path() + QStringLiteral("missing.cfw"));
        actionNamed(f, "openCrosswordAction")->trigger();
        ASSERT_EQ(p.fake.fileDialogs.size(), 1);
        EXPECT_TRUE(p.fake.fileDialogs.back().filter.startsWith(u(c.crosswordWord) + u(" (")))
            << p.fake.fileDialogs.back().filter.toStdString();
        ASSERT_EQ(p.fake.messages.size(), 1);
        EXPECT_TRUE(p.fake.messages.back().text.startsWith(u(c.fileWord) + u(" ")))
            << p.fake.messages.back().text.toStdString();

        // The window caption of a crossword being solved.
        f.openFileFromCommandLine(QStringLiteral(CLUEFORGE_RESOURCES "/Samples/Sample-en.cfw"));
        EXPECT_TRUE(f.windowTitle().startsWith(u(c.crosswordWord) + u(": \"")))
            << f.windowTitle().toStdString();

        // The word search window's title.
        p.state.session.documentForSetup().Mode = EditMode::ModeAuthor;
        f.updateControlsForMode();
        part::wordSearchAction(f)->trigger();
        ASSERT_NE(part::findWord(f), nullptr);
        EXPECT_FALSE(part::findWord(f)->windowTitle().contains(QLatin1Char('&')))
            << part::findWord(f)->windowTitle().toStdString();
        part::findWord(f)->close();
    }
}

} // namespace
