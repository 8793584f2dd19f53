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

} // namespace

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
    const FileStatus status =
        saveFileSafely(path, [&doc](QIODevice& device) { return WriteAnswersFile(device, doc); });
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
    const FileStatus status = openForReading(file);
    return status == FileStatus::Ok ? ReadAnswersFile(file, content) : status;
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
    if (content.NoAnswers) {
        doc.SlotTexts = Table<QByteArray>::withBounds(n, 1);
        doc.SolvedFlags = Table<int>::withBounds(n, 1);
    } else if (doc.SolvedFlags.rank() != 2 || doc.SolvedFlags.upperBound(0) != n) {
        doc.SolvedFlags = Table<int>::withBounds(n, 1);
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
    // Without the four characters of ".cfw" or ".otv"; a name that short is offered whole.
    return name.size() > 4 ? name.chopped(4) : name;
}
