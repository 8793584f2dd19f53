#pragma once

#include "app/EditHistory.h"
#include "files/AnswersFile.h"
#include "files/CrosswordFile.h"
#include "grid/CrosswordDocument.h"
#include "ipuz/IpuzFile.h"
#include "solve/Solving.h"
#include "solve/SolvingSummary.h"
#include "solve/SolvingTimer.h"
#include "words/Placement.h"
#include "words/SlotSelection.h"

#include <QObject>
#include <QPoint>
#include <QRect>

#include <optional>
#include <vector>

struct Settings;

// The one owner of the crossword being edited or solved: the document, its mode, the selection
// and the picture settings that change what the document looks like. Every change goes through
// an operation named for what the user does; the window learns what changed from the signals
// and only reads the document.
class CrosswordSession : public QObject {
    Q_OBJECT
public:
    explicit CrosswordSession(Settings& settings, QObject* parent = nullptr);

    const CrosswordDocument& document() const { return doc_; }
    EditMode mode() const { return doc_.Mode; }
    // 0 classic, 1 turned (right to left): the style the slots are shown in now.
    int shownStyle() const { return shownStyle_; }
    int cellSize() const;
    const Settings& settings() const { return settings_; }
    Selection selection() const;

    // Test fixtures and tools that build a document by hand; the window never writes it.
    CrosswordDocument& documentForSetup() { return doc_; }
    // After such a setup: the slots built for showing in `style`, as opening a file does.
    void showForSetup(int style);

    // --- Drawing a new grid ---
    // An all-white grid of w × h in ModeDrawGrid, shown in the classic style.
    void newGrid(int width, int height, const QByteArray& title, int noAnswers);
    // A click on cell (cx, cy) while drawing: the cell and, with symmetry, its mirror images
    // take the opposite of the clicked cell's colour. Returns the cells in painting order.
    std::vector<QPoint> toggleCell(int cx, int cy, bool symmetric);
    // Every drawn cell white again.
    void clearDrawing();
    // Numbers the drawn grid; false (nothing changed) when it has no word. The author of a
    // crossword with answers gets the first slot selected.
    bool gridReady();

    // --- Files ---
    struct OpenOutcome {
        CrosswordReadResult read;
        int reducedCellSize = 0; // the cell size the crossword needed instead, else 0
    };
    // Replaces the crossword by the file's. A failure keeps the previous crossword shown in
    // ModeOpenFailed. A picture too large for the cell size gets the largest size that fits.
    OpenOutcome open(const QString& path);
    struct ImportOutcome {
        ipuz::ReadProblem problem;
        int reducedCellSize = 0; // as OpenOutcome's
    };
    // Replaces the crossword by the ipuz file's, as an author's crossword not yet saved, shown
    // as the author sees a grid just made ready. A refused file leaves everything as it was.
    ImportOutcome importIpuz(const QString& path);
    // After a failed open named by an answers file: nothing is held any more.
    void abandonFailedOpen();
    // Whether the answers file of crossword `title` belongs to the crossword held now.
    bool holdsCrosswordTitled(const QByteArray& title) const;
    struct AnswersOutcome {
        FileStatus status = FileStatus::Ok;
        std::optional<std::pair<int, int>> unsolved; // the first word still to solve
    };
    // Applies an answers file to the crossword held now. One that was already shown before
    // (alreadyShown) turns into one being solved in the chosen style; one just opened from the
    // answers file keeps the mode it was read in.
    AnswersOutcome applyAnswers(const AnswersFileContent& content, const QString& path,
                                bool alreadyShown);
    // A crossword whose every word is solved: solving it is over.
    void endSolving();
    FileStatus saveCrossword(const QString& path);
    FileStatus saveAnswers(const QString& path);

    // --- The author's words ---
    // Places the answer into the current slot with its clue. On a change the selection moves
    // to the other word of the same number while that lacks an answer, else to the first slot
    // without one.
    PlacementOutcome placeAnswer(const QByteArray& answer, const QByteArray& clue);
    // Stores a clue typed for the current slot (authoring only); true when it changed.
    bool keepClue(const QByteArray& clue);
    // Places a whole fill as one change: words[k] becomes the answer of slot refs[k] in place of
    // any it had, each slot's clue kept. Nothing is placed unless every word has its slot's
    // length and agrees with the other words and with the answers of the slots not in refs.
    // False when nothing changed.
    bool placeFill(const std::vector<SlotRef>& refs, const std::vector<QByteArray>& words);
    // The slots the last placeFill of this crossword filled, while every one still holds that
    // fill's word: what "fill again" fills afresh. None otherwise.
    std::vector<SlotRef> refillable() const;
    bool canDeleteAnswer() const;
    void deleteAnswer();
    // Title, author and the password in clear; true when any of them changed.
    bool setProperties(const QByteArray& title, const QByteArray& author,
                       const QByteArray& password);
    // The password of a crossword being solved turns it back into the author's; false when it
    // is wrong.
    bool unlock(const QByteArray& password);

    // --- Solving ---
    EntryOutcome enterAnswer(const QByteArray& word);
    CheckOutcome checkAnswer(const QByteArray& word);
    // The slot the solver without answers typed; nothing when the selection stays.
    std::optional<Selected> jumpToNumber(int number);

    // --- The selection ---
    // The slot a click on cell (cx, cy) selects while writing or solving without answers: the
    // current direction's word, else the crossing one; nothing on a cell without a word.
    std::optional<SlotRef> slotAtCell(int cx, int cy) const;
    void selectSlot(const SlotRef& slot);
    // The first slot without an answer; number 0 when every slot has one.
    void selectNextUnanswered();
    // The solver's across and down words (either 0).
    void selectPair(int across, int down);
    // The solver's open words through shown cell (cx, cy), as a click there selects them; false
    // (nothing changed) when no open word passes through it.
    bool selectPairAt(int cx, int cy);
    // The shown cell a slot's word begins at as it reads: the turned style reads from the far
    // end.
    QPoint slotStart(const SlotRef& slot) const;

    // --- Picture settings ---
    // The style chosen in the menu; a crossword being solved is shown in it at once.
    // True when the shown grid changed.
    bool setStyle(int style);
    // At start-up nothing is shown yet: the chosen style becomes the shown one.
    void showChosenStyle();
    // The cell size confirmed, also when it stays: the number size or the letter font of the
    // settings may have changed with it, and the grid is drawn again.
    void setCellSize(int size);

    // --- Undo and redo ---
    // Each drawn cell (with its mirror images), Clear, placed or deleted answer, stored clue,
    // change of the properties, fill and solver's word is a step. New, Open, grid ready, the
    // password, an import, an answers file and the end of solving start a fresh history.
    // Undoing back to the state last saved leaves the crossword unmodified.
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    void undo();
    void redo();

    // --- Solving any crossword: ipuz files, the answers file, hints and the time ---
    // (kept together at the end of CrosswordSession.cpp)
    struct FileOpenOutcome {
        bool ipuz = false;         // taken as an ipuz file, by its extension
        CrosswordReadResult read;  // a crossword file's reading
        ipuz::ReadProblem problem; // an ipuz file's
        int reducedCellSize = 0;   // as OpenOutcome's
        bool ok() const { return ipuz ? problem.ok() : read.status == FileStatus::Ok; }
    };
    // Opens a crossword file, or by its extension (in any case) an ipuz file, as the solver
    // gets it: a crossword file as open() does; an ipuz file in which every word has its answer
    // for solving, as a crossword file with answers is (answers hidden, the chosen style, not
    // modified, the file as its path, which the answers file names); any other ipuz file for
    // the author, as importIpuz() gives it. A refused ipuz file changes nothing.
    FileOpenOutcome openFile(const QString& path);
    struct AnswersFileOutcome {
        FileStatus answers = FileStatus::Ok; // reading the answers file
        bool crosswordOpened = false;        // the crossword it names had to be opened
        FileOpenOutcome crossword;           // how that went
        AnswersOutcome applied;              // applying the answers, when it came to that
        bool ok() const {
            return answers == FileStatus::Ok && (!crosswordOpened || crossword.ok()) &&
                   applied.status == FileStatus::Ok;
        }
    };
    // Opens an answers file with the crossword it belongs to: the one held when the titles
    // agree, else the crossword or ipuz file it names beside it, through openFile(). A crossword
    // that cannot be opened leaves nothing held (as abandonFailedOpen) or, an ipuz file, the
    // crossword held as it was; the answers are not applied then. A crossword whose words are
    // all solved is left for the caller to end (endSolving) after telling the solver.
    AnswersFileOutcome openAnswersFile(const QString& path);
    // Whether turning the crossword being solved back into the author's needs a password: not
    // for one without (an ipuz file has none), which unlock("") turns.
    bool unlockNeedsPassword() const;

    // Hints, while solving a crossword with answers; each one used is counted, also when it is
    // undone later. Nothing changes (revealed false) when there is nothing to give away.
    // The selected pair's word in `direction`: solved as a right check solves it, and marked.
    HintOutcome revealWord(int direction);
    // The letter of shown cell (cx, cy), on an open word and showing no letter yet: shown and
    // marked. A word it completes is solved as a right check solves it.
    HintOutcome revealLetter(int cx, int cy);
    // The first cell, in reading order, of the selected pair's word in `direction` that shows
    // no letter; nothing when there is none.
    std::optional<QPoint> nextHiddenCell(int direction) const;
    // Marks for the grid, the clue list and the answers file: a word given away whole, a cell
    // whose letter was given away (shown coordinates).
    bool wordRevealed(int number, int direction) const;
    bool cellRevealed(int cx, int cy) const;

    // The solving time: starts when solving starts (from the time an answers file keeps), stops
    // when every word is solved or solving ends; the caller pauses it while the solver cannot
    // see the crossword (the window inactive or minimised).
    void pauseSolvingTime();
    void resumeSolvingTime();
    qint64 solvingTimeMs() const { return timer_.elapsedMs(); }
    bool solvingTimeRuns() const { return timer_.running(); }
    // Tests give a clock of their own.
    void setSolvingClock(SolvingTimer::Clock clock) { timer_.setClock(std::move(clock)); }
    // The time and the hints, as the solved message says them.
    SolvingSummary solvingSummary() const;

signals:
    // The hints used or their marks changed.
    void hintsChanged();
    // A different crossword, or a new shape of the same one: everything must be redrawn.
    void documentReplaced();
    void modeChanged(EditMode mode);
    // Also when a command chose the selected slot again, so that it is shown again.
    void selectionChanged(const Selection& before, const Selection& after);
    // Cells whose content changed, in the shown grid's coordinates.
    void cellsChanged(const QRect& cells);
    // A clue stored without its answer changing (keepClue).
    void clueChanged(int number, int direction);
    void modifiedChanged(bool modified);
    // The cell size or the shown style changed.
    void pictureSettingsChanged();
    // What canUndo() and canRedo() tell may have changed.
    void historyChanged();

private:
    class Notify;
    void slotCells(int number, int direction);
    // Emits documentReplaced: the new crossword shows its selection.
    void replaced();
    void rebuildShownGrid();
    // The largest cell size that shows the whole grid when the current one does not; else 0.
    int reduceCellSizeToFit();
    // The selection moved to the first slot without an answer, signalled by the caller.
    void toNextUnanswered();
    // The selection on the first slot, signalled by the caller.
    void selectFirstSlot();
    // What the history keeps of the crossword now: where the shown grid can be built again
    // from the texts exactly, all but that grid, which would double a large crossword's cost.
    CrosswordDocument historyState();
    // A fresh history whose first state is the crossword now.
    void startHistory();
    // The crossword now as a step's result, which began at that selection.
    void recordStep(int slot, int direction, int down);
    // Shows a state of the history as the crossword, with the file names of now.
    void restore(const EditHistory::Restored& to);

    // The solving time follows the crossword now: from its aids while it is being solved and
    // has a word open, else standing still at nothing.
    void followSolvingTime();
    // The time goes on while a word is open and stands still once none is, whatever brought
    // that about (a word solved, undone, an entry deleted).
    void followOpenWords();
    // A crossword just read is shown: the time, a fresh history and the signals.
    void showReplaced(int reducedCellSize);
    // Replaces the crossword by an ipuz file's, for solving when `forSolving` and it has every
    // answer, else for the author.
    ImportOutcome takeIpuz(const QString& path, bool forSolving);
    // After a solver's word or a hint: the solved word redrawn, the selection the check chose,
    // the time stopped at the end.
    void followSolvedWord(const CheckOutcome& out);

    Settings& settings_;
    CrosswordDocument doc_;
    struct Fill {
        std::vector<SlotRef> refs;
        std::vector<QByteArray> words;
    };
    Fill lastFill_;
    int shownStyle_ = 0;
    bool selectionShown_ = true;
    EditHistory history_;
    SolvingTimer timer_;
};
