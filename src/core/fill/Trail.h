#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace fill {

// What a search narrows on its way, in two flat arrays whose old values go on a trail, so that
// a failed choice is undone by unwinding to a mark and memory does not grow with the depth.
class Trail {
public:
    struct Mark {
        std::size_t w = 0;
        std::size_t i = 0;
    };

    std::vector<std::uint64_t> w;
    std::vector<int> i;

    void setW(std::size_t at, std::uint64_t v) {
        if (w[at] != v) {
            if (recording_)
                trailW_.emplace_back(at, w[at]);
            w[at] = v;
        }
    }
    void setI(std::size_t at, int v) {
        if (i[at] != v) {
            if (recording_)
                trailI_.emplace_back(at, i[at]);
            i[at] = v;
        }
    }
    // Changes made while not recording cannot be undone: for what no search goes back behind.
    void record(bool on) { recording_ = on; }
    Mark mark() const { return {trailW_.size(), trailI_.size()}; }
    void undo(Mark m) {
        while (trailW_.size() > m.w) {
            w[trailW_.back().first] = trailW_.back().second;
            trailW_.pop_back();
        }
        while (trailI_.size() > m.i) {
            i[trailI_.back().first] = trailI_.back().second;
            trailI_.pop_back();
        }
    }

private:
    std::vector<std::pair<std::size_t, std::uint64_t>> trailW_;
    std::vector<std::pair<std::size_t, int>> trailI_;
    bool recording_ = true;
};

} // namespace fill
