// The pattern search over one million 8-letter words with three known letters, beside grep
// over the same words (one per line) and a plain scan of the same bytes in memory.
#include "Paired.h"

#include "words/WordList.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kLength = 8;
constexpr int kWords = 1'000'000;

struct Fixture {
    QTemporaryDir dir;
    QString programFolder;
    QByteArray letters; // the words back to back
    QByteArray pattern; // three known letters, "?" elsewhere
    std::string linesPath;

    Fixture() {
        programFolder = dir.path() + u'/';
        QDir(dir.path()).mkpath(QStringLiteral("Data"));
        std::mt19937 random(20240601);
        std::uniform_int_distribution<int> letter(0xC0, 0xDF); // А to Я in Windows-1251
        letters.resize(qsizetype(kWords) * kLength);
        for (char& c : letters)
            c = static_cast<char>(letter(random));
        pattern = QByteArray(kLength, '?');
        pattern[1] = '\xCA'; // К
        pattern[4] = '\xCE'; // О
        pattern[7] = '\xD2'; // Т

        QList<QByteArray> list;
        list.reserve(kWords);
        QByteArray lines;
        lines.reserve(qsizetype(kWords) * (kLength + 1));
        for (qsizetype i = 0; i < kWords; ++i) {
            list.append(letters.mid(i * kLength, kLength));
            lines += list.back();
            lines += '\n';
        }
        QFile dat(words::wordListPath(programFolder, kLength));
        dat.open(QIODevice::WriteOnly);
        words::writeWordList(dat, kLength, list);
        dat.close();
        linesPath = (dir.path() + QStringLiteral("/words.txt")).toStdString();
        QFile text(QString::fromStdString(linesPath));
        text.open(QIODevice::WriteOnly);
        text.write(lines);
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

// The references, each one run: grep over the words one per line (found: how many lines
// matched, -1 when grep did not run) and a plain scan of the words in memory.
long grepOnce(const Fixture& f) {
    std::string regex = "^";
    for (char c : f.pattern)
        regex += c == '?' ? '.' : c;
    regex += '$';
    const std::string command = "LC_ALL=C grep -c -e '" + regex + "' '" + f.linesPath + "'";
    long found = -1;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return -1;
    if (std::fscanf(pipe, "%ld", &found) != 1)
        found = -1;
    pclose(pipe);
    return found;
}

long scanOnce(const Fixture& f) {
    const char* bytes = f.letters.constData();
    const char a = f.pattern[1], b = f.pattern[4], c = f.pattern[7];
    long found = 0;
    for (const char* w = bytes; w < bytes + f.letters.size(); w += kLength)
        found += w[1] == a && w[4] == b && w[7] == c;
    benchmark::DoNotOptimize(found);
    return found;
}

std::vector<bench::Reference> references(const Fixture& f) {
    return {{"scan", [&f] { return bench::timed([&f] { scanOnce(f); }); }},
            {"grep", [&f] { return bench::timed([&f] { grepOnce(f); }); }}};
}

// The search as the window repeats it, the word list already in memory.
void SearchCached(benchmark::State& state) {
    Fixture& f = fixture();
    if (grepOnce(f) < 0) {
        state.SkipWithError("grep did not run");
        return;
    }
    words::WordListCache cache;
    words::findWords(cache, f.programFolder, f.pattern);
    qsizetype found = 0;
    bench::runPaired(
        state,
        [&] {
            return bench::timed([&] {
                found = words::findWords(cache, f.programFolder, f.pattern).count();
                benchmark::DoNotOptimize(found);
            });
        },
        references(f));
    state.counters["found"] = static_cast<double>(found);
    state.counters["found_by_grep"] = static_cast<double>(grepOnce(f));
}

// The first search of a length, reading its word list from the file.
void SearchReadingTheFile(benchmark::State& state) {
    Fixture& f = fixture();
    if (grepOnce(f) < 0) {
        state.SkipWithError("grep did not run");
        return;
    }
    qsizetype found = 0;
    bench::runPaired(
        state,
        [&] {
            return bench::timed([&] {
                words::WordListCache cache;
                found = words::findWords(cache, f.programFolder, f.pattern).count();
                benchmark::DoNotOptimize(found);
            });
        },
        references(f));
    state.counters["found"] = static_cast<double>(found);
}

} // namespace

BENCHMARK(SearchCached)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(SearchReadingTheFile)->Unit(benchmark::kMillisecond)->UseManualTime();
