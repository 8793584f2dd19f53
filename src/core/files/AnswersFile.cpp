#include "files/AnswersFile.h"

#include "files/ValueReader.h"
#include "grid/CrosswordDocument.h"
#include "grid/GridLimits.h"
#include "text/CodePage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

// Every slot of the largest crossword solved: no sound file holds more records.
constexpr long long kMaxRecords = 2LL * gridlimits::kMaxGridSide * gridlimits::kMaxGridSide;

bool isSolved(const CrosswordDocument& doc, int k, int d) {
    return doc.SolvedFlags.at(k, d) == 1;
}

// The line that opens the additions' file; a later version may add lines after those this one
// knows, which this one leaves unread.
constexpr char kAdditionsMarker[] = "[Clueforge: time and hints]";
constexpr int kAdditionsVersion = 1;
// About 31 years, and counts no crossword comes near: a damaged value cannot overflow a sum.
constexpr double kMaxSeconds = 1e9;
constexpr double kMaxCount = 1e9;
constexpr long long kMaxCells = 1LL * gridlimits::kMaxGridSide * gridlimits::kMaxGridSide;
// Both lists of the largest crossword in full take about 3 MB.
constexpr qint64 kMaxAdditionsBytes = qint64(4) * 1024 * 1024;

// Pairs of numbers, at most `most`, while the file lasts; pairs that are no numbers skipped.
std::vector<std::pair<int, int>> readPairs(ValueReader& in, double claimed, long long most) {
    std::vector<std::pair<int, int>> pairs;
    const long long count = std::clamp<double>(claimed, 0, static_cast<double>(most));
    for (long long i = 0; i < count && !in.ended(); ++i) {
        const std::optional<std::int32_t> a = in.int32();
        const std::optional<std::int32_t> b = in.int32();
        if (a && b)
            pairs.emplace_back(*a, *b);
    }
    return pairs;
}

// The additions as the document's aids: marks only where they belong to the crossword.
void applyAdditions(const AnswersAdditions& read, bool keepMarks, CrosswordDocument& doc) {
    SolvingAids& aids = doc.Aids;
    const auto fits = [](const Table<int>& t, int a, int b) {
        return t.rank() == 2 && t.upperBound(0) == a && t.upperBound(1) == b;
    };
    if (!keepMarks || !fits(aids.RevealedWords, doc.NumberedCount, 1))
        aids.RevealedWords = Table<int>::withBounds(doc.NumberedCount, 1);
    if (!keepMarks || !fits(aids.RevealedCells, doc.GridWidth, doc.GridHeight))
        aids.RevealedCells = Table<int>::withBounds(doc.GridWidth, doc.GridHeight);
    // A mark of a word not solved would be a word given away that the grid does not show.
    for (const auto& [k, d] : read.RevealedWords)
        if (hasWord(doc, k, d) && isSolved(doc, k, d))
            aids.RevealedWords.set(k, d, 1);
    for (const auto& [x, y] : read.RevealedCells)
        if (x >= 0 && y >= 0 && x < doc.GridWidth && y < doc.GridHeight)
            aids.RevealedCells.set(x, y, 1);
    aids.LettersRevealed = read.LettersRevealed;
    aids.WordsRevealed = read.WordsRevealed;
    aids.ElapsedMs = read.ElapsedSeconds * 1000;
}

} // namespace

QString answersAdditionsPath(const QString& answersPath) {
    return answersPath + QLatin1String(".clueforge");
}

bool WriteAnswersAdditions(QIODevice& device, const CrosswordDocument& doc) {
    seqtext::SequentialWriter out(device);
    const SolvingAids& aids = doc.Aids;
    out.writeTextLine(kAdditionsMarker);
    out.writeNumberLine(kAdditionsVersion);
    out.writeTextLine(doc.CrosswordTitle);
    out.writeNumberLine(std::max<qint64>(aids.ElapsedMs, 0) / 1000);
    out.writeNumberLine(aids.LettersRevealed);
    out.writeNumberLine(aids.WordsRevealed);
    const auto revealed = wordsWhere(
        doc, [&](int k, int d) { return isSolved(doc, k, d) && aids.RevealedWords.at(k, d) == 1; });
    out.writeNumberLine(static_cast<std::int64_t>(revealed.size()));
    for (const auto& [k, d] : revealed) {
        out.writeNumberLine(k);
        out.writeNumberLine(d);
    }
    std::vector<std::pair<int, int>> cells;
    for (int y = 0; y < doc.GridHeight; ++y)
        for (int x = 0; x < doc.GridWidth; ++x)
            if (aids.RevealedCells.at(x, y) == 1)
                cells.emplace_back(x, y);
    out.writeNumberLine(static_cast<std::int64_t>(cells.size()));
    for (const auto& [x, y] : cells) {
        out.writeNumberLine(x);
        out.writeNumberLine(y);
    }
    return out.finish();
}

AnswersAdditions ReadAnswersAdditions(QIODevice& device, const QByteArray& title) {
    ValueReader in(device);
    AnswersAdditions read;
    const std::optional<QByteArray> marker = in.line();
    if (!marker || *marker != kAdditionsMarker)
        return {};
    const std::optional<double> version = in.number();
    const std::optional<QByteArray> belongsTo = in.line();
    if (!belongsTo || *belongsTo != title)
        return {};
    const std::optional<double> seconds = in.number();
    const std::optional<double> letters = in.number();
    const std::optional<double> words = in.number();
    if (!version || *version < kAdditionsVersion || !seconds || !letters || !words)
        return {};
    read.Present = true;
    read.ElapsedSeconds = static_cast<qint64>(std::clamp<double>(*seconds, 0, kMaxSeconds));
    read.LettersRevealed = static_cast<int>(std::clamp<double>(*letters, 0, kMaxCount));
    read.WordsRevealed = static_cast<int>(std::clamp<double>(*words, 0, kMaxCount));
    if (const std::optional<double> count = in.number())
        read.RevealedWords = readPairs(in, *count, kMaxRecords);
    if (const std::optional<double> count = in.number())
        read.RevealedCells = readPairs(in, *count, kMaxCells);
    // Values read up to a failing device are no values of the file.
    return in.failed() ? AnswersAdditions() : read;
}

bool WriteAnswersFile(QIODevice& device, const CrosswordDocument& doc) {
    seqtext::SequentialWriter out(device);
    const bool withWords = doc.NoAnswers != 0;
    out.writeTextLine(cp1251::fromUnicode(fileNameWithoutFolder(doc.CrosswordPath)));
    out.writeTextLine(doc.CrosswordTitle);
    out.writeNumberLine(withWords ? 1 : 0);
    out.writeNumberLine(doc.NumberedCount);

    // The count of the records actually written, so that a reader never gets out of step.
    const auto solved = wordsWhere(doc, [&doc](int k, int d) { return isSolved(doc, k, d); });
    out.writeNumberLine(static_cast<std::int64_t>(solved.size()));
    for (const auto& [k, d] : solved) {
        out.writeNumberLine(k);
        out.writeNumberLine(d);
        if (withWords)
            out.writeTextLine(doc.SlotTexts.at(k, d));
    }
    return out.finish();
}

FileStatus WriteAnswersFile(const QString& path, CrosswordDocument& doc) {
    // The additions first: a failure between the two renames leaves the answers as they were.
    StagedSave save;
    FileStatus status = save.stage(answersAdditionsPath(path), [&doc](QIODevice& device) {
        return WriteAnswersAdditions(device, doc);
    });
    if (status == FileStatus::Ok)
        status =
            save.stage(path, [&doc](QIODevice& device) { return WriteAnswersFile(device, doc); });
    if (status == FileStatus::Ok)
        status = save.commit();
    if (status == FileStatus::Ok) {
        doc.AnswersPath = path;
        doc.Modified = false;
    }
    return status;
}

FileStatus ReadAnswersFile(QIODevice& device, AnswersFileContent& content) {
    ValueReader in(device);
    // The name is read whole: a comma is part of a file name.
    const std::optional<QByteArray> name = in.line();
    const std::optional<QByteArray> title = in.line();
    const std::optional<double> noAnswers = in.number();
    const std::optional<std::int32_t> numbered = in.int32();
    const std::optional<double> claimed = in.number();
    if (!name || !title || !noAnswers || !numbered || !claimed)
        return FileStatus::Unusable;

    AnswersFileContent read;
    read.CrosswordFileName = fileNameWithoutFolder(*name);
    read.CrosswordTitle = *title;
    read.NoAnswers = *noAnswers != 0 ? 1 : 0;
    read.NumberedCount = *numbered;
    const long long count = std::clamp<double>(*claimed, 0, kMaxRecords);
    for (long long i = 0; i < count && !in.ended(); ++i) {
        const std::optional<std::int32_t> k = in.int32();
        const std::optional<std::int32_t> d = in.int32();
        std::optional<QByteArray> word;
        if (read.NoAnswers)
            word = in.line();
        if (k && d && (word || !read.NoAnswers))
            read.Records.push_back({*k, *d, word.value_or(QByteArray())});
    }
    // A read error would lose the solved words after it without a word.
    if (in.failed())
        return FileStatus::Unusable;
    content = std::move(read);
    return FileStatus::Ok;
}

FileStatus ReadAnswersFile(const QString& path, AnswersFileContent& content) {
    QFile file(path);
    FileStatus status = openForReading(file);
    if (status == FileStatus::Ok)
        status = ReadAnswersFile(file, content);
    if (status != FileStatus::Ok)
        return status;
    // Without its additions (an older copy's file, or one copied alone) it opens all the same.
    QFile additions(answersAdditionsPath(path));
    if (openForReading(additions, kMaxAdditionsBytes) == FileStatus::Ok)
        content.Additions = ReadAnswersAdditions(additions, content.CrosswordTitle);
    return FileStatus::Ok;
}

QString crosswordPathBesideAnswers(const QString& answersPath, const QByteArray& fileName) {
    return QFileInfo(answersPath)
        .dir()
        .filePath(fileNameWithoutFolder(cp1251::toUnicode(fileName)));
}

FileStatus ApplyAnswers(const AnswersFileContent& content, const QString& answersPath,
                        CrosswordDocument& doc) {
    if (content.NoAnswers != (doc.NoAnswers != 0 ? 1 : 0))
        return FileStatus::Unusable;
    const int n = doc.NumberedCount;
    // The solver's words of a crossword without answers are all in the file: marks of words
    // that are no longer there would be marks without a word.
    bool keepMarks = true;
    if (content.NoAnswers) {
        doc.SlotTexts = Table<QByteArray>::withBounds(n, 1);
        doc.SolvedFlags = Table<int>::withBounds(n, 1);
        keepMarks = false;
    } else if (doc.SolvedFlags.rank() != 2 || doc.SolvedFlags.upperBound(0) != n) {
        doc.SolvedFlags = Table<int>::withBounds(n, 1);
        keepMarks = false;
    }
    for (const AnswerRecord& r : content.Records) {
        if (!hasWord(doc, r.Slot, r.Direction))
            continue;
        doc.SolvedFlags.set(r.Slot, r.Direction, 1);
        if (content.NoAnswers)
            doc.SlotTexts.set(r.Slot, r.Direction, r.Word);
    }
    doc.SolvedCount = static_cast<int>(
        wordsWhere(doc, [&doc](int k, int d) { return isSolved(doc, k, d); }).size());
    applyAdditions(content.Additions, keepMarks, doc);
    doc.AnswersPath = answersPath;
    return FileStatus::Ok;
}

std::optional<std::pair<int, int>> firstUnsolvedWord(const CrosswordDocument& doc) {
    const auto unsolved = wordsWhere(
        doc, [&doc](int k, int d) { return hasWord(doc, k, d) && !isSolved(doc, k, d); });
    if (unsolved.empty())
        return std::nullopt;
    return unsolved.front();
}

QString defaultAnswersName(const CrosswordDocument& doc) {
    const QString name =
        fileNameWithoutFolder(doc.AnswersPath.isEmpty() ? doc.CrosswordPath : doc.AnswersPath);
    // Without the four characters of ".cfw" or ".otv" (five of ".ipuz"); a name that short is
    // offered whole.
    const qsizetype extension = name.endsWith(QLatin1String(".ipuz"), Qt::CaseInsensitive) ? 5 : 4;
    return name.size() > extension ? name.chopped(extension) : name;
}
