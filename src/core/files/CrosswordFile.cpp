#include "files/CrosswordFile.h"

#include "files/ValueReader.h"
#include "grid/CrosswordDocument.h"
#include "grid/GridLimits.h"
#include "grid/SlotAccess.h"
#include "text/SequentialText.h"

#include <QFile>

#include <optional>

namespace {

// A value read into target when it lies in lo..hi; false when it does not, which makes the
// whole file unusable. A value past the end leaves target as it was.
bool readBounded(ValueReader& in, int& target, long long lo, long long hi) {
    const std::optional<double> v = in.number();
    if (!v)
        return true;
    const std::optional<std::int32_t> i = seqtext::toInt32(*v);
    if (!i || *i < lo || *i > hi)
        return false;
    target = *i;
    return true;
}

struct WordRecord {
    int n = 0;
    int d = 0;
    int x = 0;
    int y = 0;
    int length = 0;
};

// The five numbers of a word record, when they are all there and describe a slot that lies
// inside the grid.
std::optional<WordRecord> readWordRecord(ValueReader& in, const CrosswordDocument& doc) {
    std::int32_t v[5] = {};
    bool all = true;
    for (std::int32_t& value : v)
        all = in.int32(value) && all; // all five are read, whatever one of them holds
    if (!all)
        return std::nullopt;
    const WordRecord r{v[0], v[1], v[2], v[3], v[4]};
    if (r.n < 1 || r.n > doc.NumberedCount || r.d < 0 || r.d > 1)
        return std::nullopt;
    if (r.x < 0 || r.x >= doc.GridWidth || r.y < 0 || r.y >= doc.GridHeight)
        return std::nullopt;
    const int room = r.d == 0 ? doc.GridWidth - r.x : doc.GridHeight - r.y;
    if (r.length < 0 || r.length > room)
        return std::nullopt;
    return r;
}

} // namespace

bool WriteCrosswordFile(QIODevice& device, const CrosswordDocument& doc) {
    seqtext::SequentialWriter out(device);
    const bool withAnswers = doc.NoAnswers == 0;
    out.writeNumberLine(withAnswers ? 0 : 1);
    out.writeTextLine(doc.CrosswordTitle);
    if (withAnswers) {
        out.writeTextLine(doc.CrosswordPassword);
        out.writeTextLine(ScrambleText(doc.Scramble, doc.CrosswordAuthor));
    }
    out.writeNumberLine(doc.GridWidth);
    out.writeNumberLine(doc.GridHeight);
    out.writeNumberLine(doc.NumberedCount);

    // The count of the records actually written, so that a reader never gets out of step.
    const auto words = wordsWhere(doc, [&doc](int n, int d) { return hasWord(doc, n, d); });
    out.writeNumberLine(static_cast<std::int64_t>(words.size()));
    QByteArray scrambled;
    for (const auto& [n, d] : words) {
        out.writeNumberLine(n);
        out.writeNumberLine(d);
        for (int f = 0; f <= 2; ++f)
            out.writeNumberLine(doc.SlotTable.at(n, f, d));
        if (withAnswers) {
            out.writeTextLine(doc.SlotTexts.ref(n, 0, d));
            ScrambleTextInto(doc.Scramble, doc.SlotTexts.ref(n, 1, d), scrambled);
            out.writeTextLine(scrambled);
        }
    }
    return out.finish();
}

FileStatus WriteCrosswordFile(const QString& path, CrosswordDocument& doc) {
    const FileStatus status =
        saveFileSafely(path, [&doc](QIODevice& device) { return WriteCrosswordFile(device, doc); });
    if (status == FileStatus::Ok) {
        doc.CrosswordPath = path;
        doc.Modified = false;
    }
    return status;
}

CrosswordReadResult ReadCrosswordFile(QIODevice& device, CrosswordDocument& doc) {
    // Filled in a copy, so that a refused file leaves the crossword on screen as it was.
    CrosswordDocument next = doc;
    ValueReader in(device);
    CrosswordReadResult result;
    const auto refuse = [&doc, &result] {
        doc.Mode = EditMode::ModeOpenFailed;
        result.status = FileStatus::Unusable;
        return result;
    };

    if (const auto v = in.number())
        next.NoAnswers = *v != 0 ? 1 : 0;
    const bool withAnswers = next.NoAnswers == 0;
    TitleRemainder titleCut;
    if (auto title = in.titleLine(titleCut))
        next.CrosswordTitle = std::move(*title);
    // The file was scrambled with the tables of its whole title; a title cut when read gets
    // tables of its own, which the password, held scrambled, is moved to.
    ScrambleTables fileTables;
    if (withAnswers) {
        std::optional<QByteArray> password = in.line();
        const std::optional<QByteArray> author = in.line();
        next.Scramble = BuildScrambleTables(next.CrosswordTitle);
        fileTables =
            titleCut.isEmpty() ? next.Scramble : BuildScrambleTables(next.CrosswordTitle, titleCut);
        if (password)
            next.CrosswordPassword =
                titleCut.isEmpty()
                    ? std::move(*password)
                    : ScrambleText(next.Scramble, UnscrambleText(fileTables, *password));
        if (author)
            next.CrosswordAuthor = UnscrambleText(fileTables, *author);
    }

    using gridlimits::kMaxGridSide;
    if (!readBounded(in, next.GridWidth, 1, kMaxGridSide) ||
        !readBounded(in, next.GridHeight, 1, kMaxGridSide) ||
        !readBounded(in, next.NumberedCount, 0, 1LL * next.GridWidth * next.GridHeight))
        return refuse();
    // Without its own sizes the file would show a mix of itself and the crossword held before,
    // one that cannot be saved and read back.
    if (in.ended())
        return refuse();
    const int n = next.NumberedCount;
    if (withAnswers)
        next.SlotTexts = Table<QByteArray>::withBounds(n, 1, 1);
    next.SlotTable = Table<int>::withBounds(n, 2, 1);
    next.WordCount = 0;
    if (!readBounded(in, next.WordCount, 0, 2LL * n))
        return refuse();

    for (int i = 0; i < next.WordCount && !in.ended(); ++i) {
        const std::optional<WordRecord> r = readWordRecord(in, next);
        std::optional<QByteArray> clue;
        std::optional<QByteArray> answer;
        if (withAnswers) {
            clue = in.line();
            answer = in.line();
        }
        if (!r)
            continue;
        next.SlotTable.set(r->n, 0, r->d, r->x);
        next.SlotTable.set(r->n, 1, r->d, r->y);
        next.SlotTable.set(r->n, 2, r->d, r->length);
        if (!withAnswers)
            continue;
        if (clue)
            next.SlotTexts.set(r->n, 0, r->d, std::move(*clue));
        if (answer && !answer->isEmpty())
            next.SlotTexts.set(r->n, 1, r->d, UnscrambleText(fileTables, std::move(*answer)));
        else if (r->length > 0)
            result.answerMissing = true;
    }
    // A read error would open a crossword with words missing as if the file had ended there.
    if (in.failed())
        return refuse();
    result.endedEarly = in.ended();

    next.Mode = !withAnswers           ? EditMode::ModeSolveNoAnswers
                : result.answerMissing ? EditMode::ModeIncomplete
                                       : EditMode::ModeSolve;
    next.SolvedCount = 0;
    next.Modified = false;
    next.SolvedFlags = Table<int>::withBounds(n, 1);
    next.Aids = {};
    next.AnswersPath.clear();
    next.CurrentSlot = slotLength(next, 1, 0) >= 1 ? 1 : 0;
    next.CurrentDownSlot = slotLength(next, 1, 1) >= 1 ? 1 : 0;
    doc = std::move(next);
    return result;
}

CrosswordReadResult ReadCrosswordFile(const QString& path, CrosswordDocument& doc) {
    QFile file(path);
    CrosswordReadResult result;
    result.status = openForReading(file);
    if (result.status != FileStatus::Ok) {
        doc.Mode = EditMode::ModeOpenFailed;
        return result;
    }
    result = ReadCrosswordFile(file, doc);
    if (result.status == FileStatus::Ok)
        doc.CrosswordPath = path;
    return result;
}
