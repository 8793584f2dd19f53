#include "files/ScrambleTables.h"
#include "files/RuntimeRandom.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>

namespace {

// "Разное" and "разное" in Windows-1251.
const QByteArray kMisc("\xD0\xE0\xE7\xED\xEE\xE5");
const QByteArray kMiscLower("\xF0\xE0\xE7\xED\xEE\xE5");

std::int64_t byteSum(const QByteArray& s) {
    std::int64_t sum = 0;
    for (char c : s)
        sum += static_cast<unsigned char>(c);
    return sum;
}

TEST(RuntimeRandom, ReproducesTheRuntimeSequence) {
    EXPECT_EQ(std::bit_cast<std::uint32_t>(-20731.0f), 0xC6A1F600u);
    RuntimeRandom rnd;
    EXPECT_EQ(rnd.state(), RuntimeRandom::kInitialState);
    EXPECT_FLOAT_EQ(rnd.restart(-20731.0f), 0.095007956f);
    EXPECT_EQ(rnd.state(), 0x185271u);

    const float draws[] = {0.0533971786f, 0.829535663f, 0.484701753f, 0.755958855f, 0.669421434f};
    const int codes[] = {43, 217, 140, 201, 181};
    for (int i = 0; i < 5; ++i) {
        const float r = rnd.next();
        EXPECT_FLOAT_EQ(r, draws[i]) << i;
        EXPECT_EQ(static_cast<int>(std::floor(r * 224.0f)) + 32, codes[i]) << i;
    }
}

TEST(RuntimeRandom, RestartingWithTheSameSeedRepeatsTheSequence) {
    RuntimeRandom a;
    RuntimeRandom b;
    a.next();
    a.restart(-12345.0f);
    b.restart(-12345.0f);
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(a.next(), b.next());
}

TEST(ScrambleTables, EmptyTitleGivesTheTablesOfTheBaseSeed) {
    EXPECT_EQ(scrambleSeed(""), -20731);
    const ScrambleTables t = BuildScrambleTables("");
    const int expected[] = {43, 217, 140, 201, 181, 129, 157, 57,
                            55, 223, 116, 180, 187, 176, 165, 144};
    for (int j = 32; j < 48; ++j)
        EXPECT_EQ(t.UnscrambleTable[static_cast<std::size_t>(j)], expected[j - 32]) << j;
}

TEST(ScrambleTables, AreInversePermutationsOfTheUpperCodes) {
    for (const QByteArray& title : {QByteArray(), QByteArray("\xCA\xF0\xEE\xF1\xF1"), kMisc}) {
        const ScrambleTables t = BuildScrambleTables(title);
        std::array<bool, 256> seen{};
        for (int c = 0; c < 256; ++c) {
            const int s = t.ScrambleTable[static_cast<std::size_t>(c)];
            if (c < 32) {
                EXPECT_EQ(s, 0);
                EXPECT_EQ(t.UnscrambleTable[static_cast<std::size_t>(c)], 0);
                continue;
            }
            ASSERT_GE(s, 32);
            ASSERT_LE(s, 255);
            EXPECT_FALSE(seen[static_cast<std::size_t>(s)]);
            seen[static_cast<std::size_t>(s)] = true;
            EXPECT_EQ(t.UnscrambleTable[static_cast<std::size_t>(s)], c);
        }
    }
}

TEST(ScrambleTables, FollowTheTitle) {
    const QByteArray title("\xCA\xF0\xEE\xF1\xF1\xE2\xEE\xF0\xE4 1"); // "Кроссворд 1"
    EXPECT_EQ(BuildScrambleTables(title), BuildScrambleTables(title));
    QByteArray other = title;
    other[0] = '\xCB';
    EXPECT_NE(BuildScrambleTables(title), BuildScrambleTables(other));
    QByteArray swapped = title;
    std::swap(swapped[1], swapped[2]); // the same byte sum: the seed alone does not tell them apart
    EXPECT_EQ(scrambleSeed(swapped), scrambleSeed(title));
}

TEST(ScrambleTables, MiscellanyTitlesShiftTheSeed) {
    struct Case {
        QByteArray title;
        bool shifted;
    };
    const Case cases[] = {
        {kMisc + " 3", true},        {kMisc + " 12", true},   {kMisc + "  9", true},
        {kMisc + " 2", false},       {kMisc, false},          {kMiscLower + " 3", false},
        {"X" + kMisc + " 3", false}, {kMisc + " 2.5", false}, {kMisc + "x3", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(scrambleSeed(c.title), -20731 - byteSum(c.title) - (c.shifted ? 1 : 0))
            << c.title.toHex().constData();
}

TEST(ScrambleText, KeepsLengthAndRoundTripsUpperCodes) {
    const ScrambleTables t = BuildScrambleTables("\xC7\xE0\xE3\xE0\xE4\xEA\xE0");
    QByteArray all;
    for (int c = 32; c < 256; ++c)
        all.append(static_cast<char>(c));
    const QByteArray scrambled = ScrambleText(t, all);
    EXPECT_EQ(scrambled.size(), all.size());
    EXPECT_NE(scrambled, all);
    for (char c : scrambled)
        EXPECT_GE(static_cast<unsigned char>(c), 32);
    EXPECT_EQ(UnscrambleText(t, scrambled), all);
    EXPECT_EQ(ScrambleText(t, ""), QByteArray());
}

TEST(ScrambleText, ControlCodesBecomeZero) {
    const ScrambleTables t = BuildScrambleTables("T");
    const QByteArray text("A\tB\x01", 4);
    const QByteArray back = UnscrambleText(t, ScrambleText(t, text));
    EXPECT_EQ(back, QByteArray("A\0B\0", 4));
    EXPECT_EQ(ScrambleText(t, text).at(1), '\0');
}

} // namespace

// A title cut when read gives the seed of the whole title from what was cut away, wherever the
// cut lies and however the rest came in pieces.
TEST(ScrambleTables, ATitleCutWhenReadKeepsTheSeedOfTheWholeTitle) {
    for (const QByteArray& title :
         {QByteArray("\xCA\xF0\xEE\xF1\xF1\xE2\xEE\xF0\xE4 12"), kMisc + " 7", kMisc + " 17"}) {
        for (qsizetype cut = 6; cut <= title.size(); ++cut) {
            for (qsizetype piece : {1, 2, 5}) {
                TitleRemainder rest;
                for (qsizetype i = cut; i < title.size(); i += piece)
                    rest.add(
                        QByteArrayView(title).sliced(i).first(std::min(piece, title.size() - i)));
                EXPECT_EQ(scrambleSeed(title.left(cut), rest), scrambleSeed(title))
                    << title.constData() << " cut at " << cut << " in pieces of " << piece;
            }
        }
    }
}
