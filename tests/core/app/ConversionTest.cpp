#include "app/Conversion.h"

#include <gtest/gtest.h>

TEST(Conversion, TheExtensionChoosesTheFormatInAnyCase) {
    using convert::Format;
    const std::pair<const char*, Format> cases[] = {
        {"a.cfw", Format::Crossword}, {"/x/B.CFW", Format::Crossword},
        {"a.b.ipuz", Format::Ipuz},   {"page.htm", Format::Html},
        {"page.HTML", Format::Html},  {"p.pdf", Format::Pdf},
        {"g.Svg", Format::Svg},       {"a.cfw.bak", Format::Unknown},
        {"cfw", Format::Unknown},     {"folder.cfw/name", Format::Unknown},
        {"a.otv", Format::Unknown},   {"", Format::Unknown},
    };
    for (const auto& [path, format] : cases)
        EXPECT_EQ(convert::formatOf(QString::fromUtf8(path)), format) << path;
}
