// The time and the hints kept beside an answers file, read for the crossword titled "T": the
// values stay within their bounds, the marks land only in the crossword's own tables, and what
// is applied comes back unchanged through the file.
#include "FuzzSupport.h"

#include "files/AnswersFile.h"
#include "grid/CrosswordDocument.h"

#include <array>

namespace {

// The 3 × 3 ring (1 across and down, 2 down, 3 across) being solved, every word solved.
CrosswordDocument solvedRing() {
    CrosswordDocument doc;
    doc.GridWidth = 3;
    doc.GridHeight = 3;
    doc.NumberedCount = 3;
    doc.CrosswordTitle = "T";
    doc.Mode = EditMode::ModeSolve;
    doc.SlotTable = Table<int>::withBounds(3, 2, 1);
    doc.SolvedFlags = Table<int>::withBounds(3, 1);
    for (const auto& [n, d, x, y] : {std::array{1, 0, 0, 0}, std::array{1, 1, 0, 0},
                                     std::array{2, 1, 2, 0}, std::array{3, 0, 0, 2}}) {
        doc.SlotTable.set(n, 0, d, x);
        doc.SlotTable.set(n, 1, d, y);
        doc.SlotTable.set(n, 2, d, 3);
        doc.SolvedFlags.set(n, d, 1);
    }
    doc.SolvedCount = 4;
    return doc;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    AnswersFileContent content;
    content.CrosswordTitle = "T";
    content.Additions = ReadAnswersAdditions(in, "T");
    const AnswersAdditions& read = content.Additions;
    if (read.ElapsedSeconds < 0 || read.ElapsedSeconds > 1'000'000'000 ||
        read.LettersRevealed < 0 || read.WordsRevealed < 0)
        fuzzFailure("a time or count beyond its bounds");
    if (read.RevealedWords.size() > 125'000 || read.RevealedCells.size() > 62'500)
        fuzzFailure("a list longer than the largest crossword");

    CrosswordDocument doc = solvedRing();
    if (ApplyAnswers(content, QStringLiteral("x.otv"), doc) != FileStatus::Ok)
        fuzzFailure("additions refused");
    if (doc.Aids.RevealedWords.upperBound(0) != 3 || doc.Aids.RevealedCells.upperBound(0) != 3 ||
        doc.Aids.RevealedCells.upperBound(1) != 3)
        fuzzFailure("marks outside the crossword's tables");

    FuzzInput back =
        writtenBy([&doc](QIODevice& device) { return WriteAnswersAdditions(device, doc); });
    AnswersFileContent again = content;
    again.Additions = ReadAnswersAdditions(back, "T");
    CrosswordDocument twice = solvedRing();
    if (!again.Additions.Present ||
        ApplyAnswers(again, QStringLiteral("x.otv"), twice) != FileStatus::Ok ||
        twice.Aids.RevealedWords != doc.Aids.RevealedWords ||
        twice.Aids.RevealedCells != doc.Aids.RevealedCells ||
        twice.Aids.LettersRevealed != doc.Aids.LettersRevealed ||
        twice.Aids.WordsRevealed != doc.Aids.WordsRevealed ||
        twice.Aids.ElapsedMs != doc.Aids.ElapsedMs)
        fuzzFailure("the time and the hints changed on the way through the file");
    return 0;
}
