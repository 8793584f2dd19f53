#include "app/MainWindow.h"
#include "words/WordSearchWindow.h"

#include "support/ui/RunningProgram.h"
#include "support/ui/WindowParts.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace Qt::StringLiterals;

TEST(Shortcuts, TheCommandsTakeTheDesktopsKeysEachKeyOnce) {
    RunningProgram p;
    MainWindow& form = p.start();
    const std::pair<const char*, const char*> keys[] = {
        {"newCrosswordAction", "Ctrl+N"}, {"openCrosswordAction", "Ctrl+O"},
        {"saveAction", "Ctrl+S"},         {"saveAsAction", "Ctrl+Shift+S"},
        {"exitAction", "Ctrl+Q"},         {"printAction", "Ctrl+P"},
        {"wordSearchAction", "Ctrl+F"},   {"helpAction", "F1"},
    };
    for (const auto& [name, key] : keys) {
        const auto* a = form.findChild<QAction*>(QLatin1String(name));
        ASSERT_NE(a, nullptr) << name;
        EXPECT_TRUE(a->shortcuts().contains(QKeySequence(QLatin1String(key))))
            << name << ": " << a->shortcut().toString().toStdString();
    }
    // A key bound twice would do neither command.
    std::map<QString, QString> owner;
    for (const QAction* a : form.findChildren<QAction*>())
        for (const QKeySequence& k : a->shortcuts()) {
            const auto [it, added] = owner.emplace(k.toString(), a->objectName());
            EXPECT_TRUE(added) << k.toString().toStdString() << ": " << it->second.toStdString()
                               << " and " << a->objectName().toStdString();
        }
}

TEST(Shortcuts, KeysRunTheirCommands) {
    RunningProgram p;
    MainWindow& form = p.start();
    QApplication::setActiveWindow(&form);
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(p.fake.fileDialogs.size(), 1);
    EXPECT_FALSE(p.fake.fileDialogs.back().save);

    QTest::keyClick(&form, Qt::Key_F1);
    EXPECT_EQ(p.fake.opened.size(), 1);

    // The word search in a mode that offers it.
    p.state.session.documentForSetup().Mode = EditMode::ModeAuthor;
    form.updateControlsForMode();
    QTest::keyClick(&form, Qt::Key_F, Qt::ControlModifier);
    ASSERT_NE(part::findWord(form), nullptr);
    EXPECT_TRUE(part::findWord(form)->isVisible());
    part::findWord(form)->close();
}

} // namespace
