#pragma once

#include "grid/EditMode.h"

#include <algorithm>
#include <iterator>

// Which panel controls show and which menu items are enabled in each EditMode. The window reads
// this table whenever the mode changes; nothing else decides it.
namespace modetable {

// Panel controls, one bit each.
enum Panel : unsigned {
    kSymmetry = 1u << 0,       // symmetryCheck
    kCoordinates = 1u << 1,    // coordinatesLabel
    kGridReady = 1u << 2,      // gridReadyButton
    kClearGrid = 1u << 3,      // clearGridButton
    kWordCount = 1u << 4,      // wordCountLabel
    kStatistics = 1u << 5,     // statisticsLabel
    kAcrossLabel = 1u << 6,    // acrossLabel
    kAcrossClue = 1u << 7,     // clueLabels[0]
    kDownLabel = 1u << 8,      // downLabel
    kDownClue = 1u << 9,       // clueLabels[1]
    kAnswerCaption = 1u << 10, // clueEditLabel
    kClueEntry = 1u << 11,     // clueEdit; the answer box then sits below it
    kAnswerLabel = 1u << 12,   // answerLabel
    kAnswerEntry = 1u << 13,   // answerEdit
};

// Menu items, one bit each.
enum Action : unsigned {
    kSave = 1u << 0,         // saveAction
    kSaveAs = 1u << 1,       // saveAsAction
    kChange = 1u << 2,       // unlockAction
    kAbout = 1u << 3,        // propertiesAction
    kFoundWord = 1u << 4,    // wordSearchAction
    kDeleteAnswer = 1u << 5, // deleteAnswerAction: enabled only once an answer is picked
    kCopyWord = 1u << 6,     // exportHtmlAction, exportIpuzAction, exportWebPageAction
    kCellSize = 1u << 7,     // cellSizeAction
    kFill = 1u << 8,         // fillAction, fillAgainAction, suggestAction
    kHints = 1u << 9,        // revealLetterAction, revealWordAction
    kPaperCopy = 1u << 10,   // printAction, exportPdfAction, exportSvgAction: the questions alone
                             // while solving
};

struct Row {
    EditMode mode;
    unsigned panel;   // Panel bits shown
    unsigned actions; // Action bits enabled
};

inline constexpr unsigned kCounts = kWordCount | kStatistics;
inline constexpr unsigned kClues = kAcrossLabel | kAcrossClue | kDownLabel | kDownClue;
inline constexpr unsigned kSaving = kSave | kSaveAs;

inline constexpr Row kRows[] = {
    {EditMode::ModeEmpty, 0, 0},
    {EditMode::ModeDrawGrid, kSymmetry | kCoordinates | kGridReady | kClearGrid, kCellSize},
    {EditMode::ModeAuthor,
     kCounts | kClues | kAnswerCaption | kClueEntry | kAnswerLabel | kAnswerEntry,
     kSaving | kAbout | kFoundWord | kCopyWord | kPaperCopy | kCellSize | kFill},
    {EditMode::ModeSolveNoAnswers, kCounts | kAnswerCaption | kAnswerEntry,
     kSaving | kCellSize | kPaperCopy},
    {EditMode::ModeSolve, kCounts | kClues | kAnswerCaption | kAnswerEntry,
     kSaving | kChange | kCellSize | kHints | kPaperCopy},
    {EditMode::ModeIncomplete, kCounts, kSaving | kChange | kCellSize},
    {EditMode::ModeOpenFailed, kCounts, kSaving | kCellSize},
    {EditMode::ModeAuthorNoAnswers, kCounts, kSaving | kCellSize},
};

// The row of a mode; every EditMode has one.
constexpr const Row& rowFor(EditMode mode) {
    const auto* it = std::find_if(std::begin(kRows), std::end(kRows),
                                  [mode](const Row& r) { return r.mode == mode; });
    return it != std::end(kRows) ? *it : kRows[0];
}

} // namespace modetable
