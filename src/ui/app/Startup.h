#pragma once

#include <memory>

class AppState;
class frmForma;
namespace platform {
class Platform;
}

// Start-up: settings, letter font, main window, language, and the window shown in ModeEmpty.
std::unique_ptr<frmForma> startUp(AppState& state, platform::Platform& platform);
