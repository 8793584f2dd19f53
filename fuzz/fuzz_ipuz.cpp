// An ipuz file taken over into the real window: shown in both styles, written back as ipuz and
// as a crossword file, and read again.
#include "FuzzSupport.h"

#include "files/CrosswordFile.h"
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
    for (int style : {1, 0}) {
        w.state.session.showForSetup(style);
        w.form->drawGrid();
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
