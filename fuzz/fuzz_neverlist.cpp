// A never-use list as a user may write it, its words then filling and forbidden in a small grid.
#include "FuzzSupport.h"

#include "fill/FillEngine.h"
#include "fill/FillWords.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const QList<QByteArray> words = fill::readNeverList(in);
    // A ring of three-letter slots: 0 1 2 / 3 # 5 / 6 7 8.
    fill::Problem ring;
    ring.cellCount = 9;
    ring.fixed = QByteArray(9, '\0');
    ring.slotCells = {{0, 1, 2}, {6, 7, 8}, {0, 3, 6}, {2, 5, 8}};
    fill::Lexicon lexicon;
    for (const QByteArray& w : words)
        lexicon.add(w);
    for (qsizetype i = 0; i < words.size(); i += 3)
        lexicon.forbid(words[i]);
    fill::Options options;
    options.stepLimit = 2000;
    const fill::Result r = fill::fillGrid(ring, lexicon, options);
    if (r.status == fill::Result::Status::Filled) {
        QSet<QByteArray> seen;
        QByteArray cells(9, '\0');
        for (std::size_t s = 0; s < r.words.size(); ++s) {
            if (!lexicon.contains(r.words[s]) || seen.contains(r.words[s]))
                fuzzFailure("a fill with a word not allowed or repeated");
            seen.insert(r.words[s]);
            for (std::size_t k = 0; k < 3; ++k) {
                const int c = ring.slotCells[s][k];
                if (cells[c] != '\0' && cells[c] != r.words[s][static_cast<qsizetype>(k)])
                    fuzzFailure("crossing words disagree");
                cells[c] = r.words[s][static_cast<qsizetype>(k)];
            }
        }
    }
    fill::suggestWords(ring, lexicon, 0, 5);
    fill::deadCells(ring, lexicon);
    return 0;
}
