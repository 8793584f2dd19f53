// The file commands: a new grid, opening and saving crosswords and answers files, ipuz import,
// properties and password, and the recent files.
#include "commands/FileCommands.h"

#include "app/ModeTable.h"
#include "app/language/LanguageFile.h"
#include "files/AnswersFile.h"
#include "files/CrosswordFile.h"
#include "files/PropertiesDialog.h"
#include "files/UnlockDialog.h"
#include "grid/NewCrosswordDialog.h"
#include "ipuz/IpuzFile.h"
#include "text/CodePage.h"
#include "text/Mnemonics.h"
#include "text/SequentialText.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

// The crossword files the program opens, its own and ipuz ones, then each kind alone.
QByteArray openFilter(const Language& lang) {
    const QByteArray crosswords = lang.caption(LangEntry::CrosswordMenu);
    return QByteArrayList{
        crosswords + " (*.cfw; *.ipuz)", "*.cfw;*.ipuz", crosswords + " (*.cfw)", "*.cfw",
        "ipuz crossword (*.ipuz)",       "*.ipuz",       "All Files (*.*)",       "*.*"}
        .join(char(0));
}

bool lacksProperties(const CrosswordDocument& doc) {
    return doc.CrosswordAuthor.isEmpty() || doc.CrosswordTitle.isEmpty() ||
           doc.CrosswordPassword.isEmpty();
}

bool isAnswersFile(const QString& path) {
    return path.endsWith(QStringLiteral(".otv"), Qt::CaseInsensitive);
}

} // namespace

FileCommands::FileCommands(CommandContext context)
    : QObject(context.parent), context_(std::move(context)),
      newCrossword_(commands::makeAction(this, "newCrosswordAction")),
      openCrossword_(commands::makeAction(this, "openCrosswordAction")),
      openAnswers_(commands::makeAction(this, "openAnswersAction")),
      save_(commands::makeAction(this, "saveAction")),
      saveAs_(commands::makeAction(this, "saveAsAction")),
      unlock_(commands::makeAction(this, "unlockAction")),
      properties_(commands::makeAction(this, "propertiesAction")) {
    setObjectName(QStringLiteral("fileCommands"));
    commands::setStandardKeys(newCrossword_, QKeySequence::New);
    commands::setStandardKeys(openCrossword_, QKeySequence::Open);
    commands::setStandardKeys(save_, QKeySequence::Save);
    commands::setStandardKeys(saveAs_, QKeySequence::SaveAs, "Ctrl+Shift+S");
    connect(newCrossword_, &QAction::triggered, this, &FileCommands::newCrossword);
    connect(openCrossword_, &QAction::triggered, this, &FileCommands::openCrossword);
    connect(openAnswers_, &QAction::triggered, this, &FileCommands::openAnswers);
    connect(save_, &QAction::triggered, this, &FileCommands::save);
    connect(saveAs_, &QAction::triggered, this, &FileCommands::saveAs);
    connect(unlock_, &QAction::triggered, this, &FileCommands::unlock);
    connect(properties_, &QAction::triggered, this, &FileCommands::editProperties);
    connect(&context_.state.session, &CrosswordSession::modeChanged, this,
            &FileCommands::updateEnabled);
    updateEnabled();
}

void FileCommands::applyCaptions() {
    recentMenu_->setTitle(cp1251::toUnicode(context_.state.ownText(OwnText::RecentFiles)));
}

void FileCommands::updateEnabled() {
    using namespace modetable;
    commands::enableForMode(context_.state, {
                                                {kSave, save_},
                                                {kSaveAs, saveAs_},
                                                {kChange, unlock_},
                                                {kAbout, properties_},
                                            });
}

void FileCommands::showFileFailure(FileStatus status) const {
    const Language& lang = context_.state.language;
    context_.message(lang.caption(LangEntry::FileMenu) + ' ' + lang.entry(fileMessageEntry(status)),
                     platform::Icon::Critical);
}

void FileCommands::reportCellSizeReduced(int reducedTo) const {
    context_.message(context_.state.ownText(OwnText::CellSizeReduced) +
                         seqtext::strNumber(reducedTo),
                     platform::Icon::Information);
}

// --- The unsaved-changes question ---

FileCommands::Discard FileCommands::confirmDiscardChanges() {
    context_.commitTypedClue();
    const CrosswordDocument& doc = context_.state.doc();
    if (!doc.Modified)
        return Discard::GoOn;
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
        return Discard::GoOn;
    }
    const QByteArray question = context_.state.language.entry(entry);
    if (question.isEmpty())
        return Discard::GoOn;
    switch (context_.message(question, platform::Icon::Warning, platform::Buttons::YesNoCancel,
                             platform::Answer::Yes)) {
    case platform::Answer::Yes:
        save();
        // A save that was cancelled or failed leaves the changes unsaved: going on would lose
        // them, so the command is abandoned instead.
        return doc.Modified ? Discard::Abandon : Discard::GoOn;
    case platform::Answer::No:
        return Discard::GoOn;
    default:
        return Discard::Abandon;
    }
}

// --- A new grid, properties and password ---

void FileCommands::newCrossword() {
    // The new grid replaces the crossword in memory.
    if (confirmDiscardChanges() == Discard::Abandon)
        return;
    NewCrosswordDialog dialog(context_.state, context_.platform, context_.parent);
    if (context_.platform.runDialog(dialog) != QDialog::Accepted)
        return;
    emit newGridStarted();
}

void FileCommands::editProperties() {
    PropertiesDialog dialog(context_.state, context_.platform, context_.parent,
                            withoutMnemonics(properties_->text()));
    context_.platform.runDialog(dialog);
}

void FileCommands::unlock() {
    if (confirmDiscardChanges() == Discard::Abandon)
        return;
    // A crossword without a password, such as one from an ipuz file, has nothing to ask.
    if (!context_.state.session.unlockNeedsPassword()) {
        if (context_.state.session.unlock(QByteArray()))
            emit unlocked();
        return;
    }
    UnlockDialog dialog(context_.state, context_.platform, context_.parent,
                        withoutMnemonics(unlock_->text()));
    if (context_.platform.runDialog(dialog) != QDialog::Accepted)
        return;
    emit unlocked();
}

// --- Opening crosswords and ipuz files ---

void FileCommands::openCrossword() {
    if (confirmDiscardChanges() == Discard::Abandon || !chooseAndOpenCrossword())
        return;
    completeIncompleteCrossword();
}

bool FileCommands::chooseAndOpenCrossword() {
    const QString path = context_.chooseFile(false, QString(), openFilter(context_.state.language));
    if (path.isEmpty())
        return false;
    openNamedFile(withExtensionWhenNoDot(path, QStringLiteral(".cfw")));
    return true;
}

void FileCommands::completeIncompleteCrossword() {
    // The author completes the missing answers after the password.
    if (context_.state.doc().Mode == EditMode::ModeIncomplete)
        unlock();
}

void FileCommands::openNamedFile(const QString& path) {
    const bool nothingShown = context_.state.session.mode() == EditMode::ModeEmpty;
    showOpenedFile(path, context_.state.session.openFile(path), nothingShown);
}

bool FileCommands::showOpenedFile(const QString& path, const CrosswordSession::FileOpenOutcome& out,
                                  bool nothingShown) {
    if (out.ipuz && !out.problem.ok()) {
        // A refused ipuz file leaves the crossword shown as it was.
        context_.message(ipuz::problemText(context_.state.language, out.problem),
                         platform::Icon::Critical);
        return false;
    }
    if (!out.ipuz && out.read.status != FileStatus::Ok) {
        showFileFailure(out.read.status);
        // The previous crossword stays on screen, but nothing of it can be typed or saved;
        // without one the window stays empty, with nothing to save.
        if (nothingShown)
            context_.state.session.abandonFailedOpen();
        emit openFailed();
        return false;
    }
    rememberFile(path);
    const EditMode mode = context_.state.doc().Mode;
    // An ipuz file without every answer is the author's to complete.
    if (out.ipuz && mode != EditMode::ModeSolve)
        emit crosswordImported();
    else // a crossword that lacks an answer is captioned as one being solved
        emit crosswordOpened(mode == EditMode::ModeIncomplete ? EditMode::ModeSolve : mode);
    if (out.reducedCellSize > 0)
        reportCellSizeReduced(out.reducedCellSize);
    if (mode == EditMode::ModeIncomplete)
        context_.message(context_.state.language.entry(LangEntry::IncompleteNeedsPassword),
                         platform::Icon::Information);
    return true;
}

void FileCommands::openFileFromCommandLine(const QString& path) {
    const QFileInfo info(path);
    const QString absolute = info.absoluteFilePath();
    // As a file chosen in the Open dialog, it makes its folder the next dialogs' start. A real
    // path: on Linux a '\' belongs to the file's name.
    context_.state.SamplesFolder = AppState::withTrailingSeparator(info.absolutePath());
    if (isAnswersFile(absolute)) {
        openAnswersFile(absolute);
        return;
    }
    // The name is taken as given: a shell or file manager names the file whole.
    openNamedFile(absolute);
    completeIncompleteCrossword();
}

// --- Answers files ---

void FileCommands::openAnswers() {
    if (confirmDiscardChanges() == Discard::GoOn)
        openAnswersFile();
}

void FileCommands::openAnswersFile() {
    const QString path =
        context_.chooseFile(false, QString(), context_.state.language.AnswersFileFilter());
    if (!path.isEmpty())
        openAnswersFile(withExtensionWhenNoDot(path, QStringLiteral(".otv")));
}

void FileCommands::openAnswersFile(const QString& path) {
    CrosswordSession& session = context_.state.session;
    const bool nothingShown = session.mode() == EditMode::ModeEmpty;
    const CrosswordSession::AnswersFileOutcome out = session.openAnswersFile(path);
    if (out.answers != FileStatus::Ok) {
        showFileFailure(out.answers);
        return;
    }
    if (out.crosswordOpened &&
        !showOpenedFile(session.document().CrosswordPath, out.crossword, nothingShown)) {
        // The session holds nothing, or an ipuz file's crossword held as it was.
        if (!out.crossword.ipuz)
            emit openAbandoned();
        return;
    }
    if (out.applied.status != FileStatus::Ok) {
        showFileFailure(out.applied.status);
        return;
    }
    rememberFile(path);
    emit answersApplied(!out.crosswordOpened);

    // Counted by the marks themselves: a damaged file's word count cannot end the solving.
    if (!out.applied.unsolved) {
        session.endSolving();
        context_.reportSolved();
    } else if (session.document().Mode != EditMode::ModeSolveNoAnswers) {
        emit numberChosen(out.applied.unsolved->first);
    }
}

// --- Saving ---

void FileCommands::save() {
    saveDocument(false);
}

void FileCommands::saveAs() {
    saveDocument(true);
}

void FileCommands::saveDocument(bool askForName) {
    const CrosswordDocument& doc = context_.state.doc();
    context_.commitTypedClue();
    switch (doc.Mode) {
    case EditMode::ModeAuthor:
    case EditMode::ModeAuthorNoAnswers:
        // A crossword with answers is not saved without its title, author and password; an
        // imported one comes without a password.
        if (doc.NoAnswers == 0 && lacksProperties(doc)) {
            editProperties();
            if (lacksProperties(doc))
                return;
        }
        if (askForName || doc.CrosswordPath.isEmpty())
            saveCrosswordAs();
        else
            saveCrosswordFile(doc.CrosswordPath);
        break;
    case EditMode::ModeSolveNoAnswers:
    case EditMode::ModeSolve:
        if (askForName || doc.AnswersPath.isEmpty())
            saveAnswersAs();
        else
            saveAnswersFile(doc.AnswersPath);
        break;
    default:
        break;
    }
}

bool FileCommands::saveAsked(const QString& path, const QString& ownPath,
                             const std::function<FileStatus()>& save) {
    if (overwriteQuestionNeeded(path, ownPath) && !context_.replaceConfirmed(path))
        return false;
    const FileStatus status = save();
    if (status != FileStatus::Ok)
        showFileFailure(status);
    return status == FileStatus::Ok;
}

bool FileCommands::saveCrosswordFile(const QString& path) {
    AppState& state = context_.state;
    if (!saveAsked(path, state.doc().CrosswordPath,
                   [&] { return state.session.saveCrossword(path); }))
        return false;
    rememberFile(path);
    return true;
}

void FileCommands::saveCrosswordAs() {
    const CrosswordDocument& doc = context_.state.doc();
    // A crossword never saved offers its title.
    const QString name = fileNameWithoutFolder(
        doc.CrosswordPath.isEmpty() ? cp1251::toUnicode(doc.CrosswordTitle) : doc.CrosswordPath);
    const QString path =
        context_.chooseFile(true, name, context_.state.language.crosswordFileFilter());
    if (path.isEmpty())
        return;
    saveCrosswordFile(withExtensionWhenNoDot(path, QStringLiteral(".cfw")));
}

bool FileCommands::saveAnswersFile(const QString& path) {
    AppState& state = context_.state;
    if (!saveAsked(path, state.doc().AnswersPath, [&] { return state.session.saveAnswers(path); }))
        return false;
    rememberFile(path);
    return true;
}

void FileCommands::saveAnswersAs() {
    const AppState& state = context_.state;
    const QString path = context_.chooseFile(true, defaultAnswersName(state.doc()),
                                             state.language.AnswersFileFilter());
    if (path.isEmpty())
        return;
    saveAnswersFile(withExtensionWhenNoDot(path, QStringLiteral(".otv")));
}

// --- File > Recent files: the crosswords and answers files last opened or saved ---

void FileCommands::addRecentMenu(QMenu* fileMenu, QAction* before) {
    recentMenu_ = new QMenu(fileMenu);
    recentMenu_->setObjectName(QStringLiteral("recentMenu"));
    fileMenu->insertMenu(before, recentMenu_);
    for (std::size_t i = 0; i < recentActions_.size(); ++i) {
        QAction* a = recentMenu_->addAction(QString());
        a->setObjectName(QStringLiteral("recentFileAction_%1").arg(i));
        connect(a, &QAction::triggered, this, [this, i] { openRecentFile(static_cast<int>(i)); });
        recentActions_[i] = a;
    }
    recentFiles_.readFrom(context_.state.SettingsFolder);
    showRecentFiles();
}

void FileCommands::showRecentFiles() {
    const QStringList& paths = recentFiles_.paths();
    for (std::size_t i = 0; i < recentActions_.size(); ++i) {
        QAction* a = recentActions_[i];
        const auto at = static_cast<qsizetype>(i);
        a->setVisible(at < paths.size());
        if (at >= paths.size())
            continue;
        QString shown = QDir::toNativeSeparators(paths[at]);
        // A '&' of the path is a letter, not a mnemonic.
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
    }
    recentMenu_->setEnabled(!paths.isEmpty());
}

void FileCommands::storeRecentFiles() {
    // The list is a convenience: a folder that cannot take it costs only the list, and the
    // settings file's own failure is reported when the program closes.
    recentFiles_.writeTo(context_.state.SettingsFolder);
}

void FileCommands::rememberFile(const QString& path) {
    recentFiles_.add(QFileInfo(path).absoluteFilePath());
    storeRecentFiles();
    showRecentFiles();
}

void FileCommands::openRecentFile(int index) {
    if (index < 0 || index >= recentFiles_.paths().size())
        return;
    const QString path = recentFiles_.paths()[index];
    // Before the unsaved-changes question: a file that is gone leaves the crossword alone.
    if (!QFileInfo::exists(path)) {
        context_.message(fileFailureText(context_.state.language,
                                         cp1251::fromUnicode(QDir::toNativeSeparators(path)),
                                         fileMessageEntry(FileStatus::NotFound)),
                         platform::Icon::Critical);
        recentFiles_.remove(path);
        storeRecentFiles();
        showRecentFiles();
        return;
    }
    if (confirmDiscardChanges() == Discard::Abandon)
        return;
    if (isAnswersFile(path)) {
        openAnswersFile(path);
        return;
    }
    openNamedFile(path);
    completeIncompleteCrossword();
}
