#pragma once

class QMainWindow;
class QString;

// The main window's size, place and docks between runs, in the per-user file of WindowLayout
// beside the settings file.
namespace windowplacement {

// Before the window is first shown: as it was left, or on the first start a size that fits
// the screen, centred on it.
void restore(QMainWindow& window, const QString& settingsFolder);
// As the window closes. A file that cannot be written loses only the window's place, which
// the next start fits to the screen again: nothing is reported.
void store(const QMainWindow& window, const QString& settingsFolder);

} // namespace windowplacement
