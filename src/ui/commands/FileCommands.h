#pragma once

#include "app/RecentFiles.h"
#include "commands/CommandContext.h"
#include "files/FileCommon.h"

#include <QObject>

#include <array>
#include <functional>

class QAction;
class QMenu;

// The crossword's files: a new grid, opening a crossword, an ipuz file or an answers file, saving
// them, the crossword's properties and password, and the recent files. What the window shows
// after a command comes from its signals.
class FileCommands : public QObject {
    Q_OBJECT
public:
    explicit FileCommands(CommandContext context);

    QAction* newCrosswordAction() const { return newCrossword_; }
    QAction* openCrosswordAction() const { return openCrossword_; }
    QAction* openAnswersAction() const { return openAnswers_; }
    QAction* saveAction() const { return save_; }
    QAction* saveAsAction() const { return saveAs_; }
    QAction* unlockAction() const { return unlock_; }
    QAction* propertiesAction() const { return properties_; }
    // File > Recent files before `before`: recentFileAction_0 (the newest) to recentFileAction_7,
    // hidden beyond the list, read from beside the settings file.
    void addRecentMenu(QMenu* fileMenu, QAction* before);
    const RecentFiles& recentFiles() const { return recentFiles_; }
    // Our own texts; the actions' captions are numbered language entries.
    void applyCaptions();
    void updateEnabled();

    void newCrossword();
    void openCrossword();
    void openAnswers();
    void save();
    void saveAs();
    void editProperties();
    void unlock();
    // Opens entry index as its menu command opens such a file; a file no longer there is
    // reported and leaves the list.
    void openRecentFile(int index);
    // A file named on the command line: an answers file (*.otv) as File > Open answers opens
    // it, anything else as a crossword the way Crossword > Open does.
    void openFileFromCommandLine(const QString& path);

    // Whether the calling command may go on after the unsaved-changes question.
    enum class Discard { GoOn, Abandon };
    Discard confirmDiscardChanges();

signals:
    // A new empty grid waits for drawing.
    void newGridStarted();
    // A crossword file was read; captionMode: the mode its caption shows.
    void crosswordOpened(EditMode captionMode);
    // The file could not be read: the previous crossword stays, but nothing of it can be typed.
    void openFailed();
    // An answers file's crossword could not be opened; the window shows none.
    void openAbandoned();
    // An ipuz file's crossword became the author's.
    void crosswordImported();
    // An answers file was applied to the crossword already shown (sameCrossword) or to the one
    // just opened for it.
    void answersApplied(bool sameCrossword);
    // The solver goes on at the slots of this number.
    void numberChosen(int number);
    // The password was accepted: the crossword is the author's again.
    void unlocked();

private:
    // After a crossword was opened: one that lacks answers asks for the password.
    void completeIncompleteCrossword();
    void saveDocument(bool askForName);
    void saveCrosswordAs();
    void saveAnswersAs();
    // Save with the overwrite question and the failure messages; true when the file was written.
    bool saveCrosswordFile(const QString& path);
    bool saveAnswersFile(const QString& path);
    // Runs save unless the user declines to replace a file other than the document's own
    // (ownPath); a failure is reported. True when the file was written.
    bool saveAsked(const QString& path, const QString& ownPath,
                   const std::function<FileStatus()>& save);
    // False when the dialog was cancelled; otherwise the session's mode tells how the reading
    // went.
    bool chooseAndOpenCrossword();
    // A file the user named to open: an ipuz file (by its extension) for solving when it has
    // every answer, else for the author; anything else as a crossword file.
    void openNamedFile(const QString& path);
    // Shows a crossword the session opened from path; false when it could not be, reported,
    // leaving ModeOpenFailed over a crossword shown before, ModeEmpty over none (nothingShown),
    // or for a refused ipuz file the crossword shown as it was.
    bool showOpenedFile(const QString& path, const CrosswordSession::FileOpenOutcome& out,
                        bool nothingShown);
    void openAnswersFile();
    // Applies an answers file, opening its crossword when another one is shown.
    void openAnswersFile(const QString& path);
    void reportCellSizeReduced(int reducedTo) const;
    void showFileFailure(FileStatus status) const;
    // Puts a file just opened or saved first in the list and stores the list.
    void rememberFile(const QString& path);
    void showRecentFiles();
    void storeRecentFiles();

    CommandContext context_;
    QAction* newCrossword_;
    QAction* openCrossword_;
    QAction* openAnswers_;
    QAction* save_;
    QAction* saveAs_;
    QAction* unlock_;
    QAction* properties_;
    QMenu* recentMenu_ = nullptr;
    std::array<QAction*, RecentFiles::kMaxEntries> recentActions_{};
    RecentFiles recentFiles_;
};
