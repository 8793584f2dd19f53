// A crossword file read into the real window: shown in both styles, redrawn, written back and
// read again.
#include "FuzzSupport.h"

#include "files/CrosswordFile.h"
#include "grid/GridView.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzWindow w;
    CrosswordDocument& doc = w.state.session.documentForSetup();
    doc = CrosswordDocument();
    FuzzInput in(data, size);
    if (ReadCrosswordFile(in, doc).status != FileStatus::Ok)
        return 0;
    if (doc.Mode == EditMode::ModeSolveNoAnswers)
        doc.SlotTexts = Table<QByteArray>::withBounds(doc.NumberedCount, 1);
    for (int style : {1, 0}) {
        w.state.session.showForSetup(style);
        w.form->findChild<GridView*>()->drawGrid();
    }

    FuzzInput back = writtenBy([&](QIODevice& device) { return WriteCrosswordFile(device, doc); });
    CrosswordDocument again;
    if (ReadCrosswordFile(back, again).status != FileStatus::Ok)
        fuzzFailure("a file the program wrote cannot be read back");
    if (again.GridWidth != doc.GridWidth || again.GridHeight != doc.GridHeight ||
        again.NumberedCount != doc.NumberedCount)
        fuzzFailure("sizes changed on the way through the file");
    return 0;
}
