// Makes candidate grids for the fill benchmark, the kind an author starts from: 13 × 13 to
// 21 × 21, 16–20 % black cells, symmetric under a half turn, every open cell in an across and a
// down word of three to eight letters, the open cells connected, and slots of each length about
// as often as in the grids authors make (those of bench/fill/grids). The same seed always gives
// the same grid, so a set is kept by its seeds and never picked by how a fill fares on it.
//
//     clueforge_fill_grids DIR [FIRST_SEED COUNT]    (default: seeds 1 to 32)
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kShortestWord = 3;
constexpr int kLongestWord = 8;
// Per length from 3 to 8: the share of slots in the classic grids of bench/fill/grids (176
// slots of 11 × 11 to 15 × 15). Black cells placed anywhere at random give long slots crossing
// each other three times as often (a fifth of all slots of 7 or 8 letters, against 8 % there).
constexpr std::array<double, kLongestWord + 1> kShare = {0,     0,     0,     0.176, 0.330,
                                                         0.210, 0.205, 0.034, 0.045};
// How far a grid's shares may lie from those (the sum of the differences). Each classic grid
// lies 0.21 to 0.38 from their mean: a generated one varies less than they do, not more.
constexpr double kMostDistance = 0.20;
// Black cells tried for each one placed, the one leaving the nearest shares kept.
constexpr int kTriedPerPlacement = 24;

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

// Slots per length up to kLongestWord, across and down; index 0 counts the longer runs.
std::array<int, kLongestWord + 1> slotLengths(const Grid& g) {
    std::array<int, kLongestWord + 1> out{};
    for (int line = 0; line < g.n; ++line)
        for (const bool across : {true, false}) {
            int run = 0;
            for (int k = 0; k <= g.n; ++k) {
                if (k < g.n && !(across ? g.at(k, line) : g.at(line, k))) {
                    ++run;
                    continue;
                }
                if (run >= 2)
                    ++out[static_cast<std::size_t>(run <= kLongestWord ? run : 0)];
                run = 0;
            }
        }
    return out;
}

// How far the shares of slots by length lie from kShare; a run longer than the longest word
// counts twice as far, so that the black cells break those first.
double distance(const Grid& g) {
    const auto lengths = slotLengths(g);
    int slots = 0;
    for (const int n : lengths)
        slots += n;
    if (slots == 0)
        return 2;
    double d = 2.0 * lengths[0] / slots;
    for (int length = 2; length <= kLongestWord; ++length)
        d += std::abs(lengths[static_cast<std::size_t>(length)] / static_cast<double>(slots) -
                      kShare[static_cast<std::size_t>(length)]);
    return d;
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
    return reached == open;
}

// Cells of runs longer than the longest word, or else every open cell.
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

// The cells a black piece covers from its first cell: one cell, or a bar of two or three
// across or down, as authors set them; empty where the bar leaves the grid.
std::vector<int> piece(const Grid& g, int c, int shape) {
    const int length = shape == 0 ? 1 : (shape + 1) / 2 + 1; // 1, 2, 2, 3, 3
    const bool across = shape % 2 == 1;
    const int x = c % g.n;
    const int y = c / g.n;
    if ((across ? x : y) + length > g.n)
        return {};
    std::vector<int> out;
    for (int k = 0; k < length; ++k)
        out.push_back(across ? c + k : c + k * g.n);
    return out;
}

// Black pieces, each with its mirror image: of a few drawn at random (first over runs longer
// than the longest word), the one whose slots lie nearest the classic shares, as long as the
// grid stays fully checked and connected, until the share of black drawn for this grid is
// reached and no run is too long; a grid whose slots end too far from those shares starts over
// from the same random stream.
Grid generate(std::uint64_t seed) {
    std::mt19937_64 rng(seed);
    static constexpr int kSizes[] = {13, 15, 17, 19, 21};
    static constexpr int kShapes = 5;
    Grid g;
    g.n = kSizes[seed % 5];
    const int cells = g.n * g.n;
    const double share = std::uniform_real_distribution<double>(0.16, 0.20)(rng);
    const int target = static_cast<int>(share * cells + 0.5);
    // Runs still longer than the longest word may take black cells up to a fifth of the grid.
    const int most = cells / 5;
    const auto paint = [&](const std::vector<int>& cellsOfPiece, char value) {
        int added = 0;
        for (const int c : cellsOfPiece)
            for (const int at : {c, cells - 1 - c}) {
                added += g.black[static_cast<std::size_t>(at)] != value ? 1 : 0;
                g.black[static_cast<std::size_t>(at)] = value;
            }
        return added;
    };
    for (;;) {
        g.black.assign(static_cast<std::size_t>(cells), 0);
        int blacks = 0;
        bool placed = true;
        while ((blacks < target || slotLengths(g)[0] > 0) && placed) {
            placed = false;
            const int limit = slotLengths(g)[0] > 0 ? most : target + 1;
            std::vector<int> best;
            double bestDistance = 0;
            // Single cells first; bars only where no single cell will do.
            for (int pass = 0; pass < 2 && best.empty(); ++pass) {
                std::vector<std::pair<int, int>> order; // (first cell, shape)
                for (const int c : candidates(g))
                    for (int shape = pass; shape < (pass == 0 ? 1 : kShapes); ++shape)
                        order.emplace_back(c, shape);
                std::shuffle(order.begin(), order.end(), rng);
                int tried = 0;
                for (const auto& [c, shape] : order) {
                    const std::vector<int> cellsOfPiece = piece(g, c, shape);
                    if (cellsOfPiece.empty() ||
                        std::any_of(cellsOfPiece.begin(), cellsOfPiece.end(),
                                    [&](int at) { return g.black[static_cast<std::size_t>(at)]; }))
                        continue;
                    const std::vector<char> before = g.black;
                    const int added = paint(cellsOfPiece, 1);
                    if (blacks + added <= limit && acceptable(g)) {
                        const double d = distance(g);
                        if (best.empty() || d < bestDistance) {
                            best = cellsOfPiece;
                            bestDistance = d;
                        }
                        ++tried;
                    }
                    g.black = before;
                    if (tried == kTriedPerPlacement)
                        break;
                }
            }
            if (!best.empty()) {
                blacks += paint(best, 1);
                placed = true;
            }
        }
        if (blacks >= target && slotLengths(g)[0] == 0 && distance(g) <= kMostDistance)
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
