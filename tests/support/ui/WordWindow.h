#pragma once

#include "support/PrintQt.h"
#include "support/ui/RunningProgram.h"

#include <QByteArrayList>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

class QLineEdit;

// The started program in English with the grid and the two typing boxes at hand: a crossword
// authored through the window, or written to a crossword file and opened for solving the way
// the open command does it.
class WordWindow : public testing::Test {
public:
    struct Word {
        int n, d;
        const char16_t* answer;
    };

protected:
    RunningProgram program;
    MainWindow* form = nullptr;

    void SetUp() override;

    CrosswordDocument& doc() { return program.state.session.documentForSetup(); }
    FakePlatform& fake() { return program.fake; }

    // Rows of '.' (white) and '#' (black), drawn and declared ready.
    void startAuthoring(const QByteArrayList& rows);
    // The grid with these answers (clue "clue <n>/<d>"), or without answers when `words` is
    // empty, saved as a crossword file and opened for solving in the given style.
    QString saveCrossword(const QByteArrayList& rows, const std::vector<Word>& words);
    void openCrossword(const QString& path, int style);

    // Mouse and keyboard, as the user gives them.
    void clickCell(int x, int y);   // a shown cell
    void type(const QString& text); // key by key into the focused widget
    void pressEnter();
    void paste(QLineEdit* box, const QString& text);
    QString focusedName() const;
    // Opens the Crossword menu and tells whether its delete-answer item is enabled.
    bool deleteAnswerOffered();

    // What the user sees.
    QStringList messageTexts() const;
    bool anythingHighlighted() const;
    bool highlighted(int x, int y) const;   // a shown cell's background is yellow
    QByteArray letters(int n, int d) const; // layer 3 along a shown slot ('.' = none)
};
