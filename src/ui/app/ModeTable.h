#pragma once

#include "grid/EditMode.h"

#include <algorithm>
#include <iterator>

// Which panel controls show and which menu items are enabled in each EditMode. The window reads
// this table whenever the mode changes; nothing else decides it.
namespace modetable {

// Panel controls, one bit each.
enum Panel : unsigned {
    kSymmetry = 1u << 0,       // ChSimmetrija
    kCoordinates = 1u << 1,    // lblKoordinaty
    kGridReady = 1u << 2,      // kReshotkaGotova
    kClearGrid = 1u << 3,      // kClearPole
    kWordCount = 1u << 4,      // lblSlov
    kStatistics = 1u << 5,     // lblStatistika
    kAcrossLabel = 1u << 6,    // lblGorizont
    kAcrossClue = 1u << 7,     // lblVopros[0]
    kDownLabel = 1u << 8,      // lblVertikal
    kDownClue = 1u << 9,       // lblVopros[1]
    kAnswerCaption = 1u << 10, // lblVoprosOtvet
    kClueEntry = 1u << 11,     // txtVoprosOtvet; the answer box then sits below it
    kAnswerLabel = 1u << 12,   // lblOtvet
    kAnswerEntry = 1u << 13,   // txtOtvet
};

// Menu items, one bit each.
enum Action : unsigned {
    kSave = 1u << 0,         // FileSave
    kSaveAs = 1u << 1,       // FileSaveAs
    kChange = 1u << 2,       // KrossChange
    kAbout = 1u << 3,        // KrossAbout
    kFoundWord = 1u << 4,    // KrossFoundWord
    kDeleteAnswer = 1u << 5, // KrossDelOtwet: enabled only once an answer is picked
    kCopyWord = 1u << 6,     // KrossCopyWord, KrossPrint, KrossPdf, KrossSvg, KrossIpuz
    kCellSize = 1u << 7,     // OptionsRazmerKF
    kFill = 1u << 8,         // KrossFill, KrossFillAgain, KrossSuggest
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
     kSaving | kAbout | kFoundWord | kCopyWord | kCellSize | kFill},
    {EditMode::ModeSolveNoAnswers, kCounts | kAnswerCaption | kAnswerEntry, kSaving | kCellSize},
    {EditMode::ModeSolve, kCounts | kClues | kAnswerCaption | kAnswerEntry,
     kSaving | kChange | kCellSize},
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
