#include "FileFixtures.h"

#include "text/CodePage.h"

#include <gtest/gtest.h>

QByteArray cp(QStringView text) {
    return cp1251::fromUnicode(text);
}

CrosswordDocument sampleCrossword(bool withAnswers) {
    CrosswordDocument doc;
    doc.GridWidth = 4;
    doc.GridHeight = 3;
    doc.NumberedCount = 3;
    doc.WordCount = 4;
    doc.NoAnswers = withAnswers ? 0 : 1;
    doc.CrosswordTitle = cp(u"Кроссворд «Дом»");
    doc.Scramble = BuildScrambleTables(doc.CrosswordTitle);
    doc.SlotTable = Table<int>::withBounds(3, 2, 1);
    doc.SlotTexts = Table<QByteArray>::withBounds(3, 1, 1);
    struct Word {
        int n, d, x, y;
        const char16_t* clue;
        const char16_t* answer;
    };
    const Word words[] = {
        {1, 0, 0, 0, u"Домашний зверь", u"КОТ"},
        {1, 1, 0, 0, u"Морской великан, \"синий\"", u"КИТ"},
        {2, 1, 2, 0, u"Электрический ...", u"ТОК"},
        {3, 0, 0, 2, u"То же, что 2", u"ТОК"},
    };
    for (const Word& w : words) {
        doc.SlotTable.set(w.n, 0, w.d, w.x);
        doc.SlotTable.set(w.n, 1, w.d, w.y);
        doc.SlotTable.set(w.n, 2, w.d, 3);
        if (withAnswers) {
            doc.SlotTexts.set(w.n, 0, w.d, cp(w.clue));
            doc.SlotTexts.set(w.n, 1, w.d, cp(w.answer));
        }
    }
    if (withAnswers) {
        doc.CrosswordAuthor = cp(u"Иванов");
        doc.CrosswordPassword = ScrambleText(doc.Scramble, cp(u"Секрет"));
    }
    doc.SolvedFlags = Table<int>::withBounds(3, 1);
    doc.Mode = withAnswers ? EditMode::ModeAuthor : EditMode::ModeAuthorNoAnswers;
    doc.Modified = true;
    return doc;
}

QByteArray num(int v) {
    return (v < 0 ? QByteArray() : " ") + QByteArray::number(v) + " \r\n";
}

QByteArray line(const QByteArray& text) {
    return text + "\r\n";
}

QByteArray bytesWrittenBy(const std::function<bool(QIODevice&)>& write) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(write(buffer));
    return buffer.data();
}
