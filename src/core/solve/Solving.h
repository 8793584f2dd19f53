#pragma once

#include <QByteArray>

struct CrosswordDocument;

// The solver's typed word checked against the stored answers of the selected pair.
struct CheckOutcome {
    bool hit = false;
    int slot = 0;      // the solved word's number
    int direction = 0; // and direction
    int open = 0;      // words still open
    enum class Next {
        None,               // a miss, or no open word found in a whole cycle of numbers
        KeepDownSelected,   // the across word was solved; redraw the selected down word
        KeepAcrossSelected, // the down word was solved; redraw the selected across word
        SelectPair,         // select the open words of number `across` / `down`
        Solved,             // every word is solved
    };
    Next next = Next::None;
    int across = 0; // SelectPair: the across number or 0
    int down = 0;   // SelectPair: the down number or 0
};

// Checks `word` (Windows-1251, any case) against the selected across word first, then the
// selected down word. A hit writes the word into the grid as typed, marks it solved and works
// out the next selection; a miss changes nothing. In the right-to-left style the word is typed
// as it reads on screen and reversed before the comparison.
CheckOutcome CheckSolverAnswer(CrosswordDocument& doc, const QByteArray& word, int shownStyle);

// Hints while solving with answers. The selected pair's word in `direction` given away: solved
// as a right check solves it, marked as revealed and counted. Nothing (no hit) when that word is
// not open.
CheckOutcome RevealSolverWord(CrosswordDocument& doc, int direction, int shownStyle);

// The letter of shown cell (x, y) given away: shown, marked and counted, when an open word passes
// through a cell that shows no letter yet. A word the letter completes is solved as a right check
// solves it (`word`, the last one so solved when both are).
struct HintOutcome {
    bool revealed = false;
    CheckOutcome word; // the word solved by the hint, as a right check tells it
};
HintOutcome RevealSolverLetter(CrosswordDocument& doc, int x, int y, int shownStyle);

// The solver's own word written into the current slot of a crossword without answers.
struct EntryOutcome {
    bool entered = false; // the word is in the grid
    bool conflict = false;
    int position = 0;           // conflict: 1-based position of the offending character
    unsigned char crossing = 0; // conflict: the crossing word's letter
    unsigned char typed = 0;    // conflict: the typed letter, upper case
    int open = 0;               // slots still without an entry
    bool nextFound = false;     // the first open slot from number 1 on
    int nextSlot = 0;
    int nextDirection = 0;
};

// `word` must be as long as the current slot. Checks every letter against the crossing words
// before writing; stores the word in the slot's reading order (reversed in the right-to-left
// style) and counts a slot once, by the letter of its first cell.
EntryOutcome EnterSolverAnswer(CrosswordDocument& doc, const QByteArray& word, int shownStyle);

// The selection after the solver typed slot number v: returns false when nothing changes (v is
// the current slot and has no word in the other direction). Otherwise `previous` gets the slot
// and direction to redraw white and the document the new selection.
struct Selected {
    int slot = 0;
    int direction = 0;
};
bool JumpToNumber(CrosswordDocument& doc, int v, Selected& previous);
