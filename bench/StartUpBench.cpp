// Start-up to the shown main window, beside a minimal Qt Widgets program that shows an empty
// QMainWindow (of the default size and of the program's): inside this process (QApplication already
// there) and, the honest end-to-end figure, as a whole process from its start until the shown
// window has been painted and it has quit.
#include "BenchWindow.h"
#include "Paired.h"
#include "ProgramFolderCopy.h"

#include "app/Startup.h"

#include <QCoreApplication>
#include <QMainWindow>

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

extern char** environ;

namespace {

using bench::timed;

constexpr double kGoal = 1.3;
// The main window's size at start, which the sized references take as well.
constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 600;

// Runs the events until the shown window has been painted (it is then on the screen).
class PaintWait : public QObject {
public:
    explicit PaintWait(QWidget& window) { window.installEventFilter(this); }
    void run() const {
        while (!painted_)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted_ = true;
        return QObject::eventFilter(watched, event);
    }

private:
    bool painted_ = false;
};

// Start-up as main() runs it, on a program folder with the language files and a settings
// file, then the events until the shown window has been painted.
void StartUpInProcess(benchmark::State& state) {
    bench::ProgramFolderCopy folder;
    {
        // The settings file a closed program leaves behind, so that start-up reads one.
        AppState app(folder.path());
        bench::BenchPlatform platform;
        startUp(app, platform)->saveSettingsFile();
    }
    const auto startUpOnce = [&folder] {
        std::unique_ptr<AppState> app;
        bench::BenchPlatform platform;
        std::unique_ptr<MainWindow> form;
        const double t = timed([&] {
            app = std::make_unique<AppState>(folder.path());
            form = startUp(*app, platform);
            PaintWait(*form).run();
        });
        if (platform.failures > 0)
            std::abort(); // a start-up that reports a failure measures nothing
        if (form->size() != QSize(kWindowWidth, kWindowHeight))
            std::abort(); // the sized references would not be the same window any more
        return t;
    };
    const auto minimalOnce = [](bool sized) {
        std::unique_ptr<QMainWindow> window;
        return timed([&window, sized] {
            window = std::make_unique<QMainWindow>();
            if (sized)
                window->resize(kWindowWidth, kWindowHeight);
            const PaintWait wait(*window);
            window->show();
            wait.run();
        });
    };
    bench::runPaired(state, startUpOnce,
                     {{"minimal", [&minimalOnce] { return minimalOnce(false); }},
                      {"minimal_sized", [&minimalOnce] { return minimalOnce(true); }}});
    state.counters["goal"] = kGoal;
}

// Seconds from spawning program until it has exited; -1 when it could not run or failed.
double runProgram(const std::string& program, const std::vector<std::string>& arguments = {}) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (entry.rfind("QT_QPA_PLATFORM=", 0) != 0 &&
            entry.rfind("CLUEFORGE_QUIT_AFTER_SHOW=", 0) != 0)
            env.push_back(entry);
    }
    env.emplace_back("QT_QPA_PLATFORM=offscreen");
    env.emplace_back("CLUEFORGE_QUIT_AFTER_SHOW=1");
    std::vector<char*> envp;
    for (std::string& entry : env)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::vector<std::string> args{program};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    int status = 0;
    pid_t pid = 0;
    const double t = timed([&] {
        if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), envp.data()) != 0)
            pid = 0;
        else
            waitpid(pid, &status, 0);
    });
    return pid != 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0 ? t : -1;
}

// The built program copied into a program folder of its own (so that its settings and
// language files are those of a fresh installation), beside the minimal program.
void StartUpProcess(benchmark::State& state) {
    const bench::ProgramFolderCopy folder(QStringLiteral(CLUEFORGE_PROGRAM));
    const std::string program = folder.file(QStringLiteral("clueforge")).toStdString();
    const std::string minimal = CLUEFORGE_MINIMAL_PROGRAM;
    if (runProgram(program) < 0 || runProgram(minimal) < 0) {
        state.SkipWithError("a program did not run");
        return;
    }
    // The references: an empty window of the default size; one of the program's size; and one
    // of that size showing a word, since nearly all that sets the program apart from an empty
    // window is the font system's one-time set-up, which any text on screen needs.
    const std::string size =
        "--size=" + std::to_string(kWindowWidth) + "x" + std::to_string(kWindowHeight);
    bench::runPaired(state, [&program] { return runProgram(program); },
                     {{"minimal", [&minimal] { return runProgram(minimal); }},
                      {"minimal_sized", [&minimal, &size] { return runProgram(minimal, {size}); }},
                      {"minimal_sized_text", [&minimal, &size] {
                           return runProgram(minimal, {size, "--text"});
                       }}});
    state.counters["goal"] = kGoal;
}

} // namespace

BENCHMARK(StartUpInProcess)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(StartUpProcess)->Unit(benchmark::kMillisecond)->UseManualTime();
