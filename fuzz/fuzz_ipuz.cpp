// An ipuz file taken over into the real window: shown in both styles, written back as ipuz and
// as a crossword file, and read again.
#include "FuzzSupport.h"

#include "files/CrosswordFile.h"
#include "grid/GridView.h"
#include "ipuz/IpuzFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzWindow w;
    CrosswordDocument& doc = w.state.session.documentForSetup();
    doc = CrosswordDocument();
    FuzzInput in(data, size);
    const ipuz::ReadProblem problem = ipuz::readIpuz(in, doc);
    if (!problem.ok()) {
        if (ipuz::problemText(w.state.language, problem).isEmpty())
            fuzzFailure("a refusal without a message");
        return 0;
    }
    // Texts arrive as a crossword file keeps them: cut, and without control characters.
    const auto kept = [](const QByteArray& text) {
        if (text.size() > kMaxTextBytes)
            return false;
        for (const char c : text)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
                return false;
        return true;
    };
    if (!kept(doc.CrosswordTitle) || !kept(doc.CrosswordAuthor))
        fuzzFailure("a title or author the crossword file could not keep");
    if (doc.NoAnswers == 0)
        for (int n = 1; n <= doc.NumberedCount; ++n)
            for (int d = 0; d < 2; ++d)
                if (!kept(doc.SlotTexts.at(n, 0, d)))
                    fuzzFailure("a clue the crossword file could not keep");
    for (int style : {1, 0}) {
        w.state.session.showForSetup(style);
        w.form->findChild<GridView*>()->drawGrid();
    }

    FuzzInput ipuzBack = writtenBy([&](QIODevice& device) { return ipuz::writeIpuz(device, doc); });
    CrosswordDocument again;
    if (!ipuz::readIpuz(ipuzBack, again).ok())
        fuzzFailure("an ipuz file the program wrote cannot be read back");
    if (again.GridWidth != doc.GridWidth || again.GridHeight != doc.GridHeight ||
        again.NumberedCount != doc.NumberedCount ||
        again.SlotTexts.at(1, 1, 0) != doc.SlotTexts.at(1, 1, 0))
        fuzzFailure("the crossword changed on its way through ipuz");

    FuzzInput cfw = writtenBy([&](QIODevice& device) { return WriteCrosswordFile(device, doc); });
    CrosswordDocument fromCfw;
    if (ReadCrosswordFile(cfw, fromCfw).status != FileStatus::Ok)
        fuzzFailure("a crossword file made from ipuz cannot be read back");
    return 0;
}
