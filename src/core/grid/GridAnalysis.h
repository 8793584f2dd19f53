#pragma once

struct CrosswordDocument;

// Turns the drawn grid (the two-dimensional CellMap: 0 white, anything else black) into
// numbered slots. A slot is a maximal run of at least two white cells across or down; start
// cells are numbered in reading order. On success SlotTable, NumberedCount, WordCount, empty
// SlotTexts [0..N, 0..1, 0..1] and SolvedFlags are set, the selection and SolvedCount are
// reset, Mode becomes ModeAuthor (ModeAuthorNoAnswers when NoAnswers = 1) and Modified true;
// the shown grid is left to buildShownGrid. Returns false, leaving the document untouched,
// when the grid holds no word or is not a drawn grid.
bool analyseGrid(CrosswordDocument& doc);
