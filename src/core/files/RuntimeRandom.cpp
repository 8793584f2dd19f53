#include "files/RuntimeRandom.h"

#include <bit>

namespace {
constexpr std::uint32_t kMask = 0xFFFFFF;
}

float RuntimeRandom::restart(float seed) {
    const auto bits = std::bit_cast<std::uint32_t>(seed);
    state_ = (bits + (bits >> 24)) & kMask;
    return next();
}

float RuntimeRandom::next() {
    state_ = (state_ * 0x43FD43FDu + 0xC39EC3u) & kMask;
    // 24 bits fit a float's mantissa: the division is exact.
    return static_cast<float>(state_) / 16777216.0f;
}
