#pragma once

#include <array>

// The direction of a slot. Its value is the index the slot tables and the files use for it.
enum class Direction : int { Across = 0, Down = 1 };

inline constexpr std::array<Direction, 2> kDirections{Direction::Across, Direction::Down};

// The tables' and the files' index of a direction, and back: anything but 1 reads as across, as
// the files have always been read.
constexpr int directionIndex(Direction d) {
    return static_cast<int>(d);
}
constexpr Direction directionAt(int index) {
    return index == 1 ? Direction::Down : Direction::Across;
}
constexpr Direction opposite(Direction d) {
    return d == Direction::Across ? Direction::Down : Direction::Across;
}
