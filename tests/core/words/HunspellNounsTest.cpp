#include "words/HunspellNouns.h"
#include "text/CodePage.h"
#include "words/WordList.h"

#include "support/ProgramFolder.h"

#include <QBuffer>

#include <gtest/gtest.h>

using namespace words;

namespace {

// Stems as Debian's ru_RU.dic lists them, with their affix classes.
const char16_t kDic[] = u"19\n"
                        u"кот/K\n"
                        u"кит/K\n"
                        u"Москва/H\n"      // proper name
                        u"красный/AES\n"   // adjective
                        u"делать/BLMP\n"   // verb
                        u"звезды/O\n"      // plural
                        u"волчий/O\n"      // possessive adjective
                        u"чесучой/H\n"     // a case form filed under a noun class
                        u"ёлка/I\n"        // Ё is written Е
                        u"елка/I\n"        // and the two become one
                        u"запас/KL\n"      // noun and verb alike
                        u"сон\n"           // no classes: mostly inflected forms
                        u"ЧП\n"            // abbreviation
                        u"жук/K\tst:жук\n" // a morphological field after the classes
                        u"кот-бегемот/K\n" // hyphenated
                        u"ум/K\r\n"
                        u"я/K\n" // too short
                        u"дом/N\n"
                        u"зверобой/J\n";

std::map<int, QList<QByteArray>> nouns() {
    QByteArray data = QString::fromUtf16(kDic).toUtf8();
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return nounsFromHunspell(buffer);
}

QList<QByteArray> cpList(std::initializer_list<const char16_t*> texts) {
    QList<QByteArray> out;
    for (const char16_t* t : texts)
        out.append(cp1251::fromUnicode(QStringView(t)));
    return out;
}

} // namespace

TEST(HunspellNouns, KeepsCommonNounsInTheNominativeSingular) {
    const std::map<int, QList<QByteArray>> expected = {
        {2, cpList({u"УМ"})},       {3, cpList({u"ДОМ", u"ЖУК", u"КИТ", u"КОТ"})},
        {4, cpList({u"ЕЛКА"})},     {5, cpList({u"ЗАПАС"})},
        {8, cpList({u"ЗВЕРОБОЙ"})},
    };
    EXPECT_EQ(nouns(), expected);
}

TEST(HunspellNouns, ListsWrittenFromTheDictionaryAreFoundBySearch) {
    TempProgramFolder folder;
    for (const auto& [length, list] : nouns()) {
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(writeWordList(buffer, length, list));
        folder.write(QStringLiteral("Data/%1.dat").arg(length), data);
    }
    WordListCache cache;
    EXPECT_EQ(findWords(cache, folder.path(), cp1251::fromUnicode(u"К??")).toList(),
              cpList({u"КИТ", u"КОТ"}));
    EXPECT_EQ(findWords(cache, folder.path(), cp1251::fromUnicode(u"???")).count(), 4);
    EXPECT_EQ(findWords(cache, folder.path(), cp1251::fromUnicode(u"е??а")).toList(),
              cpList({u"ЕЛКА"}));
}
