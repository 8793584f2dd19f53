// The crossword file: writing and reading a 100 × 100 crossword with every answer and clue,
// beside copying the same number of bytes through QFile.
#include "BenchCrosswords.h"
#include "Paired.h"

#include "files/CrosswordFile.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

namespace {

using bench::timed;

struct Fixture {
    QTemporaryDir dir;
    CrosswordDocument doc = bench::answeredPattern(100);
    QString path = dir.filePath(QStringLiteral("bench.cfw"));
    QString copyPath = dir.filePath(QStringLiteral("copy.bin"));
    QByteArray bytes; // the file's bytes, for the references

    Fixture() {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        WriteCrosswordFile(buffer, doc);
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

// The references: the same bytes written through QFile (or QSaveFile, which the program's
// save uses to never damage the file already there), and read back through QFile.
double qfileWrite(const Fixture& f) {
    return timed([&f] {
        QFile out(f.copyPath);
        if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            out.write(f.bytes);
    });
}

double qsavefileWrite(const Fixture& f) {
    return timed([&f] {
        QSaveFile out(f.copyPath);
        if (out.open(QIODevice::WriteOnly)) {
            out.write(f.bytes);
            out.commit();
        }
    });
}

double qfileRead(const Fixture& f) {
    return timed([&f] {
        QFile in(f.copyPath);
        if (in.open(QIODevice::ReadOnly))
            benchmark::DoNotOptimize(in.readAll());
    });
}

void setBytes(benchmark::State& state, const Fixture& f) {
    state.counters["bytes"] = static_cast<double>(f.bytes.size());
    state.counters["goal"] = 3.0;
}

void WriteCrossword_Device(benchmark::State& state) {
    Fixture& f = fixture();
    bench::runPaired(state,
                     [&f] {
                         return timed([&f] {
                             QFile out(f.path);
                             if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
                                 benchmark::DoNotOptimize(WriteCrosswordFile(out, f.doc));
                         });
                     },
                     {{"qfile", [&f] { return qfileWrite(f); }}});
    setBytes(state, f);
}

void WriteCrossword_Path(benchmark::State& state) {
    Fixture& f = fixture();
    CrosswordDocument doc = f.doc;
    bench::runPaired(
        state,
        [&f, &doc] {
            return timed([&f, &doc] { benchmark::DoNotOptimize(WriteCrosswordFile(f.path, doc)); });
        },
        {{"qfile", [&f] { return qfileWrite(f); }},
         {"qsavefile", [&f] { return qsavefileWrite(f); }}});
    setBytes(state, f);
}

void ReadCrossword_Device(benchmark::State& state) {
    Fixture& f = fixture();
    WriteCrosswordFile(f.path, f.doc);
    qfileWrite(f);
    CrosswordDocument doc;
    bench::runPaired(state,
                     [&f, &doc] {
                         return timed([&f, &doc] {
                             QFile in(f.path);
                             if (in.open(QIODevice::ReadOnly))
                                 benchmark::DoNotOptimize(ReadCrosswordFile(in, doc));
                         });
                     },
                     {{"qfile", [&f] { return qfileRead(f); }}});
    if (doc.WordCount != f.doc.WordCount)
        state.SkipWithError("the crossword did not read back");
    setBytes(state, f);
}

void ReadCrossword_Path(benchmark::State& state) {
    Fixture& f = fixture();
    WriteCrosswordFile(f.path, f.doc);
    qfileWrite(f);
    CrosswordDocument doc;
    bench::runPaired(
        state,
        [&f, &doc] {
            return timed([&f, &doc] { benchmark::DoNotOptimize(ReadCrosswordFile(f.path, doc)); });
        },
        {{"qfile", [&f] { return qfileRead(f); }}});
    if (doc.WordCount != f.doc.WordCount)
        state.SkipWithError("the crossword did not read back");
    setBytes(state, f);
}

// Save and open again through the paths, as the user does, beside QFile's write then read,
// and beside the same with QSaveFile's write, which the save needs to never lose the file
// already there (a temporary file, flushed to the disk, then renamed over it).
void RoundTripCrossword(benchmark::State& state) {
    Fixture& f = fixture();
    CrosswordDocument written = f.doc;
    CrosswordDocument read;
    bench::runPaired(state,
                     [&] {
                         return timed([&] {
                             WriteCrosswordFile(f.path, written);
                             benchmark::DoNotOptimize(ReadCrosswordFile(f.path, read));
                         });
                     },
                     {{"qfile", [&f] { return qfileWrite(f) + qfileRead(f); }},
                      {"qsavefile", [&f] { return qsavefileWrite(f) + qfileRead(f); }}});
    setBytes(state, f);
}

} // namespace

BENCHMARK(WriteCrossword_Device)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(WriteCrossword_Path)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(ReadCrossword_Device)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(ReadCrossword_Path)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(RoundTripCrossword)->Unit(benchmark::kMillisecond)->UseManualTime();
