#pragma once

// The program's global mode: what a click, a key or a menu command does.
enum class EditMode : int {
    ModeEmpty = 0,
    // 1 is not used.
    ModeDrawGrid = 2,
    ModeAuthor = 3,
    ModeSolveNoAnswers = 4,
    ModeSolve = 5,
    ModeIncomplete = 6,
    ModeOpenFailed = 7,
    ModeAuthorNoAnswers = 8,
};

constexpr int modeValue(EditMode m) {
    return static_cast<int>(m);
}

// Whether a click on the grid picks or draws a cell: only while drawing, writing or solving.
constexpr bool takesGridClicks(EditMode m) {
    switch (m) {
    case EditMode::ModeDrawGrid:
    case EditMode::ModeAuthor:
    case EditMode::ModeSolveNoAnswers:
    case EditMode::ModeSolve:
        return true;
    default:
        return false;
    }
}
