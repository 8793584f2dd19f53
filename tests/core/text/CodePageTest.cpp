#include "text/CodePage.h"

#include <gtest/gtest.h>

TEST(CodePage, EveryByteRoundTripsThroughUnicode) {
    for (int b = 1; b < 256; ++b) {
        if (b == 0x98) // unassigned in Windows-1251
            continue;
        const QChar c = cp1251::toUnicode(static_cast<unsigned char>(b));
        EXPECT_EQ(cp1251::fromUnicode(c.unicode()), b) << "byte " << b;
    }
}

TEST(CodePage, CyrillicLettersSitWhereWindowsPutsThem) {
    const QString word = QStringLiteral(u"ДОМ ёЁ №");
    const QByteArray bytes = cp1251::fromUnicode(word);
    EXPECT_EQ(bytes, QByteArray("\xC4\xCE\xCC \xB8\xA8 \xB9"));
    EXPECT_EQ(cp1251::toUnicode(bytes), word);
}

TEST(CodePage, CharactersOutsideTheCodePageAreReported) {
    EXPECT_TRUE(cp1251::canEncode(QStringLiteral(u"Кроссворд, 2024!")));
    EXPECT_FALSE(cp1251::canEncode(QStringLiteral(u"日本")));
    EXPECT_FALSE(cp1251::canEncode(QStringLiteral(u"é"))); // Latin-1 but not Windows-1251
    EXPECT_EQ(cp1251::fromUnicode(u"a日b"), QByteArray("a?b"));
}

TEST(CodePage, CaseMappingCoversCyrillic) {
    EXPECT_EQ(cp1251::toUpper(cp1251::fromUnicode(u"ёлка мир abc")),
              cp1251::fromUnicode(u"ЁЛКА МИР ABC"));
    EXPECT_EQ(cp1251::toLower(cp1251::fromUnicode(u"ЁЛКА")), cp1251::fromUnicode(u"ёлка"));
    // Non-letters stay as they are.
    EXPECT_EQ(cp1251::toUpper("1-2?"), QByteArray("1-2?"));
}
