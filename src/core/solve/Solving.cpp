#include "solve/Solving.h"

#include "grid/CrosswordDocument.h"
#include "grid/SlotAccess.h"
#include "grid/SlotWalk.h"
#include "text/CodePage.h"

#include <algorithm>

namespace {

bool hasOpenWord(const CrosswordDocument& doc, int k, int d) {
    return shownSlotLength(doc, k, d) != 0 && doc.SolvedFlags.at(k, d) == 0;
}

QByteArray reversed(QByteArray text) {
    std::reverse(text.begin(), text.end());
    return text;
}

} // namespace

CheckOutcome CheckSolverAnswer(CrosswordDocument& doc, const QByteArray& word, int shownStyle) {
    CheckOutcome out;
    const QByteArray typed = cp1251::toUpper(word);
    const QByteArray compared = shownStyle == 1 ? reversed(typed) : typed;
    if (compared.isEmpty())
        return out;
    if (doc.CurrentSlot != 0 && compared == answerOf(doc, doc.CurrentSlot, 0)) {
        out.slot = doc.CurrentSlot;
        out.direction = 0;
        doc.CurrentSlot = 0;
    } else if (doc.CurrentDownSlot > 0 && compared == answerOf(doc, doc.CurrentDownSlot, 1)) {
        out.slot = doc.CurrentDownSlot;
        out.direction = 1;
        doc.CurrentDownSlot = 0;
    } else {
        return out;
    }
    out.hit = true;
    const int h = out.slot, e = out.direction;
    forEachSlotCell(doc.ShownSlotTable, h, e, [&](int i, int x, int y) {
        if (i < typed.size())
            doc.CellMap.set(x, y, layer::kLetter, static_cast<unsigned char>(typed.at(i)));
        doc.CellMap.set(x, y, e, 0);
    });
    ++doc.SolvedCount;
    doc.SolvedFlags.set(h, e, 1);
    doc.Modified = true;
    out.open = doc.WordCount - doc.SolvedCount;

    if (e == 0 && doc.CurrentDownSlot >= 1) {
        out.next = CheckOutcome::Next::KeepDownSelected;
    } else if (e == 1 && doc.CurrentSlot > 0) {
        out.next = CheckOutcome::Next::KeepAcrossSelected;
    } else if (out.open >= 1) {
        // From the next number on, wrapping round once; counts that disagree with the flags
        // (inconsistent data) end the search instead of looping.
        const int count = std::max(doc.NumberedCount, 0);
        for (int step = 1; step <= count; ++step) {
            const int k = (h - 1 + step) % count + 1;
            const bool across = hasOpenWord(doc, k, 0), down = hasOpenWord(doc, k, 1);
            if (across || down) {
                out.next = CheckOutcome::Next::SelectPair;
                out.across = across ? k : 0;
                out.down = down ? k : 0;
                break;
            }
        }
    } else {
        out.next = CheckOutcome::Next::Solved;
    }
    return out;
}

EntryOutcome EnterSolverAnswer(CrosswordDocument& doc, const QByteArray& word, int shownStyle) {
    EntryOutcome out;
    const int n = doc.CurrentSlot, d = doc.CurrentDirection;
    QByteArray upper = cp1251::toUpper(word);
    const int length = shownSlotLength(doc, n, d);
    if (length < 1 || upper.size() != length || (d != 0 && d != 1))
        return out;

    forEachSlotCell(doc.ShownSlotTable, n, d, [&](int i, int x, int y) {
        const unsigned char code = static_cast<unsigned char>(upper.at(i));
        const int crossing = doc.CellMap.at(x, y, layer::crossingLetter(d));
        if (crossing > 0 && crossing != code) {
            out.conflict = true;
            out.position = i + 1;
            out.crossing = static_cast<unsigned char>(crossing);
            out.typed = code;
        }
        return !out.conflict;
    });
    if (out.conflict)
        return out;

    const int x0 = doc.ShownSlotTable.at(n, 0, d), y0 = doc.ShownSlotTable.at(n, 1, d);
    if (doc.CellMap.at(x0, y0, layer::wordLetter(d)) == 0)
        ++doc.SolvedCount;
    forEachSlotCell(doc.ShownSlotTable, n, d, [&](int i, int x, int y) {
        const unsigned char code = static_cast<unsigned char>(upper.at(i));
        doc.CellMap.set(x, y, layer::kLetter, code);
        doc.CellMap.set(x, y, layer::wordLetter(d), code);
    });
    if (shownStyle == 1)
        upper = reversed(upper);
    doc.SlotTexts.set(n, d, upper);
    doc.SolvedFlags.set(n, d, 1);
    doc.Modified = true;
    out.entered = true;

    out.open = doc.WordCount - doc.SolvedCount;
    if (out.open > 0) {
        for (int k = 1; k <= doc.NumberedCount && !out.nextFound; ++k) {
            for (int dir = 0; dir <= 1; ++dir) {
                if (shownSlotLength(doc, k, dir) >= 1 && doc.SolvedFlags.at(k, dir) == 0) {
                    out.nextFound = true;
                    out.nextSlot = k;
                    out.nextDirection = dir;
                    break;
                }
            }
        }
    }
    return out;
}

bool JumpToNumber(CrosswordDocument& doc, int v, Selected& previous) {
    const int d = doc.CurrentDirection;
    const bool other = slotLength(doc, v, 1 - d) != 0;
    if (v == doc.CurrentSlot && !other)
        return false;
    previous = {doc.CurrentSlot, d};
    if (other)
        doc.CurrentDirection = 1 - d;
    doc.CurrentSlot = v;
    return true;
}
