#pragma once

struct CrosswordDocument;

struct SlotRef {
    int number = 0; // 0 = none
    int direction = 0;
    bool operator==(const SlotRef&) const = default;
};

// The first slot, by number and across before down, that has a word but no answer yet.
// {0, 1} when every slot has an answer.
SlotRef nextUnanswered(const CrosswordDocument& doc);

// What a number typed by the solver selects: its unsolved across and down words, 0 for none.
struct SolverPair {
    int across = 0;
    int down = 0;
    bool operator==(const SolverPair&) const = default;
};
SolverPair solverPairForNumber(const CrosswordDocument& doc, int number);
