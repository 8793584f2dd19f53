#pragma once

#include "commands/FileCommands.h"
#include "files/CrosswordFile.h"
#include "grid/GridView.h"
#include "grid/PictureBox.h"
#include "support/Crosswords.h"
#include "support/FilledCrossword.h"
#include "support/ui/Commands.h"
#include "support/ui/RunningProgram.h"
#include "support/ui/WindowParts.h"
#include "text/CodePage.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The started program in English, with a folder of its own for the files the tests save.
class FilesWindow : public testing::Test {
protected:
    RunningProgram p;
    QTemporaryDir dir;
    MainWindow* form = nullptr;

    void SetUp() override {
        p.installLanguage("English.txt");
        p.folder.write(QStringLiteral("Clueforge.ini"),
                       "6.3\r\nEnglish.txt\r\nMS Sans Serif\r\n 10 \r\nTrue\r\nFalse\r\nFalse\r\n"
                       " 0 \r\n 20 \r\n 1 \r\n 0 \r\n");
        form = &p.start();
        ASSERT_TRUE(p.fake.messages.isEmpty());
    }

    CrosswordDocument& doc() { return p.state.session.documentForSetup(); }
    FakePlatform& fake() { return p.fake; }
    QString at(const QString& name) const { return dir.filePath(name); }
    static QString u(const char* utf8) { return QString::fromUtf8(utf8); }
    static QByteArray cp(const char16_t* text) { return cp1251::fromUnicode(QStringView(text)); }

    // The 3 × 3 crossword with a black centre: КОТ and ТОК across, КИТ and ТОК down.
    static FilledCrossword house(int noAnswers = 0) { return houseCrossword(noAnswers); }

    // A crossword being authored in the window, with unsaved changes.
    void author(const CrosswordDocument& crossword) {
        doc() = crossword;
        p.state.session.showForSetup(0);
        part::gridView(*form)->drawGrid();
        form->updateControlsForMode();
        form->showModeTexts();
        doc().Modified = true;
    }

    static void writeCrossword(const QString& path, CrosswordDocument crossword) {
        ASSERT_EQ(WriteCrosswordFile(path, crossword), FileStatus::Ok);
    }

    // The Open command with `path` chosen in its dialog.
    void open(const QString& path) {
        fake().paths.push_back(path);
        commandsOf<FileCommands>(*form).openCrossword();
    }

    static QByteArray readFile(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    static void writeFile(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    // The colour of the second cell of a slot as shown (the first may be shared).
    QColor slotColor(int n, int d) {
        const int c = p.state.settings.CellSize;
        const int x = doc().ShownSlotTable.at(n, 0, d) + (d == 0 ? 1 : 0);
        const int y = doc().ShownSlotTable.at(n, 1, d) + (d == 1 ? 1 : 0);
        return part::gridView(*form)->picture()->pixel(x * c + 5 + 2, y * c + 5 + c - 2);
    }

    QString lastMessage() const {
        return p.fake.messages.isEmpty() ? QString() : p.fake.messages.back().text;
    }
};
