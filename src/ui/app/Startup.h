#pragma once

#include <memory>

class AppState;
class MainWindow;
namespace platform {
class Platform;
}

// Start-up: settings, letter font, main window, language, and the window shown in ModeEmpty.
std::unique_ptr<MainWindow> startUp(AppState& state, platform::Platform& platform);
