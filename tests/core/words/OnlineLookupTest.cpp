#include "words/OnlineLookup.h"
#include "text/CodePage.h"

#include <gtest/gtest.h>

TEST(OnlineLookup, EncodesWindows1251BytesForTheAddress) {
    const struct {
        QByteArray word;
        const char* encoded;
    } cases[] = {
        {cp1251::fromUnicode(u"ДОМ"), "%C4%CE%CC"},
        {"A B", "A+B"},
        {"-", "%2D"},
        {"", ""},
        {"azAZ09", "azAZ09"},
        {cp1251::fromUnicode(u"ёлка"), "%B8%EB%EA%E0"},
        {"%+&?", "%25%2B%26%3F"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(words::encodeLookupWord(c.word), QByteArray(c.encoded)) << c.encoded;
    EXPECT_EQ(words::lookupAddress(""), QLatin1String(words::kLookupAddress));
    EXPECT_EQ(words::lookupAddress(cp1251::fromUnicode(u"ДОМ")),
              QLatin1String(words::kLookupAddress) + QStringLiteral("%C4%CE%CC"));
}
