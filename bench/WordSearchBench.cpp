// The pattern search over one million 8-letter words with three known letters, beside grep
// over the same words (one per line) and a plain scan of the same bytes in memory.
#include "words/WordList.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>

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

void SearchCached(benchmark::State& state) {
    Fixture& f = fixture();
    words::WordListCache cache;
    words::findWords(cache, f.programFolder, f.pattern);
    qsizetype found = 0;
    for (auto _ : state) {
        found = words::findWords(cache, f.programFolder, f.pattern).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = static_cast<double>(found);
}

void SearchReadingTheFile(benchmark::State& state) {
    Fixture& f = fixture();
    qsizetype found = 0;
    for (auto _ : state) {
        words::WordListCache cache;
        found = words::findWords(cache, f.programFolder, f.pattern).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = static_cast<double>(found);
}

void Grep(benchmark::State& state) {
    Fixture& f = fixture();
    std::string regex = "^";
    for (char c : f.pattern)
        regex += c == '?' ? '.' : c;
    regex += '$';
    const std::string command = "LC_ALL=C grep -c -e '" + regex + "' '" + f.linesPath + "'";
    long found = 0;
    for (auto _ : state) {
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe || std::fscanf(pipe, "%ld", &found) != 1) {
            state.SkipWithError("grep did not run");
            if (pipe)
                pclose(pipe);
            return;
        }
        pclose(pipe);
    }
    state.counters["found"] = static_cast<double>(found);
}

void PlainScan(benchmark::State& state) {
    Fixture& f = fixture();
    const char* bytes = f.letters.constData();
    const char a = f.pattern[1], b = f.pattern[4], c = f.pattern[7];
    long found = 0;
    for (auto _ : state) {
        found = 0;
        for (const char* w = bytes; w < bytes + f.letters.size(); w += kLength)
            found += w[1] == a && w[4] == b && w[7] == c;
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = static_cast<double>(found);
}

} // namespace

BENCHMARK(SearchCached)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SearchReadingTheFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Grep)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(PlainScan)->Unit(benchmark::kMillisecond)->UseRealTime();

