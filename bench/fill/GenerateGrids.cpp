// Makes candidate grids for the fill benchmark, the kind an author starts from: 13 × 13 to
// 21 × 21, 16–20 % black cells, symmetric under a half turn, every open cell in an across and a
// down word of three to eight letters, at most one slot in five of three letters, the open cells
// connected. The same seed always gives the same grid, so a set is kept by its seeds and never
// picked by how a fill fares on it.
//
//     clueforge_fill_grids DIR [FIRST_SEED COUNT]    (default: seeds 1 to 32)
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kShortestWord = 3;
// As in the grids authors make (and those of bench/fill/grids): long slots crossing each other
// are rare, and the lists hold few three-letter words to share among many short slots.
constexpr int kLongestWord = 8;
constexpr int kMostShortSlotsPerFive = 1;

struct Grid {
    int n = 0;
    std::vector<char> black; // row by row
    bool at(int x, int y) const { return black[static_cast<std::size_t>(y * n + x)] != 0; }
};

// The length of the open run through (x, y) along one direction.
int runThrough(const Grid& g, int x, int y, int dx, int dy) {
    int length = 1;
    for (int k = 1; x + k * dx < g.n && y + k * dy < g.n && !g.at(x + k * dx, y + k * dy); ++k)
        ++length;
    for (int k = 1; x - k * dx >= 0 && y - k * dy >= 0 && !g.at(x - k * dx, y - k * dy); ++k)
        ++length;
    return length;
}

// Slots of the shortest length and all slots, across and down.
std::pair<int, int> slotCounts(const Grid& g) {
    int shortest = 0;
    int all = 0;
    for (int line = 0; line < g.n; ++line)
        for (const bool across : {true, false}) {
            int run = 0;
            for (int k = 0; k <= g.n; ++k) {
                if (k < g.n && !(across ? g.at(k, line) : g.at(line, k))) {
                    ++run;
                    continue;
                }
                if (run >= 2) {
                    ++all;
                    shortest += run == kShortestWord ? 1 : 0;
                }
                run = 0;
            }
        }
    return {shortest, all};
}

bool acceptable(const Grid& g) {
    int open = 0;
    int first = -1;
    for (int y = 0; y < g.n; ++y)
        for (int x = 0; x < g.n; ++x) {
            if (g.at(x, y))
                continue;
            ++open;
            if (first < 0)
                first = y * g.n + x;
            if (runThrough(g, x, y, 1, 0) < kShortestWord ||
                runThrough(g, x, y, 0, 1) < kShortestWord)
                return false;
        }
    if (first < 0)
        return false;
    std::vector<char> seen(g.black.size(), 0);
    std::vector<int> todo{first};
    seen[static_cast<std::size_t>(first)] = 1;
    int reached = 0;
    while (!todo.empty()) {
        const int c = todo.back();
        todo.pop_back();
        ++reached;
        const int x = c % g.n;
        const int y = c / g.n;
        const int next[4][2] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
        for (const auto& [nx, ny] : next) {
            if (nx < 0 || ny < 0 || nx >= g.n || ny >= g.n || g.at(nx, ny))
                continue;
            const auto at = static_cast<std::size_t>(ny * g.n + nx);
            if (seen[at] == 0) {
                seen[at] = 1;
                todo.push_back(ny * g.n + nx);
            }
        }
    }
    if (reached != open)
        return false;
    const auto [shortest, all] = slotCounts(g);
    return shortest * 5 <= all * kMostShortSlotsPerFive;
}

// Cells of runs longer than the longest word, or else every cell.
std::vector<int> candidates(const Grid& g) {
    std::vector<int> tooLong;
    std::vector<int> all;
    for (int y = 0; y < g.n; ++y)
        for (int x = 0; x < g.n; ++x) {
            if (g.at(x, y))
                continue;
            all.push_back(y * g.n + x);
            if (runThrough(g, x, y, 1, 0) > kLongestWord ||
                runThrough(g, x, y, 0, 1) > kLongestWord)
                tooLong.push_back(y * g.n + x);
        }
    return tooLong.empty() ? all : tooLong;
}

// Black cells in symmetric pairs at random places (first breaking runs longer than the longest
// word), each kept only if the grid stays fully checked and connected, until the share drawn for
// this grid is reached; a dead end starts over from the same random stream.
Grid generate(std::uint64_t seed) {
    std::mt19937_64 rng(seed);
    static constexpr int kSizes[] = {13, 15, 17, 19, 21};
    Grid g;
    g.n = kSizes[seed % 5];
    const int cells = g.n * g.n;
    const double share = std::uniform_real_distribution<double>(0.16, 0.20)(rng);
    const int target = static_cast<int>(share * cells + 0.5);
    for (;;) {
        g.black.assign(static_cast<std::size_t>(cells), 0);
        int blacks = 0;
        bool placed = true;
        while (blacks < target && placed) {
            placed = false;
            std::vector<int> order = candidates(g);
            std::shuffle(order.begin(), order.end(), rng);
            for (const int c : order) {
                const int mirror = cells - 1 - c;
                if (g.black[static_cast<std::size_t>(c)] != 0)
                    continue;
                const int added = c == mirror ? 1 : 2;
                if (blacks + added > target + 1)
                    continue;
                g.black[static_cast<std::size_t>(c)] = 1;
                g.black[static_cast<std::size_t>(mirror)] = 1;
                if (acceptable(g)) {
                    blacks += added;
                    placed = true;
                    break;
                }
                g.black[static_cast<std::size_t>(c)] = 0;
                g.black[static_cast<std::size_t>(mirror)] = 0;
            }
        }
        if (blacks >= target && candidates(g).size() == static_cast<std::size_t>(cells - blacks))
            return g;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: %s DIR [FIRST_SEED COUNT]\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    const std::uint64_t first = argc == 4 ? std::stoull(argv[2]) : 1;
    const std::uint64_t count = argc == 4 ? std::stoull(argv[3]) : 32;
    for (std::uint64_t seed = first; seed < first + count; ++seed) {
        const Grid g = generate(seed);
        char name[64];
        std::snprintf(name, sizeof name, "/gen%02d-%dx%d.txt", static_cast<int>(seed), g.n, g.n);
        std::ofstream out(dir + name);
        for (int y = 0; y < g.n; ++y) {
            for (int x = 0; x < g.n; ++x)
                out << (g.at(x, y) ? '#' : '.');
            out << '\n';
        }
        if (!out) {
            std::fprintf(stderr, "cannot write %s%s\n", dir.c_str(), name);
            return 1;
        }
    }
    return 0;
}
