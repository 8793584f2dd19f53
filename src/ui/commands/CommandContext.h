#pragma once

#include "app/AppState.h"
#include "platform/Platform.h"

#include <QByteArray>
#include <QKeySequence>
#include <QString>

#include <functional>
#include <utility>

class QAction;
class QLineEdit;
class QObject;

// What a command class works with: the crossword through the session, the desktop through the
// platform, and the widget its dialogs and messages belong to. It never names the window.
struct CommandContext {
    AppState& state;
    platform::Platform& platform;
    QWidget* parent;
    // Stores a clue typed into the clue box without Enter, before a command saves, exports or
    // steps through the history.
    std::function<void()> commitTypedClue;

    // A message box titled MessageTitle; the text in Windows-1251.
    platform::Answer message(const QByteArray& text, platform::Icon icon,
                             platform::Buttons buttons = platform::Buttons::Ok,
                             platform::Answer defaultButton = platform::Answer::Ok) const;
    // A typed letter that contradicts the crossing word: reported, then selected in box, where
    // the user overtypes it. position is 1-based.
    void reportLetterConflict(QLineEdit& box, int position, unsigned char crossing,
                              unsigned char typed) const;
    // Every word is solved: the message with the time taken and the hints used.
    void reportSolved() const;
    // The question before a file at path is replaced; true when the user agreed.
    bool replaceConfirmed(const QString& path) const;
    // The Open (isSave false) or Save dialog in SamplesFolder; filter is NUL-separated
    // Windows-1251. Returns the chosen path, "" on cancel; a chosen path moves SamplesFolder.
    QString chooseFile(bool isSave, const QString& defaultName, const QByteArray& filter) const;
};

namespace commands {

// An action of a command class: named for tests and the language tables, owned by owner.
QAction* makeAction(QObject* owner, const char* name);

// Enables each action whose mode-table bit the current mode's row holds.
void enableForMode(const AppState& state,
                   std::initializer_list<std::pair<unsigned, QAction*>> actions);

// The platform's keys for key; where it has none, fallback (a portable text such as
// "Ctrl+Shift+S") when given.
void setStandardKeys(QAction* action, QKeySequence::StandardKey key,
                     const char* fallback = nullptr);

} // namespace commands
