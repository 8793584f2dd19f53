#pragma once

#include "app/AppState.h"
#include "commands/CommandContext.h"
#include "files/FileCommon.h"
#include "platform/Platform.h"
#include "words/WordList.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class CellPainter;
class EntryPanelView;
class ClueList;
class AuthoringCommands;
class EditCommands;
class FileCommands;
class FillCommands;
class PublishingCommands;
class SolvingCommands;
class StatusBarView;
class ViewCommands;
class GridView;
class PictureBox;
class WrapCheckBox;
class WordSearchWindow;
class QAction;
class QDockWidget;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

// The main window: a 155-pixel control panel on the left and the grid viewport beside it.
// Which controls show and which menu items are enabled follows EditMode alone.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kPanelWidth = 155;
    static constexpr int kMinInnerWidth = 300;

    MainWindow(AppState& state, platform::Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    AppState& state() { return state_; }

    // Steps that the start-up, the command line and tests run as the window's own handlers do.
    void updateControlsForMode();
    void applyLetterFont();
    // How far below a cell's top its letter goes. Worked out from the letter font when first
    // asked for, since loading a font is slow and start-up shows no letters.
    int letterOffset();
    void finishGrid();
    // Also where the menu item is disabled: the search window's tests set up states of their own.
    void openWordSearch();
    // Takes the drawn grid as ready: analyses it (a grid without words is refused with a
    // message) and shows its slots for the author.
    void acceptDrawnGrid();
    // Loads ProgramFolder + "Language/" + fileName (Windows-1251) and applies it to the menus,
    // the panel and the caption; a file that cannot be opened is reported and changes nothing.
    void loadLanguage(const QByteArray& fileName);
    // Caption, word count and box label of the current mode, in the loaded language.
    void showModeTexts();
    // The texts of `shownAs` instead of the current mode.
    void showModeTexts(EditMode shownAs);
    // Writes the settings file; a failure is reported and the program goes on.
    void saveSettingsFile();
    // A file named on the command line: an answers file (*.otv) as File > Open answers opens
    // it, anything else as a crossword the way Crossword > Open does.
    void openFileFromCommandLine(const QString& path);
    // Handed back to the font dialog only: never applied to a picture, never stored.
    bool letterFontStrikethrough = false;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Panel controls.
    QPushButton* clearGridButton = nullptr;
    QPushButton* gridReadyButton = nullptr;
    WrapCheckBox* symmetryCheck = nullptr;
    QLabel* coordinatesLabel = nullptr;
    std::array<PictureBox*, 3> digitStrips{};
    QLineEdit* answerEdit = nullptr;
    QLineEdit* clueEdit = nullptr;
    std::array<QLabel*, 2> clueLabels{};
    QLabel* answerLabel = nullptr;
    QLabel* clueEditLabel = nullptr;
    QLabel* acrossLabel = nullptr;
    QLabel* downLabel = nullptr;
    QLabel* wordCountLabel = nullptr;
    QLabel* statisticsLabel = nullptr;

    // Menus.
    QMenu* fileMenu = nullptr;
    QAction* fileSeparator = nullptr;
    QAction* exitAction = nullptr;
    QMenu* editMenu = nullptr;
    QMenu* crosswordMenu = nullptr;
    QAction* wordSearchAction = nullptr;
    QAction* fillSeparator = nullptr;
    QMenu* optionsMenu = nullptr;
    QAction* cellSizeAction = nullptr;
    QAction* languageAction = nullptr;
    QAction* optionsSeparator = nullptr;
    std::array<QAction*, 2> styleActions{};
    QMenu* helpMenu = nullptr;
    QAction* helpAction = nullptr;
    QAction* aboutAction = nullptr;

    // A message box titled MessageTitle; the text in Windows-1251, converted for Qt.
    platform::Answer message(const QByteArray& text, platform::Icon icon,
                             platform::Buttons buttons = platform::Buttons::Ok,
                             platform::Answer defaultButton = platform::Answer::Ok);

    // --- Grid drawing, slot painting and selection, rendering (grid and words areas) ---
    bool gridPressed = false; // a mouse button went down on gridPicture
    // Word search, online lookup and help (words/MainWindowWordSearch.cpp, app/MainWindowHelp.cpp).
    QPointer<WordSearchWindow> findWord; // the open search window, if any
    words::WordListCache wordListCache;

    // Shades the cells no word can pass through any more, while authoring, once the fill
    // commands have looked them up.
    void showDeadCells();

    // --- The clue list beside the grid (clues/MainWindowClueList.cpp) ---
    QDockWidget* clueDock = nullptr;
    ClueList* clueList = nullptr;
    QAction* cluesAction = nullptr; // shows or hides the list
    // A slot chosen in the list, selected as a click on the grid selects it; byKeyboard keeps
    // the focus in the list.
    void clueChosen(int number, int direction, bool byKeyboard);

    void createPanel(QWidget* central);
    void createViewport(QWidget* central);
    void createMenus();
    void createClueDock();
    // The list shows while it is wanted and the crossword has slots.
    void showClueDock();
    void applyClueCaptions();
    void applyBuiltInCaptions();
    void gridPictureFocused();
    void gridViewFocused();
    void routeFocus(bool onlyIfVisible);

    // Grid and words areas.
    void connectGridHandlers();
    void clearGrid();
    void showSolverSelection(int across, int down);
    // Selects a slot as a click does while writing or solving without answers.
    void selectWordSlot(int number, int direction);
    // Keys on the grid picture (grid/MainWindowGridKeys.cpp): the cell cursor, Space while drawing,
    // slots picked by Enter, a letter or Tab, letters typed into the answer box.
    void connectGridKeys();
    void gridKey(int key, const QString& text);
    // The slot the keyboard types into: the current one; of the solver's pair, the one in the
    // keyboard's direction while there is one. Number 0 for none.
    SlotRef keyboardSlot() const;
    void pickSlotAtCursor(bool otherDirection);
    void pickSlot(int number, int direction, QPoint cell);
    void stepSlot(int step);
    void typeInGrid(const QString& letter);
    void eraseInGrid();
    void submitFromGrid();
    void showGridPreview();
    int gridDirection_ = 0;  // of the solver's pair, the slot the keyboard picked
    bool gridTyped_ = false; // the answer box holds letters typed in the grid
    void drawDigitStrips();

    // The entry panel's boxes and what shows after the authoring and solving commands.
    void connectWordHandlers();
    void placeTypedAnswer();
    void showPlacedAnswer();
    void showDeletedAnswer();
    // The author's clue box takes the focus while a slot is selected.
    void focusClueBox();
    void connectFillHandlers();
    // Redraws the grid and the panel for the crossword the history went back or forward to.
    void showRestoredCrossword();
    // The captions of our own texts; the numbered entries' go through applyCaption.
    void applyOwnCaptions();
    // A suggested word, placed as typed into the answer box and entered.
    void placeSuggested(const QByteArray& word);
    void showWordsOpen(int open);

    // What the commands of each area need of the window.
    CommandContext commandContext();

    AppState& state_;
    platform::Platform& platform_;
    GridView* gridView_ = nullptr;
    EntryPanelView* entryPanel_ = nullptr;
    PictureBox* exportPicture_ = nullptr; // hidden: the export pictures
    EditCommands* editCommands_ = nullptr;
    FileCommands* fileCommands_ = nullptr;
    AuthoringCommands* authoringCommands_ = nullptr;
    SolvingCommands* solvingCommands_ = nullptr;
    PublishingCommands* publishingCommands_ = nullptr;
    FillCommands* fillCommands_ = nullptr;
    StatusBarView* statusBarView_ = nullptr;
    ViewCommands* viewCommands_ = nullptr;
    QMenu* viewMenu_ = nullptr;

    // Language files, the settings file and the unsaved-changes question.
    void applyCaption(int entry, const QByteArray& text);
    void confirmClose(QCloseEvent& event);

    // --- Crossword files: open and save, properties and password, the answers file ---
    // What the window shows after the file commands (their signals).
    void connectFileHandlers();
    void showNewGrid();
    void showOpenedCrossword(EditMode captionMode);
    void showImportedCrossword();
    void showAppliedAnswers(bool sameCrossword);
    void showUnlockedCrossword();
    // Handlers and steps the window runs itself: menu items, buttons, keys and mouse on the
    // grid, and the file commands behind them.
    void gridMousePressed(Qt::MouseButton button, int x, int y);
    void gridMouseReleased(Qt::MouseButton button, int x, int y);
    void chooseStyle(int index);
    // A number the solver typed: its unsolved words selected, the answer box emptied.
    void selectByNumber(int number);
    // Runs the resize layout, as the commands that replace the crossword ask for.
    void relayout();
    // The caption comes in Windows-1251; converted for Qt.
    void setCaptionBytes(const QByteArray& caption);
    void exitProgram();
    void gridMouseMoved(Qt::MouseButtons buttons, int x, int y);
    // The coordinates label for the picture's point (x, y).
    void showCoordinates(int x, int y);
    void handleGridClick(int x, int y);
    void selectNextUnanswered();
    void showHelp();
    void showAbout();
    // Key handlers of the two boxes: Enter acts, Escape gives the grid the focus.
    void answerEditKey(int key);
    void clueEditKey(int key);
    // Stores a clue typed into the clue box without Enter, before the slot is left or the
    // crossword is saved, exported or closed.
    void commitTypedClue();
    void chooseLanguage();
    void chooseCellSize();
    void assignShortcuts();
};
