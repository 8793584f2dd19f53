#pragma once

#include "app/AppState.h"
#include "app/MainWindow.h"
#include "support/ProgramFolder.h"
#include "support/ui/FakePlatform.h"

#include <memory>

// A temporary program folder, the application state on it and the main window that startUp
// brings up there, with the fake desktop.
struct RunningProgram {
    TempProgramFolder folder;
    AppState state{folder.path()};
    FakePlatform fake;
    std::unique_ptr<MainWindow> form;

    // Runs the start-up; call it after preparing the folder.
    MainWindow& start();
    // Copies a language file that ships with the program into the folder's Language/.
    void installLanguage(const char* file) const;
};
