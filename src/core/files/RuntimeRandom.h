#pragma once

#include <cstdint>

// The runtime's 24-bit random-number generator, reproduced bit for bit: the scrambling tables
// of every crossword file rest on its exact sequence, so files written by other installations
// stay readable.
class RuntimeRandom {
public:
    static constexpr std::uint32_t kInitialState = 0x50000;

    // Restarts the sequence from a negative seed (any seed uses its single-precision bit
    // pattern) and returns the first number of the new sequence.
    float restart(float seed);
    // The next number of the sequence, in [0, 1).
    float next();

    std::uint32_t state() const { return state_; }

private:
    std::uint32_t state_ = kInitialState;
};
