// An answers file opened in the real window, with the crossword it names in its folder. The
// input holds both: the crossword file "c.cfw" up to the first NUL byte, the answers file after
// it. Each input is opened twice: into an empty window, which reads the crossword from the
// folder, and again over the crossword that is then on screen.
#include "FuzzSupport.h"

#include "files/AnswersFile.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzWindow w;
    const auto* bytes = reinterpret_cast<const char*>(data);
    const char* end = bytes + size;
    const char* split = std::find(bytes, end, '\0');
    w.put("c.cfw", QByteArrayView(bytes, split - bytes));
    const char* answers = split == end ? end : split + 1;
    w.put("a.otv", QByteArrayView(answers, end - answers));

    w.state.session.documentForSetup() = CrosswordDocument();
    const CrosswordDocument& doc = w.state.doc();
    w.form->updateControlsForMode();
    for (int pass = 0; pass < 2; ++pass) {
        w.form->openFileFromCommandLine(w.path("a.otv"));
        if (doc.SolvedCount < 0 || doc.SolvedCount > 2 * doc.NumberedCount)
            fuzzFailure("solved count outside the crossword");
        if (doc.Mode != EditMode::ModeSolve && doc.Mode != EditMode::ModeSolveNoAnswers)
            continue;
        FuzzInput back =
            writtenBy([&](QIODevice& device) { return WriteAnswersFile(device, doc); });
        AnswersFileContent again;
        if (ReadAnswersFile(back, again) != FileStatus::Ok)
            fuzzFailure("an answers file the program wrote cannot be read back");
        // The additions are a file of their own, named by the title the answers file gives.
        FuzzInput beside =
            writtenBy([&](QIODevice& device) { return WriteAnswersAdditions(device, doc); });
        const AnswersAdditions additions = ReadAnswersAdditions(beside, again.CrosswordTitle);
        if (!additions.Present || additions.LettersRevealed != doc.Aids.LettersRevealed ||
            additions.WordsRevealed != doc.Aids.WordsRevealed)
            fuzzFailure("the time and the hints written do not read back");
    }
    return 0;
}
