#pragma once

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>
#include <vector>

// A table of one to three dimensions, each indexed from 0 to its upper bound, like the arrays
// of the document model. Every index is checked: reading outside gives the empty value and
// writing outside does nothing, so a bad number from a damaged file can never reach memory
// that is not the table's.
template <typename T> class Table {
public:
    Table() = default;

    // Upper bounds, inclusive: Table<int>::withBounds(W, H, K) holds [0..W, 0..H, 0..K].
    // A table whose cells would exceed kMaxElements is created empty instead.
    static constexpr long long kMaxElements = 1LL << 28;
    static Table withBounds(int a) { return Table(1, {a + 1LL, 1, 1}); }
    static Table withBounds(int a, int b) { return Table(2, {a + 1LL, b + 1LL, 1}); }
    static Table withBounds(int a, int b, int c) { return Table(3, {a + 1LL, b + 1LL, c + 1LL}); }

    int rank() const { return rank_; }
    bool isEmpty() const { return data_.empty(); }
    // The upper bound of dimension dim (0-based), -1 when the table has no such dimension.
    int upperBound(int dim) const {
        return (dim >= 0 && dim < rank_) ? extent_[static_cast<std::size_t>(dim)] - 1 : -1;
    }
    bool contains(int i) const { return rank_ == 1 && inRange(i, j0, k0); }
    bool contains(int i, int j) const { return rank_ == 2 && inRange(i, j, k0); }
    bool contains(int i, int j, int k) const { return rank_ == 3 && inRange(i, j, k); }

    T at(int i) const { return contains(i) ? data_[index(i, 0, 0)] : T(); }
    T at(int i, int j) const { return contains(i, j) ? data_[index(i, j, 0)] : T(); }
    T at(int i, int j, int k) const { return contains(i, j, k) ? data_[index(i, j, k)] : T(); }

    // The same without a copy: a reference to the element, or to an empty value outside.
    const T& ref(int i, int j, int k) const {
        static const T empty{};
        return contains(i, j, k) ? data_[index(i, j, k)] : empty;
    }

    void set(int i, T v) {
        if (contains(i))
            data_[index(i, 0, 0)] = std::move(v);
    }
    void set(int i, int j, T v) {
        if (contains(i, j))
            data_[index(i, j, 0)] = std::move(v);
    }
    void set(int i, int j, int k, T v) {
        if (contains(i, j, k))
            data_[index(i, j, k)] = std::move(v);
    }

    void fill(const T& v) { std::fill(data_.begin(), data_.end(), v); }

    bool operator==(const Table&) const = default;

private:
    static constexpr int j0 = 0;
    static constexpr int k0 = 0;

    Table(int rank, std::array<long long, 3> extent) : rank_(rank) {
        long long total = 1;
        for (long long& e : extent) {
            if (e < 0 || e > kMaxElements)
                e = 0;
            total *= e;
            if (total > kMaxElements)
                total = 0;
        }
        if (total == 0)
            extent = {0, 0, 0};
        for (std::size_t d = 0; d < 3; ++d)
            extent_[d] = static_cast<int>(extent[d]);
        data_.resize(static_cast<std::size_t>(total));
    }
    bool inRange(int i, int j, int k) const {
        return i >= 0 && j >= 0 && k >= 0 && i < extent_[0] && j < extent_[1] && k < extent_[2];
    }
    std::size_t index(int i, int j, int k) const {
        return (static_cast<std::size_t>(i) * static_cast<std::size_t>(extent_[1]) +
                static_cast<std::size_t>(j)) *
                   static_cast<std::size_t>(extent_[2]) +
               static_cast<std::size_t>(k);
    }

    int rank_ = 0;
    std::array<int, 3> extent_{0, 0, 0};
    std::vector<T> data_;
};
