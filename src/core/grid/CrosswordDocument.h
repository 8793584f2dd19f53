#pragma once

#include "files/ScrambleTables.h"
#include "grid/EditMode.h"
#include "grid/Table.h"

#include <QByteArray>
#include <QString>

// What the solver has been given away and the time he has taken: kept with his answers.
struct SolvingAids {
    Table<int> RevealedWords; // [0..N, 0..1]: 1 where a hint gave the whole word
    // [0..W, 0..H] in the classic orientation: 1 where a hint gave the cell's letter.
    Table<int> RevealedCells;
    int LettersRevealed = 0; // hints used, counted as given (an undone hint still counts)
    int WordsRevealed = 0;
    qint64 ElapsedMs = 0; // as of the last save or load; the session's timer runs on from it
};

// The one crossword the program holds. Texts are Windows-1251 bytes; paths are file-system
// paths. The tables keep the shapes the rest of the program expects: slot numbers run from 1
// (row 0 holds nothing) and every per-cell table has one spare column and one spare row.
struct CrosswordDocument {
    int GridWidth = 0;
    int GridHeight = 0;
    // [0..W, 0..H] while drawing (0 white, 1 black); [0..W, 0..H, 0..K] once slots exist.
    Table<int> CellMap;
    int NumberedCount = 0;
    int WordCount = 0;
    Table<int> SlotTable;      // [0..N, 0..2, 0..1]: start column, start row, length
    Table<int> ShownSlotTable; // the same in shown coordinates
    // [0..N, 0..1, 0..1] = [number, clue/answer, direction], or [0..N, 0..1] = [number,
    // direction] holding the solver's words of a crossword without answers.
    Table<QByteArray> SlotTexts;
    Table<int> SolvedFlags; // [0..N, 0..1]
    int SolvedCount = 0;
    QByteArray CrosswordTitle;
    QByteArray CrosswordAuthor;
    QByteArray CrosswordPassword; // held scrambled
    // Always those of CrosswordTitle: whoever sets the title rebuilds them (a crossword read
    // without answers keeps the previous ones, as it holds nothing scrambled).
    ScrambleTables Scramble = BuildScrambleTables({});
    int NoAnswers = 0;
    QString CrosswordPath;
    QString AnswersPath;
    bool Modified = false;

    // The selection, kept beside the document.
    int CurrentSlot = 0;
    int CurrentDirection = 0;
    int CurrentDownSlot = 0;

    EditMode Mode = EditMode::ModeEmpty;

    SolvingAids Aids;

    // Starts a new all-white grid in ModeDrawGrid, as OK in the new-crossword dialog does.
    void startNewGrid(int width, int height, const QByteArray& title, int noAnswers);
};
