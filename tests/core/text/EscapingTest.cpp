#include "text/Escaping.h"

#include <gtest/gtest.h>

// Every format blanks control characters; the Unicode ones blank C1 and the line separators
// too, while Windows-1251 bytes 0x80 to 0x9F are letters and signs and stay.
TEST(Escaping, EachFormatTakesMarkupAndControlsItsOwnWay) {
    const struct {
        const char16_t* text;
        const char* xml;
        const char16_t* ipuz;
        const char16_t* plain;
    } cases[] = {
        {u"a < b & \"c\" 'd'", "a &lt; b &amp; &quot;c&quot; &#39;d&#39;",
         u"a &lt; b &amp; \"c\" 'd'", u"a < b & \"c\" 'd'"},
        {u"t\tx\x01\x7f|\u0080\u0085\u009f|\u2028\u2029|\u00a0", "t x  |   |  |\u00a0",
         u"t x  |   |  |\u00a0", u"t x  |   |  |\u00a0"},
        {u"Ёж — «ёлка» 😀", "Ёж — «ёлка» 😀", u"Ёж — «ёлка» 😀", u"Ёж — «ёлка» 😀"},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(escape::xml(text), QByteArray(c.xml)) << c.xml;
        EXPECT_EQ(escape::ipuz(text), QString::fromUtf16(c.ipuz)) << c.xml;
        EXPECT_EQ(escape::withoutControls(text), QString::fromUtf16(c.plain)) << c.xml;
    }
}

TEST(Escaping, WindowsCyrillicBytesAboveTheControlsStay) {
    // 0x80 Ђ, 0x85 ellipsis, 0x96 en dash, 0x98 (unassigned), 0x9F џ.
    const QByteArray signs("\x80\x85\x96\x98\x9f", 5);
    EXPECT_EQ(escape::html(signs), signs);
    EXPECT_EQ(escape::html(QByteArray("\0a<b\x01\x7f\"", 7)), QByteArray(" a&lt;b  &quot;"));
}
