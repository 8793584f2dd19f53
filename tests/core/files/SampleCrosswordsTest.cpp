// The sample crosswords that ship in resources/Samples, built here through the program's own
// authoring and writing. The test fails when a committed sample differs from what the writer
// makes of its definition; run it with CLUEFORGE_WRITE_SAMPLES=1 to write them afresh.

#include "files/CrosswordFile.h"
#include "support/FilledCrossword.h"
#include "text/CodePage.h"

#include <QBuffer>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray cp(const char16_t* text) {
    return cp1251::fromUnicode(QStringView(text));
}

struct Sample {
    const char* fileName;
    FilledCrossword crossword;
};

QList<Sample> samples() {
    FilledCrossword russian;
    russian.rows = {cp(u"МОРЕ#"), cp(u"А#Ы##"), cp(u"КОБРА"),
                    cp(u"##А#И"), cp(u"####С"), cp(u"##КОТ")};
    for (const auto& [answer, clue] :
         std::initializer_list<std::pair<const char16_t*, const char16_t*>>{
             {u"МОРЕ", u"Чёрное, Белое или Красное"},
             {u"МАК", u"Красный полевой цветок"},
             {u"РЫБА", u"Живёт в воде и дышит жабрами"},
             {u"КОБРА", u"Ядовитая змея с капюшоном"},
             {u"АИСТ", u"Птица, что вьёт гнездо на крыше"},
             {u"КОТ", u"Мурлыкающий домашний зверь"}})
        russian.clues.insert(cp(answer), cp(clue));
    russian.title = cp(u"Первый кроссворд");
    russian.author = "Clueforge";
    // No password: whoever opens a sample may turn it into an editable crossword.

    FilledCrossword gridOnly;
    gridOnly.rows = {cp(u"СОЛНЦЕ"), cp(u"О##О##"), cp(u"КНИГА#"), cp(u"###А##")};
    gridOnly.title = cp(u"Кроссворд без ответов");
    gridOnly.noAnswers = 1;

    FilledCrossword english;
    english.rows = {"CAT#", "O#E#", "WIND", "###O", "###G"};
    english.clues = {{"CAT", "A pet that purrs"},
                     {"COW", "It gives us milk"},
                     {"TEN", "Two times five"},
                     {"WIND", "Moving air"},
                     {"DOG", "A pet that barks"}};
    english.title = "First Crossword";
    english.author = "Clueforge";

    return {
        {"Sample-ru.cfw", russian}, {"Sample-ru-grid.cfw", gridOnly}, {"Sample-en.cfw", english}};
}

} // namespace

TEST(SampleCrosswords, MatchWhatTheWriterMakesOfThem) {
    const bool rewrite = qEnvironmentVariableIsSet("CLUEFORGE_WRITE_SAMPLES");
    for (const Sample& s : samples()) {
        const CrosswordDocument doc = s.crossword.build();
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(WriteCrosswordFile(buffer, doc));
        QFile file(QStringLiteral(CLUEFORGE_RESOURCES "/Samples/") + QLatin1String(s.fileName));
        if (rewrite) {
            ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << s.fileName;
            file.write(buffer.data());
            continue;
        }
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << s.fileName;
        EXPECT_EQ(file.readAll(), buffer.data()) << s.fileName;
    }
}
