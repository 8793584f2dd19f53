// The fill engine beside Qxw on the grids of bench/fill/grids, with the same words (the
// program's Data/ lists) and no word twice: per grid, solved or not by each, the times and their
// ratio, every fill checked by one checker. Our side runs in a child process of this program
// ("--ours GRID"), so that its peak memory is that grid's alone.
#include "fill/FillEngine.h"
#include "fill/FillWords.h"
#include "text/CodePage.h"
#include "words/WordList.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <limits>
#include <mutex>
#include <optional>
#include <thread>

namespace {

struct Grid {
    QString name;
    int width = 0;
    int height = 0;
    QByteArray cells; // '.', '#' or a placed letter in Windows-1251
    int blacks() const { return static_cast<int>(cells.count('#')); }
};

// Rows of '.', '#' or a capital letter (UTF-8); blank lines are skipped. Empty on a malformed
// file (rows of different lengths, another character).
std::optional<Grid> readGrid(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    Grid grid;
    grid.name = QFileInfo(path).completeBaseName();
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty())
            continue;
        if (grid.width == 0)
            grid.width = static_cast<int>(line.size());
        if (line.size() != grid.width || !cp1251::canEncode(line))
            return std::nullopt;
        const QByteArray row = cp1251::fromUnicode(line);
        for (char c : row)
            if (c != '.' && c != '#' && static_cast<unsigned char>(c) < 0xC0)
                return std::nullopt;
        grid.cells += row;
        ++grid.height;
    }
    if (grid.height == 0)
        return std::nullopt;
    return grid;
}

// Runs of two or more open cells: across and then down, each in the order of their first cells
// row by row, as clues are numbered (the order of Qxw's deck too).
fill::Problem problemOf(const Grid& grid) {
    fill::Problem problem;
    problem.cellCount = static_cast<int>(grid.cells.size());
    problem.fixed = QByteArray(problem.cellCount, '\0');
    for (int i = 0; i < problem.cellCount; ++i)
        if (grid.cells[i] != '.' && grid.cells[i] != '#')
            problem.fixed[i] = grid.cells[i];
    const auto open = [&](int x, int y) { return grid.cells[y * grid.width + x] != '#'; };
    std::ptrdiff_t across = 0;
    for (int down = 0; down < 2; ++down) {
        if (down)
            across = static_cast<std::ptrdiff_t>(problem.slotCells.size());
        const int lines = down ? grid.width : grid.height;
        const int along = down ? grid.height : grid.width;
        for (int line = 0; line < lines; ++line) {
            std::vector<int> run;
            for (int i = 0; i <= along; ++i) {
                const int x = down ? line : i;
                const int y = down ? i : line;
                if (i < along && open(x, y)) {
                    run.push_back(y * grid.width + x);
                    continue;
                }
                if (run.size() >= 2)
                    problem.slotCells.push_back(run);
                run.clear();
            }
        }
    }
    const auto downs = problem.slotCells.begin() + across;
    std::stable_sort(downs, problem.slotCells.end(),
                     [](const auto& a, const auto& b) { return a.front() < b.front(); });
    return problem;
}

// The words of Data/2.dat to Data/24.dat of a program folder, Windows-1251.
QList<QByteArray> readWords(const QString& programFolder) {
    QList<QByteArray> out;
    for (int length = words::kMinPatternLength; length <= words::kMaxPatternLength; ++length) {
        QFile file(words::wordListPath(programFolder, length));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const words::WordList list = words::readWordList(file, length);
        for (qsizetype i = 0; i < list.count(); ++i)
            out.append(list.word(i).toByteArray());
    }
    return out;
}

// Empty when the fill holds: a word per slot, each of the list, crossings agreeing, placed
// letters kept, no word twice. Else what is wrong.
QString checkFill(const fill::Problem& problem, const std::vector<QByteArray>& words,
                  const QSet<QByteArray>& list) {
    if (words.size() != problem.slotCells.size())
        return QStringLiteral("%1 words for %2 slots")
            .arg(words.size())
            .arg(problem.slotCells.size());
    QByteArray letters = problem.fixed;
    QSet<QByteArray> used;
    for (std::size_t s = 0; s < words.size(); ++s) {
        const std::vector<int>& cells = problem.slotCells[s];
        const QByteArray& word = words[s];
        const QString shown = cp1251::toUnicode(word);
        if (word.size() != static_cast<qsizetype>(cells.size()))
            return QStringLiteral("slot %1: %2 is not %3 letters")
                .arg(s)
                .arg(shown)
                .arg(cells.size());
        if (!list.contains(word))
            return QStringLiteral("slot %1: %2 is not in the list").arg(s).arg(shown);
        if (used.contains(word))
            return QStringLiteral("slot %1: %2 twice").arg(s).arg(shown);
        used.insert(word);
        for (std::size_t i = 0; i < cells.size(); ++i) {
            char& cell = letters[cells[i]];
            if (cell != '\0' && cell != word[i])
                return QStringLiteral("slot %1: %2 disagrees at cell %3")
                    .arg(s)
                    .arg(shown)
                    .arg(cells[i]);
            cell = word[i];
        }
    }
    return {};
}

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The child: loads the lists, fills one grid within `limitSeconds` (loading included), prints
// "load_ms", "fill_ms", "status", "steps", "load_kb" (peak after loading), "peak_kb", the
// assistant's times ("suggest_ms", the slowest slot's suggestions on the grid as given;
// "dead_ms", the slowest dead-cell update after placing one word of the fill) and the words,
// one "W <UTF-8 word>" per slot.
int runOurs(const QString& programFolder, const QString& gridPath, double limitSeconds,
            int threads) {
    const std::optional<Grid> grid = readGrid(gridPath);
    if (!grid) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(gridPath));
        return 2;
    }
    const fill::Problem problem = problemOf(*grid);
    std::atomic_bool cancel = false;
    std::mutex mutex;
    std::condition_variable wake;
    bool done = false;
    std::thread timer([&] {
        std::unique_lock lock(mutex);
        if (!wake.wait_for(lock, std::chrono::duration<double>(limitSeconds), [&] { return done; }))
            cancel = true;
    });
    QElapsedTimer clock;
    clock.start();
    const fill::Lexicon lexicon = fill::loadLexicon({programFolder});
    const qint64 loadNs = clock.nsecsElapsed();
    const long loadKb = peakKilobytes();
    fill::Options options;
    options.seed = 1;
    options.stepLimit = std::numeric_limits<std::int64_t>::max();
    options.cancel = &cancel;
    options.threads = threads;
    const fill::Result result = fill::fillGrid(problem, lexicon, options);
    const qint64 totalNs = clock.nsecsElapsed();
    {
        std::lock_guard lock(mutex);
        done = true;
    }
    wake.notify_all();
    timer.join();
    const char* status = "nofill";
    if (result.status == fill::Result::Status::Filled)
        status = "filled";
    else if (result.status != fill::Result::Status::NoFill)
        status = "stopped";
    std::printf("load_ms %.3f\nfill_ms %.3f\nstatus %s\nsteps %lld\nload_kb %ld\npeak_kb %ld\n",
                loadNs / 1e6, (totalNs - loadNs) / 1e6, status,
                static_cast<long long>(result.steps), loadKb, peakKilobytes());
    // What the author waits for after each placement, timed as the window asks for it.
    double suggestMs = 0;
    for (int slot = 0; slot < static_cast<int>(problem.slotCells.size()); ++slot) {
        clock.restart();
        fill::suggestWords(problem, lexicon, slot, 50); // as many as the window asks for
        suggestMs = std::max(suggestMs, clock.nsecsElapsed() / 1e6);
    }
    double deadMs = 0;
    for (std::size_t slot = 0; slot < result.words.size(); ++slot) {
        fill::Problem placed = problem;
        for (std::size_t k = 0; k < problem.slotCells[slot].size(); ++k)
            placed.fixed[problem.slotCells[slot][k]] =
                result.words[slot][static_cast<qsizetype>(k)];
        clock.restart();
        fill::deadCells(placed, lexicon);
        deadMs = std::max(deadMs, clock.nsecsElapsed() / 1e6);
    }
    std::printf("suggest_ms %.3f\ndead_ms %.3f\n", suggestMs, deadMs);
    for (const QByteArray& word : result.words)
        std::printf("W %s\n", cp1251::toUnicode(word).toUtf8().constData());
    return 0;
}

struct Run {
    enum class Outcome { Filled, NoFill, OutOfTime, Failed };
    Outcome outcome = Outcome::Failed;
    double seconds = 0;     // whole run (list loading included)
    double fillSeconds = 0; // ours: the fill alone
    long peakKb = 0;
    long loadKb = 0;
    double suggestMs = 0; // ours: the slowest slot's suggestions
    double deadMs = 0;    // ours: the slowest dead-cell update after a placement
    std::vector<QByteArray> words;
    QString problem; // checker's complaint or why the run failed
};

// Runs a program to its end or `timeoutSeconds`; wall time in `seconds`.
QByteArray runProcess(const QString& program, const QStringList& arguments, double timeoutSeconds,
                      double& seconds, int& exitCode, bool& timedOut) {
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    timedOut = false;
    if (!process.waitForStarted(10'000)) {
        exitCode = -1;
        return {};
    }
    if (!process.waitForFinished(static_cast<int>(timeoutSeconds * 1000))) {
        timedOut = true;
        process.kill();
        process.waitForFinished();
    }
    seconds = clock.nsecsElapsed() / 1e9;
    exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return process.readAllStandardOutput();
}

// `program`: this program, or another build of it (an earlier engine) answering "--ours".
Run runOursChild(const QString& program, const QString& gridPath, double limitSeconds,
                 const QStringList& extra = {}) {
    Run run;
    double wall = 0;
    int exitCode = 0;
    bool timedOut = false;
    const QStringList arguments =
        QStringList{QStringLiteral("--ours"), gridPath, QStringLiteral("--limit"),
                    QString::number(limitSeconds)} +
        extra;
    const QByteArray out =
        runProcess(program, arguments, limitSeconds + 60, wall, exitCode, timedOut);
    if (exitCode != 0 || timedOut) {
        run.problem = QStringLiteral("the child failed (exit %1)").arg(exitCode);
        return run;
    }
    double loadMs = 0;
    double fillMs = 0;
    for (const QByteArray& line : out.split('\n')) {
        const QByteArray value = line.mid(line.indexOf(' ') + 1);
        if (line.startsWith("W "))
            run.words.push_back(cp1251::fromUnicode(QString::fromUtf8(value)));
        else if (line.startsWith("load_ms "))
            loadMs = value.toDouble();
        else if (line.startsWith("fill_ms "))
            fillMs = value.toDouble();
        else if (line.startsWith("load_kb "))
            run.loadKb = value.toLong();
        else if (line.startsWith("peak_kb "))
            run.peakKb = value.toLong();
        else if (line.startsWith("suggest_ms "))
            run.suggestMs = value.toDouble();
        else if (line.startsWith("dead_ms "))
            run.deadMs = value.toDouble();
        else if (line == "status filled")
            run.outcome = Run::Outcome::Filled;
        else if (line == "status nofill")
            run.outcome = Run::Outcome::NoFill;
        else if (line == "status stopped")
            run.outcome = Run::Outcome::OutOfTime;
    }
    run.seconds = (loadMs + fillMs) / 1e3;
    run.fillSeconds = fillMs / 1e3;
    return run;
}

// A Qxw deck: no word twice, each slot's cells, and a pattern for a slot with placed letters.
// `.RANDOM 1` makes every run differ (one grid took 1.4 s, 10 s and 11 s); 0 repeats itself.
QByteArray qxwDeck(const fill::Problem& problem, bool random) {
    QByteArray deck = random ? ".RANDOM 1\n.UNIQUE 1\n" : ".RANDOM 0\n.UNIQUE 1\n";
    for (const std::vector<int>& cells : problem.slotCells) {
        QByteArray pattern;
        for (int cell : cells) {
            deck += QByteArray::number(cell) + ' ';
            const char c = problem.fixed[cell];
            pattern += c ? cp1251::toUnicode(QByteArray(1, c)).toUtf8() : QByteArray("?");
        }
        if (pattern.count('?') != static_cast<qsizetype>(cells.size()))
            deck += '=' + pattern;
        deck += '\n';
    }
    return deck;
}

Run runQxw(const QString& qxw, const QString& wordsPath, const QString& deckPath,
           double timeoutSeconds) {
    Run run;
    int exitCode = 0;
    bool timedOut = false;
    const QByteArray out =
        runProcess(qxw,
                   {QStringLiteral("-b"), QStringLiteral("-a"), QStringLiteral("RU"),
                    QStringLiteral("-d"), wordsPath, deckPath},
                   timeoutSeconds, run.seconds, exitCode, timedOut);
    if (timedOut) {
        run.outcome = Run::Outcome::OutOfTime;
        return run;
    }
    // 0 filled, 4 no fill found, anything else an error
    if (exitCode == 4) {
        run.outcome = Run::Outcome::NoFill;
        return run;
    }
    if (exitCode != 0) {
        run.problem = QStringLiteral("qxw exit %1").arg(exitCode);
        return run;
    }
    run.outcome = Run::Outcome::Filled;
    for (const QByteArray& line : out.split('\n')) {
        if (line.startsWith('W'))
            run.words.push_back(
                cp1251::fromUnicode(QString::fromUtf8(line.mid(line.indexOf(' ') + 1).trimmed())));
    }
    return run;
}

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

QString outcomeText(const Run& run, double limitSeconds) {
    switch (run.outcome) {
    case Run::Outcome::Filled:
        return run.problem.isEmpty() ? QStringLiteral("filled") : QStringLiteral("WRONG");
    case Run::Outcome::NoFill:
        return QStringLiteral("no fill");
    case Run::Outcome::OutOfTime:
        return QStringLiteral("not in %1 s").arg(limitSeconds);
    case Run::Outcome::Failed:
        break;
    }
    return QStringLiteral("error");
}

bool filled(const Run& run) {
    return run.outcome == Run::Outcome::Filled && run.problem.isEmpty();
}

void print(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}

// The goals of the heavy tail, for one engine: filled or proved unfillable within the limit on
// at least 90 % of the grids; every grid with a known fill (by anyone) filled within it; median
// at most 0.1 x Qxw's time over the grids both settle; the highest peak memory.
struct Tally {
    int grids = 0;
    int settled = 0;
    QStringList knownFillMissed;
    std::vector<double> ratios;
    long peakKb = 0;

    void add(const QString& name, const Run& run, bool knownFill, double limitSeconds,
             std::optional<double> ratio) {
        ++grids;
        const bool inTime = run.seconds <= limitSeconds;
        const bool done = filled(run) || run.outcome == Run::Outcome::NoFill;
        if (done && inTime)
            ++settled;
        if (knownFill && !(filled(run) && inTime))
            knownFillMissed << name;
        if (done && ratio)
            ratios.push_back(*ratio);
        peakKb = std::max(peakKb, run.peakKb);
    }
    void print(const QString& who, double limitSeconds, bool haveQxw) const {
        const auto verdict = [](bool met) {
            return met ? QStringLiteral("met") : QStringLiteral("MISSED");
        };
        ::print(QStringLiteral("Goal (%1), filled or proved unfillable within %2 s on >= 90 %: %3 "
                               "(%4 of %5)\n")
                    .arg(who)
                    .arg(limitSeconds)
                    .arg(verdict(settled * 10 >= grids * 9))
                    .arg(settled)
                    .arg(grids));
        ::print(QStringLiteral("Goal (%1), every grid with a known fill filled within %2 s: %3%4\n")
                    .arg(who)
                    .arg(limitSeconds)
                    .arg(verdict(knownFillMissed.isEmpty()),
                         knownFillMissed.isEmpty()
                             ? QString()
                             : QStringLiteral(" (%1)").arg(knownFillMissed.join(u", "))));
        if (haveQxw)
            ::print(QStringLiteral("Goal (%1), median at most 0.1 x Qxw's where both finish: %2 "
                                   "(median ratio %3 over %4 grids)\n")
                        .arg(who)
                        .arg(verdict(!ratios.empty() && median(ratios) <= 0.1))
                        .arg(median(ratios), 0, 'f', 3)
                        .arg(ratios.size()));
        ::print(QStringLiteral("Peak memory (%1): %2 MB at most\n")
                    .arg(who)
                    .arg(peakKb / 1024.0, 0, 'f', 1));
    }
};

struct Settings {
    QString programFolder;
    QString gridFolder;
    QString qxw;
    QString only;    // grid names containing this
    QString before;  // another build of this program, whose engine is timed beside ours
    int threads = 0; // our searches racing: 0 one per core
    double limitSeconds = 10;
    double qxwTimeoutSeconds = 90;
    bool qxwRandom = false;
};

// The slowest answer to a cancel, from the moment the flag is set to the fill's return, on a
// fully open 7 × 7 (no fill exists: the search would run for seconds) cancelled after 30 ms to
// 1 s.
double slowestCancel(const QString& programFolder) {
    const fill::Lexicon lexicon = fill::loadLexicon({programFolder});
    fill::Problem open7{49, {}, QByteArray(49, '\0')};
    for (int i = 0; i < 7; ++i) {
        std::vector<int> across;
        std::vector<int> down;
        for (int k = 0; k < 7; ++k) {
            across.push_back(i * 7 + k);
            down.push_back(k * 7 + i);
        }
        open7.slotCells.push_back(across);
        open7.slotCells.push_back(down);
    }
    double slowest = 0;
    for (const int afterMs : {30, 100, 300, 1000}) {
        std::atomic_bool cancel = false;
        std::chrono::steady_clock::time_point set;
        std::thread canceller([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(afterMs));
            set = std::chrono::steady_clock::now();
            cancel = true;
        });
        fill::Options options;
        options.cancel = &cancel;
        options.stepLimit = std::numeric_limits<std::int64_t>::max();
        const fill::Result result = fill::fillGrid(open7, lexicon, options);
        const auto returned = std::chrono::steady_clock::now();
        canceller.join();
        if (result.status == fill::Result::Status::Cancelled)
            slowest = std::max(slowest,
                               std::chrono::duration<double, std::milli>(returned - set).count());
    }
    return slowest;
}

int compare(const Settings& settings) {
    const QList<QByteArray> allWords = readWords(settings.programFolder);
    const QSet<QByteArray> list(allWords.begin(), allWords.end());
    if (list.isEmpty()) {
        print(QStringLiteral("No word lists in %1Data/: build the target clueforge first.\n")
                  .arg(settings.programFolder));
        return 1;
    }
    QTemporaryDir dir;
    const QString wordsPath = dir.filePath(QStringLiteral("words.txt"));
    {
        QFile file(wordsPath);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        for (const QByteArray& word : list)
            file.write(cp1251::toUnicode(word).toUtf8() + '\n');
    }
    print(QStringLiteral("%1 words (%2Data/), no word twice; our limit %3 s a grid (loading "
                         "included), Qxw's %4 s\n")
              .arg(list.size())
              .arg(settings.programFolder)
              .arg(settings.limitSeconds)
              .arg(settings.qxwTimeoutSeconds));

    double qxwLoad = 0;
    if (settings.qxw.isEmpty()) {
        print(QStringLiteral("Qxw not run (not found, or --no-qxw): its columns stay empty; "
                             "scripts/deps.sh --bench installs it.\n"));
    } else {
        // Loading the list alone: a deck of one two-letter slot, the best of three runs.
        const QString deckPath = dir.filePath(QStringLiteral("load.qxd"));
        QFile deck(deckPath);
        if (deck.open(QIODevice::WriteOnly))
            deck.write(qxwDeck({2, {{0, 1}}, QByteArray(2, '\0')}, settings.qxwRandom));
        deck.close();
        for (int i = 0; i < 3; ++i) {
            const Run run = runQxw(settings.qxw, wordsPath, deckPath, 60);
            qxwLoad = i == 0 ? run.seconds : std::min(qxwLoad, run.seconds);
        }
        print(QStringLiteral("Qxw loading the list alone: %1 s\n").arg(qxwLoad, 0, 'f', 3));
    }

    QStringList names = QDir(settings.gridFolder).entryList({QStringLiteral("*.txt")}, QDir::Files);
    print(QStringLiteral("\n%1 %2 %3 %4 %5 %6 %7 %8 %9 %10 %11 %12 %13 %14 %15 %16 %17 %18\n")
              .arg(QStringLiteral("grid"), -24)
              .arg(QStringLiteral("size"), -6)
              .arg(QStringLiteral("black"), 6)
              .arg(QStringLiteral("slots"), 5)
              .arg(QStringLiteral("ours"), -11)
              .arg(QStringLiteral("total_s"), 8)
              .arg(QStringLiteral("fill_s"), 8)
              .arg(QStringLiteral("peak_mb"), 7)
              .arg(QStringLiteral("fill_mb"), 7)
              .arg(QStringLiteral("qxw"), -11)
              .arg(QStringLiteral("qxw_s"), 8)
              .arg(QStringLiteral("qxw_fill_s"), 10)
              .arg(QStringLiteral("ratio"), 6)
              .arg(QStringLiteral("ratio_fill"), 10)
              .arg(QStringLiteral("suggest_ms"), 10)
              .arg(QStringLiteral("dead_ms"), 7)
              .arg(settings.before.isEmpty() ? QString() : QStringLiteral("before"), -11)
              .arg(settings.before.isEmpty() ? QString() : QStringLiteral("before_s"), 8));
    std::vector<double> oursTotals;
    std::vector<double> qxwTotals;
    std::vector<double> ratios;
    int oursWithinLimit = 0;
    int qxwWithinLimit = 0;
    QStringList missed;     // filled by Qxw, not by us
    QStringList slowMissed; // Qxw over 10 s, ours over 0.2 x that
    QStringList easyMissed; // easy 15x15, ours not under 150 ms
    QStringList complaints;
    double slowestSuggest15 = 0; // ms, over the 15x15 grids
    double slowestDead15 = 0;
    double slowestSuggest21 = 0; // ms, over the 21x21 grids
    double slowestDead21 = 0;
    Tally oursTally;
    Tally beforeTally;
    for (const QString& name : names) {
        if (!settings.only.isEmpty() && !name.contains(settings.only))
            continue;
        const QString gridPath = QDir(settings.gridFolder).filePath(name);
        const std::optional<Grid> grid = readGrid(gridPath);
        if (!grid) {
            complaints << QStringLiteral("%1: cannot read the grid").arg(name);
            continue;
        }
        const fill::Problem problem = problemOf(*grid);
        const auto runEngine = [&](const QString& program, const QStringList& extra) {
            Run run = runOursChild(program, gridPath, settings.limitSeconds, extra);
            if (run.outcome == Run::Outcome::Filled)
                run.problem = checkFill(problem, run.words, list);
            if (run.outcome == Run::Outcome::OutOfTime)
                run.seconds = settings.limitSeconds;
            return run;
        };
        Run ours = runEngine(QCoreApplication::applicationFilePath(),
                             {QStringLiteral("--threads"), QString::number(settings.threads)});
        const bool haveBefore = !settings.before.isEmpty();
        Run before;
        if (haveBefore)
            before = runEngine(settings.before, {});
        Run qxw;
        if (!settings.qxw.isEmpty()) {
            const QString deckPath = dir.filePath(grid->name + QStringLiteral(".qxd"));
            QFile deck(deckPath);
            if (deck.open(QIODevice::WriteOnly))
                deck.write(qxwDeck(problem, settings.qxwRandom));
            deck.close();
            qxw = runQxw(settings.qxw, wordsPath, deckPath, settings.qxwTimeoutSeconds);
            if (qxw.outcome == Run::Outcome::Filled)
                qxw.problem = checkFill(problem, qxw.words, list);
        }
        for (const auto& [who, run] :
             {std::pair{QStringLiteral("ours"), &ours}, std::pair{QStringLiteral("qxw"), &qxw},
              std::pair{QStringLiteral("before"), &before}})
            if (!run->problem.isEmpty())
                complaints << QStringLiteral("%1, %2: %3").arg(grid->name, who, run->problem);
        const bool knownFill = filled(ours) || filled(qxw) || filled(before);
        const auto settledQxw = [&](const Run& run) {
            return qxw.outcome == Run::Outcome::Filled || qxw.outcome == Run::Outcome::NoFill
                       ? std::optional<double>(run.seconds / qxw.seconds)
                       : std::nullopt;
        };
        oursTally.add(grid->name, ours, knownFill, settings.limitSeconds, settledQxw(ours));
        if (haveBefore)
            beforeTally.add(grid->name, before, knownFill, settings.limitSeconds,
                            settledQxw(before));

        const bool haveQxw = !settings.qxw.isEmpty();
        const double qxwFill = std::max(0.0, qxw.seconds - qxwLoad);
        const bool bothTimed = haveQxw && qxw.seconds > 0;
        const double blackShare = 100.0 * grid->blacks() / grid->cells.size();
        print(QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10 %11 %12 %13 %14 %15 %16 %17 %18\n")
                  .arg(grid->name, -24)
                  .arg(QStringLiteral("%1x%2").arg(grid->width).arg(grid->height), -6)
                  .arg(QStringLiteral("%1%").arg(blackShare, 0, 'f', 1), 6)
                  .arg(problem.slotCells.size(), 5)
                  .arg(outcomeText(ours, settings.limitSeconds), -11)
                  .arg(ours.seconds, 8, 'f', 3)
                  .arg(ours.fillSeconds, 8, 'f', 3)
                  .arg(ours.peakKb / 1024.0, 7, 'f', 1)
                  .arg((ours.peakKb - ours.loadKb) / 1024.0, 7, 'f', 1)
                  .arg(haveQxw ? outcomeText(qxw, settings.qxwTimeoutSeconds) : QStringLiteral("-"),
                       -11)
                  .arg(haveQxw ? QString::number(qxw.seconds, 'f', 3) : QStringLiteral("-"), 8)
                  .arg(haveQxw ? QString::number(qxwFill, 'f', 3) : QStringLiteral("-"), 10)
                  .arg(bothTimed ? QString::number(ours.seconds / qxw.seconds, 'f', 3)
                                 : QStringLiteral("-"),
                       6)
                  .arg(bothTimed && qxwFill > 0
                           ? QString::number(ours.fillSeconds / qxwFill, 'f', 3)
                           : QStringLiteral("-"),
                       10)
                  .arg(ours.suggestMs, 10, 'f', 1)
                  .arg(ours.deadMs, 7, 'f', 1)
                  .arg(haveBefore ? outcomeText(before, settings.limitSeconds) : QString(), -11)
                  .arg(haveBefore ? QString::number(before.seconds, 'f', 3) : QString(), 8));
        if (grid->width == 15 && grid->height == 15) {
            slowestSuggest15 = std::max(slowestSuggest15, ours.suggestMs);
            slowestDead15 = std::max(slowestDead15, ours.deadMs);
        }
        if (grid->width == 21 && grid->height == 21) {
            slowestSuggest21 = std::max(slowestSuggest21, ours.suggestMs);
            slowestDead21 = std::max(slowestDead21, ours.deadMs);
        }

        oursTotals.push_back(ours.seconds);
        if (filled(ours) && ours.seconds <= settings.limitSeconds)
            ++oursWithinLimit;
        if (!haveQxw)
            continue;
        qxwTotals.push_back(qxw.seconds);
        ratios.push_back(ours.seconds / qxw.seconds);
        if (filled(qxw) && qxw.seconds <= settings.limitSeconds)
            ++qxwWithinLimit;
        if (filled(qxw) && !filled(ours))
            missed << grid->name;
        if (qxw.seconds > 10 && ours.seconds > 0.2 * qxw.seconds)
            slowMissed << grid->name;
        const bool easy15 =
            grid->width == 15 && grid->height == 15 && filled(qxw) && qxw.seconds < 1;
        if (easy15 && !(filled(ours) && ours.seconds < 0.15))
            easyMissed << grid->name;
    }
    if (settings.qxw.isEmpty())
        print(QStringLiteral("\nMedian per grid (whole run): ours %1 s\n")
                  .arg(median(oursTotals), 0, 'f', 3));
    else
        print(
            QStringLiteral("\nMedian per grid (whole run): ours %1 s, Qxw %2 s (median ratio %3)\n")
                .arg(median(oursTotals), 0, 'f', 3)
                .arg(median(qxwTotals), 0, 'f', 3)
                .arg(median(ratios), 0, 'f', 3));
    print(QStringLiteral("Filled within %1 s: ours %2, Qxw %3\n")
              .arg(settings.limitSeconds)
              .arg(oursWithinLimit)
              .arg(qxwWithinLimit));
    if (!missed.isEmpty())
        print(QStringLiteral("Filled by Qxw, not by us: %1\n")
                  .arg(missed.join(QStringLiteral(", "))));
    if (!qxwTotals.empty()) {
        const auto verdict = [](bool met) {
            return met ? QStringLiteral("met") : QStringLiteral("MISSED");
        };
        print(QStringLiteral("Goal, every grid Qxw fills we fill: %1\n")
                  .arg(verdict(missed.isEmpty())));
        print(QStringLiteral("Goal, more filled within %1 s than Qxw: %2\n")
                  .arg(settings.limitSeconds)
                  .arg(verdict(oursWithinLimit > qxwWithinLimit)));
        print(QStringLiteral("Goal, median time at most 0.5 x Qxw's: %1\n")
                  .arg(verdict(median(oursTotals) <= 0.5 * median(qxwTotals))));
        print(QStringLiteral("Goal, at most 0.2 x where Qxw takes over 10 s: %1%2\n")
                  .arg(verdict(slowMissed.isEmpty()),
                       slowMissed.isEmpty() ? QString()
                                            : QStringLiteral(" (%1)").arg(slowMissed.join(u", "))));
        print(QStringLiteral("Goal, each easy 15x15 (Qxw under 1 s) under 150 ms: %1%2\n")
                  .arg(verdict(easyMissed.isEmpty()),
                       easyMissed.isEmpty() ? QString()
                                            : QStringLiteral(" (%1)").arg(easyMissed.join(u", "))));
    }
    print(
        QStringLiteral("Goal, suggestions for a slot of a 15x15 under 50 ms: %1 (slowest %2 ms)\n")
            .arg(slowestSuggest15 < 50 ? QStringLiteral("met") : QStringLiteral("MISSED"))
            .arg(slowestSuggest15, 0, 'f', 1));
    print(QStringLiteral("Goal, dead cells after a placement in a 15x15 under 20 ms: %1 (slowest "
                         "%2 ms)\n")
              .arg(slowestDead15 < 20 ? QStringLiteral("met") : QStringLiteral("MISSED"))
              .arg(slowestDead15, 0, 'f', 1));
    print(QStringLiteral("Goal, on a 21x21 suggestions under 50 ms and dead cells under 20 ms: %1 "
                         "(slowest %2 ms and %3 ms)\n")
              .arg(slowestSuggest21 < 50 && slowestDead21 < 20 ? QStringLiteral("met")
                                                               : QStringLiteral("MISSED"))
              .arg(slowestSuggest21, 0, 'f', 1)
              .arg(slowestDead21, 0, 'f', 1));
    oursTally.print(QStringLiteral("ours"), settings.limitSeconds, !settings.qxw.isEmpty());
    if (!settings.before.isEmpty())
        beforeTally.print(QStringLiteral("before"), settings.limitSeconds, !settings.qxw.isEmpty());
    const double cancelMs = slowestCancel(settings.programFolder);
    print(QStringLiteral("Goal, a cancel answered within 50 ms: %1 (slowest %2 ms)\n")
              .arg(cancelMs < 50 ? QStringLiteral("met") : QStringLiteral("MISSED"))
              .arg(cancelMs, 0, 'f', 2));
    for (const QString& complaint : complaints)
        print(QStringLiteral("CHECK FAILED %1\n").arg(complaint));
    return complaints.isEmpty() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Settings settings;
    settings.programFolder = QStringLiteral(CLUEFORGE_PROGRAM_DIR "/");
    settings.gridFolder = QStringLiteral(CLUEFORGE_FILL_GRIDS);
    settings.qxw = QStandardPaths::findExecutable(QStringLiteral("qxw"));
    if (settings.qxw.isEmpty())
        settings.qxw =
            QStandardPaths::findExecutable(QStringLiteral("qxw"), {QStringLiteral("/usr/games")});
    QString oursGrid;
    const QStringList args = app.arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--ours") && hasValue)
            oursGrid = args[++i];
        else if (arg == QLatin1String("--limit") && hasValue)
            settings.limitSeconds = args[++i].toDouble();
        else if (arg == QLatin1String("--qxw-timeout") && hasValue)
            settings.qxwTimeoutSeconds = args[++i].toDouble();
        else if (arg == QLatin1String("--grids") && hasValue)
            settings.gridFolder = args[++i];
        else if (arg == QLatin1String("--only") && hasValue)
            settings.only = args[++i];
        else if (arg == QLatin1String("--threads") && hasValue)
            settings.threads = args[++i].toInt();
        else if (arg == QLatin1String("--before") && hasValue)
            settings.before = args[++i];
        else if (arg == QLatin1String("--qxw-random"))
            settings.qxwRandom = true;
        else if (arg == QLatin1String("--no-qxw"))
            settings.qxw.clear();
        else {
            std::fprintf(stderr,
                         "usage: %s [--limit S] [--qxw-timeout S] [--grids DIR] [--only TEXT] "
                         "[--qxw-random] [--no-qxw] [--before PROGRAM] [--threads N]\n",
                         argv[0]);
            return 2;
        }
    }
    if (!oursGrid.isEmpty())
        return runOurs(settings.programFolder, oursGrid, settings.limitSeconds, settings.threads);
    return compare(settings);
}
