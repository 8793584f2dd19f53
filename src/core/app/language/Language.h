#pragma once

#include <QByteArray>

#include <array>

// Texts of our own that the numbered entries 1 to 75 do not have. Language files carry them as
// entries 101 and up; a file without them falls back to built-in English.
enum class OwnText : int {
    GridTooLarge = 101,
    PictureTooLarge = 102,
};

// The user-interface texts of the loaded language file, in Windows-1251.
struct Language {
    static constexpr int kLastEntry = 75;
    static constexpr int kFirstOwn = 101;
    static constexpr int kLastOwn = 199;

    QByteArray name;
    std::array<QByteArray, kLastEntry + 1> entries{}; // index = entry number; 0 unused
    std::array<QByteArray, kLastOwn - kFirstOwn + 1> own{};

    // Entry n, empty outside 1 to 75.
    QByteArray entry(int n) const;
    // Our own text, from the file when it has it, otherwise the built-in English.
    QByteArray ownText(OwnText which) const;
};

QByteArray builtInOwnText(OwnText which);
