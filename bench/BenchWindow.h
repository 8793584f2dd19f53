#pragma once

#include "app/AppState.h"
#include "app/MainWindow.h"
#include "grid/GridView.h"
#include "platform/SilentPlatform.h"

#include <QTemporaryDir>

namespace bench {

// The desktop for the window benchmarks: every question answered Yes, the Save dialog
// answering savePath; a critical message counts as a failure of the measured command.
struct BenchPlatform : platform::SilentPlatform {
    BenchPlatform() { answer = platform::Answer::Yes; }
};

// The main window on an empty program folder with the default settings (cell size 20), never
// shown.
struct Window {
    QTemporaryDir folder;
    AppState app{folder.path()};
    BenchPlatform platform;
    MainWindow form{app, platform};
    GridView* view = form.findChild<GridView*>();
    Window() { form.applyLetterFont(); }
};

} // namespace bench
