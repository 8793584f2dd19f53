#include "solve/Solving.h"

#include "grid/CrosswordDocument.h"
#include "grid/ShownGrid.h"
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

namespace {

// The word (out.slot, out.direction), no longer in the selected pair, solved with `shown`, its
// letters as the grid shows them; the next selection worked out into `out`.
void acceptWord(CrosswordDocument& doc, CheckOutcome& out, const QByteArray& shown) {
    out.hit = true;
    const int h = out.slot, e = out.direction;
    forEachSlotCell(doc.ShownSlotTable, h, e, [&](int i, int x, int y) {
        if (i < shown.size())
            doc.CellMap.set(x, y, layer::kLetter, static_cast<unsigned char>(shown.at(i)));
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
}

// The answer of word (n, d) in the order the grid shows its cells.
QByteArray shownAnswer(const CrosswordDocument& doc, int n, int d, int shownStyle) {
    const QByteArray answer = doc.SlotTexts.at(n, 1, d);
    return shownStyle == 1 ? reversed(answer) : answer;
}

// Takes word (n, d) out of the selected pair, as a right check does.
void unselect(CrosswordDocument& doc, int n, int d) {
    if (d == 0 && doc.CurrentSlot == n)
        doc.CurrentSlot = 0;
    if (d == 1 && doc.CurrentDownSlot == n)
        doc.CurrentDownSlot = 0;
}

// A table of the given bounds, the one held kept when it has them.
void ensureBounds(Table<int>& table, int a, int b) {
    if (table.rank() != 2 || table.upperBound(0) != a || table.upperBound(1) != b)
        table = Table<int>::withBounds(a, b);
}

} // namespace

CheckOutcome CheckSolverAnswer(CrosswordDocument& doc, const QByteArray& word, int shownStyle) {
    CheckOutcome out;
    const QByteArray typed = cp1251::toUpper(word);
    const QByteArray compared = shownStyle == 1 ? reversed(typed) : typed;
    if (compared.isEmpty())
        return out;
    if (doc.CurrentSlot != 0 && compared == doc.SlotTexts.at(doc.CurrentSlot, 1, 0)) {
        out.slot = doc.CurrentSlot;
        out.direction = 0;
        doc.CurrentSlot = 0;
    } else if (doc.CurrentDownSlot > 0 && compared == doc.SlotTexts.at(doc.CurrentDownSlot, 1, 1)) {
        out.slot = doc.CurrentDownSlot;
        out.direction = 1;
        doc.CurrentDownSlot = 0;
    } else {
        return out;
    }
    acceptWord(doc, out, typed);
    return out;
}

CheckOutcome RevealSolverWord(CrosswordDocument& doc, int direction, int shownStyle) {
    CheckOutcome out;
    const int d = direction == 1 ? 1 : 0;
    const int n = d == 0 ? doc.CurrentSlot : doc.CurrentDownSlot;
    if (n < 1 || !hasOpenWord(doc, n, d) || doc.SlotTexts.at(n, 1, d).isEmpty())
        return out;
    out.slot = n;
    out.direction = d;
    unselect(doc, n, d);
    acceptWord(doc, out, shownAnswer(doc, n, d, shownStyle));
    ensureBounds(doc.Aids.RevealedWords, doc.NumberedCount, 1);
    doc.Aids.RevealedWords.set(n, d, 1);
    ++doc.Aids.WordsRevealed;
    return out;
}

HintOutcome RevealSolverLetter(CrosswordDocument& doc, int x, int y, int shownStyle) {
    HintOutcome out;
    const int w = doc.GridWidth, h = doc.GridHeight;
    if (x < 0 || y < 0 || x >= w || y >= h || doc.CellMap.at(x, y, layer::kLetter) != 0)
        return out;
    const int through[2] = {doc.CellMap.at(x, y, 0), doc.CellMap.at(x, y, 1)};
    unsigned char letter = 0;
    for (int d = 0; d <= 1 && letter == 0; ++d) {
        const int n = through[d];
        if (n < 1)
            continue;
        const int at =
            d == 0 ? x - doc.ShownSlotTable.at(n, 0, 0) : y - doc.ShownSlotTable.at(n, 1, 1);
        const QByteArray shown = shownAnswer(doc, n, d, shownStyle);
        if (at >= 0 && at < shown.size())
            letter = static_cast<unsigned char>(shown.at(at));
    }
    if (letter == 0)
        return out;
    out.revealed = true;
    doc.CellMap.set(x, y, layer::kLetter, letter);
    ensureBounds(doc.Aids.RevealedCells, w, h);
    // Kept in the classic orientation, whichever style the grid is shown in.
    doc.Aids.RevealedCells.set(shownStyle == 1 ? w - 1 - x : x, shownStyle == 1 ? h - 1 - y : y, 1);
    ++doc.Aids.LettersRevealed;
    doc.Modified = true;

    // A word the letter completes is in the grid whole: it is solved.
    for (int d = 0; d <= 1; ++d) {
        const int n = through[d];
        if (n < 1 || !hasOpenWord(doc, n, d))
            continue;
        bool whole = true;
        forEachSlotCell(doc.ShownSlotTable, n, d, [&](int, int cx, int cy) {
            whole = doc.CellMap.at(cx, cy, layer::kLetter) != 0;
            return whole;
        });
        if (!whole)
            continue;
        out.word = CheckOutcome();
        out.word.slot = n;
        out.word.direction = d;
        const bool selected = (d == 0 ? doc.CurrentSlot : doc.CurrentDownSlot) == n;
        unselect(doc, n, d);
        acceptWord(doc, out.word, shownAnswer(doc, n, d, shownStyle));
        // A word beside the selected pair leaves the pair as it was while it has a word.
        if (!selected && (doc.CurrentSlot > 0 || doc.CurrentDownSlot > 0) &&
            out.word.next != CheckOutcome::Next::Solved)
            out.word.next = CheckOutcome::Next::None;
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
