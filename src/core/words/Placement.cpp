#include "words/Placement.h"

#include "grid/CrosswordDocument.h"
#include "grid/SlotAccess.h"
#include "grid/SlotWalk.h"
#include "text/CodePage.h"

namespace {

unsigned char byteAt(const QByteArray& text, qsizetype i) {
    return static_cast<unsigned char>(text.at(i));
}

} // namespace

PlacementOutcome PlaceAnswer(CrosswordDocument& doc, int n, int d, const QByteArray& answer,
                             const QByteArray& clue) {
    using Kind = PlacementOutcome::Kind;
    const int length = slotLength(doc, n, d);
    if (length < 1 || (d != 0 && d != 1))
        return {};
    const QByteArray word = cp1251::toUpper(answer);

    if (word.size() == length) {
        // A blank can only arrive by pasting; it ends the placement silently.
        PlacementOutcome refused;
        bool blank = false;
        forEachSlotCell(doc.SlotTable, n, d, [&](int i, int x, int y) {
            const unsigned char c = byteAt(word, i);
            const int crossing = doc.CellMap.at(x, y, layer::crossingLetter(d));
            if (c == ' ')
                blank = true;
            else if (crossing >= 1 && crossing != c)
                refused = {Kind::Conflict, i + 1, static_cast<unsigned char>(crossing), c};
            return !blank && refused.kind == Kind::Ignored;
        });
        if (blank)
            return {};
        if (refused.kind == Kind::Conflict)
            return refused;
        doc.Modified = true;
        forEachSlotCell(doc.SlotTable, n, d, [&](int i, int x, int y) {
            doc.CellMap.set(x, y, layer::kLetter, byteAt(word, i));
            doc.CellMap.set(x, y, layer::wordLetter(d), byteAt(word, i));
        });
        doc.SlotTexts.set(n, 0, d, clue);
        doc.SlotTexts.set(n, 1, d, word);
        return {Kind::Placed};
    }

    if (word.isEmpty()) {
        if (answerOf(doc, n, d).isEmpty())
            return {};
        forEachSlotCell(doc.SlotTable, n, d, [&](int, int x, int y) {
            doc.CellMap.set(x, y, layer::kLetter, doc.CellMap.at(x, y, layer::crossingLetter(d)));
            doc.CellMap.set(x, y, layer::wordLetter(d), 0);
        });
        doc.Modified = true;
        doc.SlotTexts.set(n, 0, d, clue);
        doc.SlotTexts.set(n, 1, d, QByteArray());
        return {Kind::Removed};
    }
    return {};
}

bool KeepClue(CrosswordDocument& doc, int n, int d, const QByteArray& clue) {
    if ((d != 0 && d != 1) || slotLength(doc, n, d) < 1 || clue.isEmpty() ||
        clue == doc.SlotTexts.ref(n, 0, d))
        return false;
    doc.SlotTexts.set(n, 0, d, clue);
    doc.Modified = true;
    return true;
}

bool CanDeleteAnswer(const CrosswordDocument& doc) {
    const int n = doc.CurrentSlot, d = doc.CurrentDirection;
    if (doc.Mode == EditMode::ModeAuthor)
        return !answerOf(doc, n, d).isEmpty();
    if (doc.Mode == EditMode::ModeSolveNoAnswers)
        return doc.SolvedFlags.at(n, d) == 1;
    return false;
}

void DeleteAnswer(CrosswordDocument& doc) {
    const int n = doc.CurrentSlot, d = doc.CurrentDirection;
    if (!CanDeleteAnswer(doc))
        return;
    forEachSlotCell(doc.ShownSlotTable, n, d, [&](int, int x, int y) {
        doc.CellMap.set(x, y, layer::wordLetter(d), 0);
        if (doc.CellMap.at(x, y, layer::crossingLetter(d)) == 0)
            doc.CellMap.set(x, y, layer::kLetter, 0);
    });
    if (doc.Mode == EditMode::ModeAuthor) {
        doc.SlotTexts.set(n, 0, d, QByteArray());
        doc.SlotTexts.set(n, 1, d, QByteArray());
    } else {
        doc.SolvedFlags.set(n, d, 0);
        doc.SlotTexts.set(n, d, QByteArray());
        --doc.SolvedCount;
    }
    doc.Modified = true;
}
