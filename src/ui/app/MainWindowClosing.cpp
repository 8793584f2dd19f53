// Writing the settings file, the unsaved-changes question and closing the window.
#include "app/MainWindow.h"
#include "app/language/LanguageFile.h"

#include <QCloseEvent>

void MainWindow::saveSettingsFile() {
    const SettingsWriteResult result = state_.saveSettings();
    if (result == SettingsWriteResult::Ok)
        return;
    const LangEntry entry = result == SettingsWriteResult::AccessDenied ? LangEntry::AccessDenied
                                                                        : LangEntry::NotWritten;
    message(fileFailureText(state_.language, Settings::kFileName, entry), platform::Icon::Critical);
}

int MainWindow::confirmDiscardChanges() {
    commitTypedClue();
    const CrosswordDocument& doc = state_.doc();
    if (!doc.Modified)
        return 0;
    LangEntry entry = LangEntry::None;
    switch (doc.Mode) {
    case EditMode::ModeAuthor:
    case EditMode::ModeAuthorNoAnswers:
        entry = LangEntry::SaveChangesQuestion;
        break;
    case EditMode::ModeSolveNoAnswers:
    case EditMode::ModeSolve:
        entry = LangEntry::SaveAnswersQuestion;
        break;
    default:
        return 0;
    }
    const QByteArray question = state_.language.entry(entry);
    if (question.isEmpty())
        return 0;
    switch (message(question, platform::Icon::Warning, platform::Buttons::YesNoCancel,
                    platform::Answer::Yes)) {
    case platform::Answer::Yes:
        save();
        // A save that was cancelled or failed leaves the changes unsaved: going on would lose
        // them, so the command is abandoned instead.
        return doc.Modified ? 1 : 0;
    case platform::Answer::No:
        return 0;
    default:
        return 1;
    }
}

void MainWindow::confirmClose(QCloseEvent& event) {
    if (confirmDiscardChanges() == 1) {
        event.ignore();
        return;
    }
    saveSettingsFile();
    event.accept();
}
