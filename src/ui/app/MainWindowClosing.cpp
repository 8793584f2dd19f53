// Writing the settings file and closing the window after the unsaved-changes question.
#include "app/MainWindow.h"
#include "app/WindowPlacement.h"
#include "app/language/LanguageFile.h"
#include "commands/FileCommands.h"

#include <QCloseEvent>

void MainWindow::saveSettingsFile() {
    const SettingsWriteResult result = state_.saveSettings();
    if (result == SettingsWriteResult::Ok)
        return;
    const LangEntry entry = result == SettingsWriteResult::AccessDenied ? LangEntry::AccessDenied
                                                                        : LangEntry::NotWritten;
    message(fileFailureText(state_.language, Settings::kFileName, entry), platform::Icon::Critical);
}

void MainWindow::confirmClose(QCloseEvent& event) {
    if (fileCommands_->confirmDiscardChanges() == FileCommands::Discard::Abandon) {
        event.ignore();
        return;
    }
    saveSettingsFile();
    windowplacement::store(*this, state_.SettingsFolder);
    event.accept();
}
