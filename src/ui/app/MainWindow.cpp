// The main window: its panel, grid viewport and menus, their layout, and what each mode shows.
#include "app/MainWindow.h"

#include "app/EntryPanelView.h"
#include "app/ModeTable.h"
#include "app/Named.h"
#include "app/StatusBarView.h"
#include "app/WrapCheckBox.h"
#include "commands/AuthoringCommands.h"
#include "commands/EditCommands.h"
#include "commands/FileCommands.h"
#include "commands/FillCommands.h"
#include "commands/PublishingCommands.h"
#include "commands/SolvingCommands.h"
#include "commands/ViewCommands.h"
#include "grid/GridView.h"
#include "grid/LetterFont.h"
#include "grid/PictureBox.h"
#include "platform/Message.h"
#include "solve/SolvingStatus.h"
#include "text/CodePage.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

namespace {

QAction* namedAction(QMenu* menu, const char* name) {
    QAction* a = menu->addAction(QString());
    a->setObjectName(QLatin1String(name));
    return a;
}

} // namespace

MainWindow::MainWindow(AppState& state, platform::Platform& platform, QWidget* parent)
    : QMainWindow(parent), state_(state), platform_(platform) {
    setObjectName(QStringLiteral("MainWindow"));
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralPanel"));
    setCentralWidget(central);
    editCommands_ = new EditCommands(commandContext());
    fileCommands_ = new FileCommands(commandContext());
    createMenus();
    createPanel(central);
    entryPanel_ = new EntryPanelView(state_, clueLabels, *clueEdit, *answerEdit, this);
    fillCommands_ = new FillCommands(commandContext());
    // Ahead of the grid view's redraw, which lets events run: a look-up for the crossword
    // replaced is dropped before its answer could be shown.
    connect(&state_.session, &CrosswordSession::documentReplaced, this, &MainWindow::showDeadCells);
    createViewport(central);
    authoringCommands_ = new AuthoringCommands(commandContext(), *answerEdit, *clueEdit);
    solvingCommands_ = new SolvingCommands(commandContext(), *answerEdit, *gridView_);
    crosswordMenu->insertAction(fillSeparator, authoringCommands_->deleteAnswerAction());
    publishingCommands_ = new PublishingCommands(commandContext(), *gridView_, *exportPicture_);
    crosswordMenu->insertActions(fillSeparator, publishingCommands_->actions());
    crosswordMenu->insertSeparator(fillSeparator);
    crosswordMenu->insertActions(fillSeparator, solvingCommands_->actions());
    crosswordMenu->addActions(fillCommands_->actions());
    createClueDock();
    statusBarView_ = new StatusBarView(state_, *gridView_, *statusBar());
    statusBar()->addPermanentWidget(new SolvingStatus(state_, this));
    viewCommands_ = new ViewCommands(commandContext(), *gridView_);
    viewMenu_ = named(new QMenu(this), "viewMenu");
    menuBar()->insertMenu(crosswordMenu->menuAction(), viewMenu_);
    viewMenu_->addActions(viewCommands_->actions());
    applyBuiltInCaptions();
    connectGridHandlers();
    connectWordHandlers();
    connectFileHandlers();
    connectFillHandlers();
    for (QLineEdit* box : {answerEdit, clueEdit})
        editCommands_->passUndoKeys(box);
    connect(editCommands_, &EditCommands::stepped, this, &MainWindow::showRestoredCrossword);
    // The controls follow the mode, whichever command changed it.
    connect(&state_.session, &CrosswordSession::modeChanged, this,
            [this] { updateControlsForMode(); });
    // The export pictures take the letter font the grid takes.
    connect(&state_.session, &CrosswordSession::pictureSettingsChanged, this,
            [this] { letterfont::apply(*exportPicture_, state_.settings); });
    setMinimumWidth(kMinInnerWidth);
    resize(800, 600);
    updateControlsForMode();
}

MainWindow::~MainWindow() = default;

CommandContext MainWindow::commandContext() {
    return {state_, platform_, this, [this] { commitTypedClue(); }};
}

void MainWindow::createMenus() {
    fileMenu = named(menuBar()->addMenu(QString()), "fileMenu");
    fileMenu->addActions({fileCommands_->openAnswersAction(), fileCommands_->saveAction(),
                          fileCommands_->saveAsAction()});
    fileSeparator = named(fileMenu->addSeparator(), "fileSeparator");
    exitAction = namedAction(fileMenu, "exitAction");

    editMenu = named(menuBar()->addMenu(QString()), "editMenu");
    editMenu->addActions({editCommands_->undoAction(), editCommands_->redoAction()});

    crosswordMenu = named(menuBar()->addMenu(QString()), "crosswordMenu");
    crosswordMenu->addActions({fileCommands_->newCrosswordAction(),
                               fileCommands_->openCrosswordAction(), fileCommands_->unlockAction(),
                               fileCommands_->propertiesAction()});
    wordSearchAction = namedAction(crosswordMenu, "wordSearchAction");
    fillSeparator = named(crosswordMenu->addSeparator(), "fillSeparator");

    optionsMenu = named(menuBar()->addMenu(QString()), "optionsMenu");
    cellSizeAction = namedAction(optionsMenu, "cellSizeAction");
    languageAction = namedAction(optionsMenu, "languageAction");
    optionsSeparator = named(optionsMenu->addSeparator(), "optionsSeparator");
    styleActions[0] = namedAction(optionsMenu, "styleActions_0");
    styleActions[1] = namedAction(optionsMenu, "styleActions_1");
    for (QAction* a : styleActions)
        a->setCheckable(true);

    helpMenu = named(menuBar()->addMenu(QString()), "helpMenu");
    helpAction = namedAction(helpMenu, "helpAction");
    aboutAction = namedAction(helpMenu, "aboutAction");

    connect(exitAction, &QAction::triggered, this, &MainWindow::exitProgram);
    connect(languageAction, &QAction::triggered, this, &MainWindow::chooseLanguage);
    connect(wordSearchAction, &QAction::triggered, this, &MainWindow::openWordSearch);
    connect(helpAction, &QAction::triggered, this, &MainWindow::showHelp);
    connect(aboutAction, &QAction::triggered, this, &MainWindow::showAbout);
    connect(cellSizeAction, &QAction::triggered, this, &MainWindow::chooseCellSize);
    fileCommands_->addRecentMenu(fileMenu, fileSeparator);
    assignShortcuts();
}

void MainWindow::assignShortcuts() {
    // The platform's keys; where it has none for Quit, the one Linux desktops share. Windows
    // closes a window with Alt+F4 and has no Quit key.
#ifdef Q_OS_WIN
    commands::setStandardKeys(exitAction, QKeySequence::Quit);
#else
    commands::setStandardKeys(exitAction, QKeySequence::Quit, "Ctrl+Q");
#endif
    commands::setStandardKeys(wordSearchAction, QKeySequence::Find);
    commands::setStandardKeys(helpAction, QKeySequence::HelpContents);
}

void MainWindow::createPanel(QWidget* central) {
    // Drawing controls (ModeDrawGrid).
    symmetryCheck = named(new WrapCheckBox(central), "symmetryCheck");
    symmetryCheck->setGeometry(6, 8, 145, 44);
    coordinatesLabel = named(new QLabel(central), "coordinatesLabel");
    coordinatesLabel->setGeometry(6, 58, 145, 20);
    gridReadyButton = named(new QPushButton(central), "gridReadyButton");
    gridReadyButton->setGeometry(6, 86, 143, 28);
    clearGridButton = named(new QPushButton(central), "clearGridButton");
    clearGridButton->setGeometry(6, 122, 143, 28);

    // Words and clues (from ModeAuthor on; see the mode table).
    statisticsLabel = named(new QLabel(central), "statisticsLabel");
    statisticsLabel->setGeometry(6, 6, 145, 18);
    wordCountLabel = named(new QLabel(central), "wordCountLabel");
    wordCountLabel->setGeometry(6, 24, 145, 18);
    acrossLabel = named(new QLabel(central), "acrossLabel");
    acrossLabel->setGeometry(6, 48, 145, 18);
    clueLabels[0] = named(new QLabel(central), "clueLabels_0");
    clueLabels[0]->setGeometry(6, 66, 145, 100);
    downLabel = named(new QLabel(central), "downLabel");
    downLabel->setGeometry(6, 172, 145, 18);
    clueLabels[1] = named(new QLabel(central), "clueLabels_1");
    clueLabels[1]->setGeometry(6, 190, 145, 100);
    for (QLabel* l : clueLabels) {
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    clueEditLabel = named(new QLabel(central), "clueEditLabel");
    clueEditLabel->setGeometry(6, 296, 145, 34);
    clueEditLabel->setWordWrap(true);
    clueEditLabel->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    clueEdit = named(new QLineEdit(central), "clueEdit");
    clueEdit->setGeometry(6, 332, 145, 24);
    answerLabel = named(new QLabel(central), "answerLabel");
    answerLabel->setGeometry(6, 360, 145, 18);
    answerEdit = named(new QLineEdit(central), "answerEdit");
    answerEdit->setGeometry(6, 346, 145, 24);
    clueEditLabel->setBuddy(clueEdit);
    answerLabel->setBuddy(answerEdit);

    // Digit strips of the slot numbers, never shown.
    for (int i = 0; i < 3; ++i) {
        digitStrips[static_cast<std::size_t>(i)] = new PictureBox(central);
        digitStrips[static_cast<std::size_t>(i)]->setObjectName(
            QStringLiteral("digitStrips_%1").arg(i));
        digitStrips[static_cast<std::size_t>(i)]->hide();
    }
}

void MainWindow::createViewport(QWidget* central) {
    gridView_ = new GridView(state_, digitStrips, central);
    connect(gridView_, &GridView::pictureFocused, this, &MainWindow::gridPictureFocused);
    connect(gridView_, &GridView::focused, this, &MainWindow::gridViewFocused);

    exportPicture_ = named(new PictureBox(central), "exportPicture");
    exportPicture_->setBackColor(Qt::black);
    exportPicture_->hide();
}

void MainWindow::updateControlsForMode() {
    using namespace modetable;
    const Row& row = rowFor(state_.doc().Mode);
    const std::pair<unsigned, QWidget*> panel[] = {
        {kSymmetry, symmetryCheck},      {kCoordinates, coordinatesLabel},
        {kGridReady, gridReadyButton},   {kClearGrid, clearGridButton},
        {kWordCount, wordCountLabel},    {kStatistics, statisticsLabel},
        {kAcrossLabel, acrossLabel},     {kAcrossClue, clueLabels[0]},
        {kDownLabel, downLabel},         {kDownClue, clueLabels[1]},
        {kAnswerCaption, clueEditLabel}, {kClueEntry, clueEdit},
        {kAnswerLabel, answerLabel},     {kAnswerEntry, answerEdit},
    };
    for (const auto& [bit, widget] : panel)
        widget->setVisible((row.panel & bit) != 0);
    answerEdit->move(answerEdit->x(), (row.panel & kClueEntry) != 0 ? 378 : 346);
    commands::enableForMode(state_, {
                                        {kFoundWord, wordSearchAction},
                                        {kCellSize, cellSizeAction},
                                    });
    fileCommands_->updateEnabled();
    authoringCommands_->updateEnabled();
    publishingCommands_->updateEnabled();
    solvingCommands_->updateEnabled();
    fillCommands_->updateEnabled();
    viewCommands_->updateEnabled();
    entryPanel_->showSolverClues();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    relayout();
}

void MainWindow::relayout() {
    if (isMinimized())
        return;
    QWidget* client = centralWidget();
    if (client->width() < kMinInnerWidth) {
        resize(width() + kMinInnerWidth - client->width(), height());
        return; // the resize comes back here with the new width
    }
    gridView_->setGeometry(kPanelWidth, 0, client->width() - kPanelWidth, client->height());
    gridView_->placeBars();
}

void MainWindow::gridPictureFocused() {
    routeFocus(false);
}

void MainWindow::gridViewFocused() {
    routeFocus(true);
}

void MainWindow::routeFocus(bool onlyIfVisible) {
    QWidget* target = nullptr;
    const EditMode mode = state_.doc().Mode;
    if (mode == EditMode::ModeAuthor && state_.doc().NoAnswers == 0)
        target = clueEdit;
    else if (mode == EditMode::ModeSolveNoAnswers || mode == EditMode::ModeSolve)
        target = answerEdit;
    if (!target || (onlyIfVisible && !target->isVisible()))
        return;
    target->setFocus(Qt::OtherFocusReason);
}

void MainWindow::setCaptionBytes(const QByteArray& caption) {
    // A title bar shows one short line; a caption of a long title would only cost memory, and
    // under X11 a large enough one breaks the connection to the display.
    constexpr qsizetype kMaxCaption = 255;
    QString text = cp1251::toUnicode(caption.left(kMaxCaption));
    if (caption.size() > kMaxCaption)
        text += QChar(0x2026);
    setWindowTitle(text);
}

platform::Answer MainWindow::message(const QByteArray& text, platform::Icon icon,
                                     platform::Buttons buttons, platform::Answer defaultButton) {
    return commandContext().message(text, icon, buttons, defaultButton);
}

void MainWindow::exitProgram() {
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    confirmClose(*event);
}

void MainWindow::openFileFromCommandLine(const QString& path) {
    fileCommands_->openFileFromCommandLine(path);
}

void MainWindow::connectFileHandlers() {
    FileCommands* files = fileCommands_;
    connect(files, &FileCommands::newGridStarted, this, &MainWindow::showNewGrid);
    connect(files, &FileCommands::crosswordOpened, this, &MainWindow::showOpenedCrossword);
    connect(files, &FileCommands::openFailed, this, &MainWindow::updateControlsForMode);
    connect(files, &FileCommands::openAbandoned, this,
            [this] { setCaptionBytes(state_.MessageTitle); });
    connect(files, &FileCommands::crosswordImported, this, &MainWindow::showImportedCrossword);
    connect(files, &FileCommands::answersApplied, this, &MainWindow::showAppliedAnswers);
    connect(files, &FileCommands::numberChosen, this, &MainWindow::selectByNumber);
    connect(files, &FileCommands::unlocked, this, &MainWindow::showUnlockedCrossword);
}

void MainWindow::showNewGrid() {
    showModeTexts();
    updateControlsForMode();
    relayout();
}

void MainWindow::showOpenedCrossword(EditMode captionMode) {
    relayout();
    showModeTexts(captionMode);
    updateControlsForMode();
    answerEdit->setFocus(Qt::OtherFocusReason);
}

void MainWindow::showImportedCrossword() {
    relayout();
    updateControlsForMode();
    showModeTexts();
    if (state_.doc().Mode == EditMode::ModeAuthor) {
        focusClueBox();
    }
}

void MainWindow::showAppliedAnswers(bool sameCrossword) {
    if (sameCrossword)
        updateControlsForMode();
    const CrosswordDocument& doc = state_.doc();
    showWordsOpen(doc.WordCount - doc.SolvedCount);
}

void MainWindow::showUnlockedCrossword() {
    updateControlsForMode();
    focusClueBox();
    showModeTexts();
}
