// An answers file applied to the crossword it names. The input holds both: the crossword file
// up to the first NUL byte, the answers file after it.
#include "FuzzSupport.h"

#include "files/AnswersFile.h"
#include "files/CrosswordFile.h"
#include "grid/CrosswordDocument.h"
#include "grid/ShownGrid.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::uint8_t* end = data + size;
    const std::uint8_t* split = std::find(data, end, std::uint8_t(0));
    FuzzInput crossword(data, static_cast<std::size_t>(split - data));
    const std::uint8_t* answersStart = split == end ? end : split + 1;
    FuzzInput answers(answersStart, static_cast<std::size_t>(end - answersStart));

    CrosswordDocument doc;
    if (ReadCrosswordFile(crossword, doc).status != FileStatus::Ok)
        return 0;
    AnswersFileContent content;
    if (ReadAnswersFile(answers, content) != FileStatus::Ok)
        return 0;
    (void)crosswordPathBesideAnswers(QStringLiteral("/x/y.otv"), content.CrosswordFileName);
    if (doc.NoAnswers == 1)
        doc.SlotTexts = Table<QByteArray>::withBounds(doc.NumberedCount, 1);
    if (ApplyAnswers(content, QStringLiteral("/x/y.otv"), doc) != FileStatus::Ok)
        return 0;
    if (doc.SolvedCount < 0 || doc.SolvedCount > doc.WordCount)
        fuzzFailure("solved count outside the crossword");
    doc.Mode = doc.NoAnswers ? EditMode::ModeSolveNoAnswers : EditMode::ModeSolve;
    buildShownGrid(doc, 1);
    (void)firstUnsolvedWord(doc);
    FuzzOutput out;
    WriteAnswersFile(out, doc);
    return 0;
}
