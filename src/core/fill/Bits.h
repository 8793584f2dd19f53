#pragma once

// Word bitsets of the fill: one bit per word of a length.
#include <bit>
#include <cstdint>
#include <vector>

namespace fill {

using Bits = std::vector<std::uint64_t>;

inline void setBit(Bits& bits, int i) {
    const auto word = static_cast<std::size_t>(i / 64);
    if (bits.size() <= word)
        bits.resize(word + 1, 0);
    bits[word] |= std::uint64_t{1} << (i % 64);
}

inline int countBitsIn(const Bits& bits) {
    int n = 0;
    for (const std::uint64_t w : bits)
        n += std::popcount(w);
    return n;
}

inline int firstBit(const std::uint64_t* bits, int span) {
    for (int i = 0; i < span; ++i)
        if (bits[i] != 0)
            return i * 64 + std::countr_zero(bits[i]);
    return -1;
}

} // namespace fill
