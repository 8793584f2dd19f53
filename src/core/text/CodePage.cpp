#include "text/CodePage.h"

#include <array>

namespace cp1251 {
namespace {

constexpr std::array<char16_t, 128> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423,
    0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B,
    0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

// Reverse lookup for U+0080..U+FFFF built once; 0 means "not held" (byte 0 is only U+0000).
struct Reverse {
    std::array<unsigned char, 0x500> cyrillicAndLatin{}; // U+0000..U+04FF
    Reverse() {
        for (int b = 0; b < 0x80; ++b)
            cyrillicAndLatin[b] = static_cast<unsigned char>(b);
        for (int b = 0x80; b < 0x100; ++b) {
            const char16_t u = kHigh[b - 0x80];
            if (u < cyrillicAndLatin.size())
                cyrillicAndLatin[u] = static_cast<unsigned char>(b);
        }
    }
};

const Reverse& reverse() {
    static const Reverse r;
    return r;
}

} // namespace

QChar toUnicode(unsigned char byte) {
    if (byte < 0x80)
        return QChar(static_cast<char16_t>(byte));
    return QChar(kHigh[byte - 0x80]);
}

QString toUnicode(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (char c : bytes)
        out.append(toUnicode(static_cast<unsigned char>(c)));
    return out;
}

int fromUnicode(char16_t ch) {
    if (ch == 0)
        return 0;
    if (ch < reverse().cyrillicAndLatin.size()) {
        const unsigned char b = reverse().cyrillicAndLatin[ch];
        return b ? b : -1;
    }
    if (ch == 0xFFFD)
        return -1;
    for (int b = 0x80; b < 0x100; ++b)
        if (kHigh[b - 0x80] == ch)
            return b;
    return -1;
}

bool canEncode(QStringView text) {
    for (QChar c : text)
        if (fromUnicode(c.unicode()) < 0)
            return false;
    return true;
}

QByteArray fromUnicode(QStringView text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const int b = fromUnicode(c.unicode());
        out.append(static_cast<char>(b < 0 ? '?' : b));
    }
    return out;
}

QByteArray toUpper(const QByteArray& bytes) {
    QByteArray out(bytes);
    for (qsizetype i = 0; i < out.size(); ++i) {
        const QChar c = toUnicode(static_cast<unsigned char>(out[i]));
        const QString up = QString(c).toUpper();
        // A mapping that leaves the code page or grows (ß → SS) keeps the original byte.
        if (up.size() == 1) {
            const int b = fromUnicode(up.at(0).unicode());
            if (b >= 0)
                out[i] = static_cast<char>(b);
        }
    }
    return out;
}

QByteArray toLower(const QByteArray& bytes) {
    QByteArray out(bytes);
    for (qsizetype i = 0; i < out.size(); ++i) {
        const QChar c = toUnicode(static_cast<unsigned char>(out[i]));
        const QChar low = c.toLower();
        const int b = fromUnicode(low.unicode());
        if (b >= 0)
            out[i] = static_cast<char>(b);
    }
    return out;
}

} // namespace cp1251
