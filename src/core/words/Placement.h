#pragma once

#include <QByteArray>

struct CrosswordDocument;

// What placing the author's answer did; the window turns it into a message, a selection and a
// redraw.
struct PlacementOutcome {
    enum class Kind {
        Ignored,  // wrong length, a blank inside, removal of nothing, or no such slot
        Placed,   // the word is in the grid and stored with its clue
        Removed,  // the answer is gone, crossing letters stay
        Conflict, // a letter contradicts a crossing word; nothing changed
    };
    Kind kind = Kind::Ignored;
    int position = 0;           // Conflict: 1-based position of the offending character
    unsigned char crossing = 0; // Conflict: the crossing word's letter
    unsigned char typed = 0;    // Conflict: the typed letter, upper case

    bool changed() const { return kind == Kind::Placed || kind == Kind::Removed; }
};

// Writes `answer` (Windows-1251, any case) into slot n in direction d of an authored crossword,
// with `clue` as typed; an empty answer removes the stored one. Every letter is checked against
// the crossing words before the first is written.
PlacementOutcome PlaceAnswer(CrosswordDocument& doc, int n, int d, const QByteArray& answer,
                             const QByteArray& clue);

// Keeps `clue` as the clue of slot n in direction d of an authored crossword, whether the slot
// has its answer yet or not (the file keeps every slot's clue). An empty clue changes nothing:
// a clue is removed only with its answer. True when the stored clue changed.
bool KeepClue(CrosswordDocument& doc, int n, int d, const QByteArray& clue);

// Whether the delete-answer command has something to delete in the current slot.
bool CanDeleteAnswer(const CrosswordDocument& doc);

// Deletes the answer of the current slot: with its clue while authoring, the solver's own entry
// while solving without answers. A letter shared with a crossing word stays.
void DeleteAnswer(CrosswordDocument& doc);
