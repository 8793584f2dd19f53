#pragma once

#include "grid/CrosswordDocument.h"

// The crosswords the benchmarks measure, from fixed seeds so that every run measures the same.
namespace bench {

// A crossword-like drawn grid of side × side: about one cell in six black (blackShare before
// the mirroring), mirrored through the centre as authors draw them. ModeDrawGrid, not analysed.
CrosswordDocument drawnPattern(int side, double blackShare = 1.0 / 6.0);

// The same grid analysed (ModeAuthor), every slot holding its answer (the letters of one
// filled-in grid, so crossing words agree) and, when withClues, a clue of some forty letters;
// titled and with author and password as the properties dialog sets them.
CrosswordDocument answeredPattern(int side, bool withClues = true);

// The same with clues as printed lists show them: Russian words, 30 to 60 characters each.
CrosswordDocument cluedPattern(int side);

} // namespace bench
