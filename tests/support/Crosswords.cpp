#include "support/Crosswords.h"

#include "grid/SlotWalk.h"
#include "text/CodePage.h"

namespace fixtures {

void setSlots(CrosswordDocument& doc, int width, int height, std::initializer_list<Slot> list,
              EditMode mode) {
    int n = 0;
    for (const Slot& s : list)
        n = std::max(n, s.n);
    doc.GridWidth = width;
    doc.GridHeight = height;
    doc.Mode = mode;
    doc.NumberedCount = n;
    doc.WordCount = static_cast<int>(list.size());
    doc.SlotTable = Table<int>::withBounds(n, 2, 1);
    for (const Slot& s : list) {
        doc.SlotTable.set(s.n, 0, s.d, s.x);
        doc.SlotTable.set(s.n, 1, s.d, s.y);
        doc.SlotTable.set(s.n, 2, s.d, s.length);
    }
    doc.ShownSlotTable = doc.SlotTable;
    doc.SlotTexts = mode == EditMode::ModeSolveNoAnswers ? Table<QByteArray>::withBounds(n, 1)
                                                         : Table<QByteArray>::withBounds(n, 1, 1);
    doc.SolvedFlags = Table<int>::withBounds(n, 1);
    doc.SolvedCount = 0;
    const int k = (mode == EditMode::ModeAuthor || mode == EditMode::ModeSolveNoAnswers) ? 5 : 3;
    doc.CellMap = Table<int>::withBounds(width, height, k);
    for (const Slot& s : list) {
        doc.CellMap.set(s.x, s.y, 2, s.n);
        forEachSlotCell(doc.SlotTable, s.n, s.d,
                        [&](int, int x, int y) { doc.CellMap.set(x, y, s.d, s.n); });
    }
}

void ring3x3(CrosswordDocument& doc, EditMode mode) {
    setSlots(doc, 3, 3, {{1, 0, 0, 0, 3}, {1, 1, 0, 0, 3}, {2, 1, 2, 0, 3}, {3, 0, 0, 2, 3}}, mode);
}

QByteArray cp(const char16_t* text) {
    return cp1251::fromUnicode(QStringView(text));
}

QByteArray shownLetters(const CrosswordDocument& doc, int n, int d) {
    QByteArray out;
    forEachSlotCell(doc.ShownSlotTable, n, d, [&](int, int x, int y) {
        const int c = doc.CellMap.at(x, y, 3);
        out.append(c ? static_cast<char>(c) : '.');
    });
    return out;
}

} // namespace fixtures
