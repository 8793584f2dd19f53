#include "app/CrosswordSession.h"

#include "app/Settings.h"
#include "grid/GridAnalysis.h"
#include "grid/GridDrawing.h"
#include "grid/GridLimits.h"
#include "grid/ShownGrid.h"
#include "grid/SlotAccess.h"
#include "grid/SlotWalk.h"

#include <algorithm>
#include <utility>

// Emits, when an operation ends, the signals for what it changed of the mode, the selection
// and the modified flag, so that no operation can forget one.
class CrosswordSession::Notify {
public:
    explicit Notify(CrosswordSession& s)
        : s_(s), mode_(s.doc_.Mode), selection_(s.selection()), modified_(s.doc_.Modified) {}
    Notify(const Notify&) = delete;
    Notify& operator=(const Notify&) = delete;
    ~Notify() {
        const CrosswordDocument& d = s_.doc_;
        if (d.Mode != mode_)
            emit s_.modeChanged(d.Mode);
        if (const Selection now = s_.selection(); now != selection_ || reselect_)
            emit s_.selectionChanged(selection_, now);
        if (d.Modified != modified_)
            emit s_.modifiedChanged(d.Modified);
    }
    // The operation changed the crossword: one step of the history.
    void step() const {
        s_.recordStep(selection_.slot, directionIndex(selection_.direction), selection_.down);
    }
    // The selection is signalled even when it stays: the command chose it again.
    void reselect() { reselect_ = true; }

private:
    CrosswordSession& s_;
    EditMode mode_;
    Selection selection_;
    bool modified_;
    bool reselect_ = false;
};

CrosswordSession::CrosswordSession(Settings& settings, QObject* parent)
    : QObject(parent), settings_(settings) {
    // A fill belongs to the crossword it was made for.
    connect(this, &CrosswordSession::documentReplaced, this, [this] { lastFill_ = {}; });
    history_.reset(doc_, 0, true);
}

int CrosswordSession::cellSize() const {
    return settings_.CellSize;
}

Selection CrosswordSession::selection() const {
    return {doc_.CurrentSlot, directionAt(doc_.CurrentDirection), doc_.CurrentDownSlot,
            selectionShown_};
}

void CrosswordSession::slotCells(int number, int direction) {
    const int c = doc_.ShownSlotTable.at(number, 0, direction);
    const int r = doc_.ShownSlotTable.at(number, 1, direction);
    const int len = shownSlotLength(doc_, number, direction);
    if (len > 0)
        emit cellsChanged(direction == 0 ? QRect(c, r, len, 1) : QRect(c, r, 1, len));
}

void CrosswordSession::replaced() {
    selectionShown_ = true;
    emit documentReplaced();
}

void CrosswordSession::rebuildShownGrid() {
    buildShownGrid(doc_, shownStyle_);
}

void CrosswordSession::showForSetup(int style) {
    shownStyle_ = style;
    rebuildShownGrid();
    startHistory();
    replaced();
}

void CrosswordSession::newGrid(int width, int height, const QByteArray& title, int noAnswers) {
    const Notify notify(*this);
    shownStyle_ = 0;
    doc_.startNewGrid(width, height, title, noAnswers);
    followSolvingTime();
    startHistory();
    replaced();
}

std::vector<QPoint> CrosswordSession::toggleCell(int cx, int cy, bool symmetric) {
    if (doc_.Mode != EditMode::ModeDrawGrid || cx < 0 || cy < 0 || cx >= doc_.GridWidth ||
        cy >= doc_.GridHeight)
        return {};
    const int value = doc_.CellMap.at(cx, cy) == 0 ? 1 : 0;
    std::vector<QPoint> cells = drawnCells(cx, cy, doc_.GridWidth, doc_.GridHeight, symmetric);
    for (const QPoint& p : cells) {
        doc_.CellMap.set(p.x(), p.y(), value);
        emit cellsChanged(QRect(p, QSize(1, 1)));
    }
    recordStep(0, 0, 0);
    return cells;
}

void CrosswordSession::clearDrawing() {
    if (doc_.Mode != EditMode::ModeDrawGrid)
        return;
    const Table<int> drawn = doc_.CellMap;
    doc_.CellMap.fill(0);
    emit cellsChanged(QRect(0, 0, doc_.GridWidth, doc_.GridHeight));
    if (doc_.CellMap != drawn)
        recordStep(0, 0, 0);
}

bool CrosswordSession::gridReady() {
    if (doc_.Mode != EditMode::ModeDrawGrid)
        return false;
    const Notify notify(*this);
    if (!analyseGrid(doc_))
        return false;
    rebuildShownGrid();
    if (doc_.NoAnswers == 0)
        toNextUnanswered();
    doc_.Modified = true;
    startHistory();
    replaced();
    return true;
}

CrosswordSession::OpenOutcome CrosswordSession::open(const QString& path) {
    const Notify notify(*this);
    OpenOutcome out;
    out.read = ReadCrosswordFile(path, doc_);
    if (out.read.status != FileStatus::Ok) {
        // Nothing of the crossword still shown can be solved any more.
        timer_.stop();
        startHistory();
        return out;
    }
    out.reducedCellSize = reduceCellSizeToFit();
    shownStyle_ = settings_.ChosenStyle;
    if (doc_.Mode == EditMode::ModeSolveNoAnswers) {
        // The solver's words, and number 1 selected, so that nothing of the previous crossword
        // shows through.
        doc_.SlotTexts = Table<QByteArray>::withBounds(doc_.NumberedCount, 1);
        doc_.CurrentSlot = doc_.NumberedCount >= 1 ? 1 : 0;
        doc_.CurrentDirection = slotLength(doc_, 1, 0) == 0 ? 1 : 0;
    }
    rebuildShownGrid();
    showReplaced(out.reducedCellSize);
    return out;
}

CrosswordSession::ImportOutcome CrosswordSession::importIpuz(const QString& path) {
    return takeIpuz(path, false);
}

int CrosswordSession::reduceCellSizeToFit() {
    int& size = settings_.CellSize;
    const int fitting = gridlimits::largestFittingCellSize(doc_.GridWidth, doc_.GridHeight, size);
    if (fitting == size)
        return 0;
    size = fitting;
    return fitting;
}

void CrosswordSession::abandonFailedOpen() {
    const Notify notify(*this);
    if (doc_.Mode == EditMode::ModeOpenFailed)
        doc_.Mode = EditMode::ModeEmpty;
    startHistory();
}

bool CrosswordSession::holdsCrosswordTitled(const QByteArray& title) const {
    return doc_.Mode != EditMode::ModeEmpty && doc_.Mode != EditMode::ModeDrawGrid &&
           doc_.CrosswordTitle == title;
}

CrosswordSession::AnswersOutcome CrosswordSession::applyAnswers(const AnswersFileContent& content,
                                                                const QString& path,
                                                                bool alreadyShown) {
    const Notify notify(*this);
    AnswersOutcome out;
    // A file of the other kind (with / without answers) would turn the crossword into
    // something it is not.
    out.status = ApplyAnswers(content, path, doc_);
    if (out.status != FileStatus::Ok)
        return out;
    if (alreadyShown) {
        doc_.Mode = doc_.NoAnswers == 0 ? EditMode::ModeSolve : EditMode::ModeSolveNoAnswers;
        // Solving shows the chosen style, also when the author's crossword turns into this.
        shownStyle_ = settings_.ChosenStyle;
    }
    out.unsolved = firstUnsolvedWord(doc_);
    if (doc_.Mode == EditMode::ModeSolveNoAnswers) {
        doc_.CurrentSlot = out.unsolved ? out.unsolved->first : 0;
        doc_.CurrentDirection = out.unsolved ? out.unsolved->second : 0;
    }
    rebuildShownGrid();
    followSolvingTime();
    startHistory();
    replaced();
    return out;
}

void CrosswordSession::endSolving() {
    const Notify notify(*this);
    if (doc_.Mode == EditMode::ModeSolve)
        doc_.Mode = EditMode::ModeEmpty;
    timer_.stop();
    startHistory();
}

FileStatus CrosswordSession::saveCrossword(const QString& path) {
    const Notify notify(*this);
    const FileStatus status = WriteCrosswordFile(path, doc_);
    if (status == FileStatus::Ok)
        history_.markSaved();
    return status;
}

FileStatus CrosswordSession::saveAnswers(const QString& path) {
    const Notify notify(*this);
    doc_.Aids.ElapsedMs = timer_.elapsedMs();
    const FileStatus status = WriteAnswersFile(path, doc_);
    if (status == FileStatus::Ok)
        history_.markSaved();
    return status;
}

PlacementOutcome CrosswordSession::placeAnswer(const QByteArray& answer, const QByteArray& clue) {
    if (doc_.Mode != EditMode::ModeAuthor || doc_.CurrentSlot < 1)
        return {};
    Notify notify(*this);
    const int n = doc_.CurrentSlot;
    const int d = doc_.CurrentDirection;
    const PlacementOutcome out = PlaceAnswer(doc_, n, d, answer, clue);
    if (!out.changed())
        return out;
    notify.reselect();
    slotCells(n, d);
    doc_.CurrentDirection = 1 - d;
    if (slotLength(doc_, n, 1 - d) <= 0 || !answerOf(doc_, n, 1 - d).isEmpty())
        toNextUnanswered();
    notify.step();
    return out;
}

bool CrosswordSession::keepClue(const QByteArray& clue) {
    if (doc_.Mode != EditMode::ModeAuthor || doc_.CurrentSlot < 1)
        return false;
    const Notify notify(*this);
    if (!KeepClue(doc_, doc_.CurrentSlot, doc_.CurrentDirection, clue))
        return false;
    notify.step();
    emit clueChanged(doc_.CurrentSlot, doc_.CurrentDirection);
    return true;
}

bool CrosswordSession::placeFill(const std::vector<SlotRef>& refs,
                                 const std::vector<QByteArray>& words) {
    if (doc_.Mode != EditMode::ModeAuthor || refs.size() != words.size())
        return false;
    const int w = doc_.GridWidth;
    const int h = doc_.GridHeight;
    // The letters the grid would hold, checked before the first word is written: the answers
    // that stay, then the fill's words.
    std::vector<unsigned char> letters(static_cast<std::size_t>(std::max(w, 0)) *
                                       static_cast<std::size_t>(std::max(h, 0)));
    const auto put = [&](int n, int d, const QByteArray& word) {
        bool fits = slotLength(doc_, n, d) == word.size();
        forEachSlotCell(doc_.SlotTable, n, d, [&](int i, int x, int y) {
            fits = fits && x >= 0 && y >= 0 && x < w && y < h;
            if (!fits)
                return false;
            unsigned char& cell = letters[static_cast<std::size_t>(y * w + x)];
            const auto c = static_cast<unsigned char>(word.at(i));
            fits = c > ' ' && (cell == 0 || cell == c);
            cell = c;
            return fits;
        });
        return fits;
    };
    const auto replaced = [&](int n, int d) {
        return std::find(refs.begin(), refs.end(), SlotRef{n, directionAt(d)}) != refs.end();
    };
    for (int n = 1; n <= doc_.NumberedCount; ++n)
        for (int d = 0; d <= 1; ++d)
            if (const QByteArray& kept = doc_.SlotTexts.ref(n, 1, d);
                !kept.isEmpty() && !replaced(n, d) && !put(n, d, kept))
                return false;
    for (std::size_t k = 0; k < refs.size(); ++k)
        if (const int d = directionIndex(refs[k].direction);
            refs[k].number < 1 || d < 0 || d > 1 || !put(refs[k].number, d, words[k]))
            return false;

    const Notify notify(*this);
    bool changed = false;
    for (std::size_t k = 0; k < refs.size(); ++k) {
        const int n = refs[k].number;
        const int d = directionIndex(refs[k].direction);
        if (doc_.SlotTexts.ref(n, 1, d) == words[k])
            continue;
        forEachSlotCell(doc_.SlotTable, n, d, [&](int i, int x, int y) {
            const auto c = static_cast<unsigned char>(words[k].at(i));
            doc_.CellMap.set(x, y, layer::kLetter, c);
            doc_.CellMap.set(x, y, layer::wordLetter(d), c);
        });
        doc_.SlotTexts.set(n, 1, d, words[k]);
        changed = true;
    }
    if (!changed)
        return false;
    doc_.Modified = true;
    lastFill_ = {refs, words};
    if (doc_.CurrentSlot < 1)
        selectFirstSlot();
    notify.step();
    emit cellsChanged(QRect(0, 0, w, h));
    return true;
}

std::vector<SlotRef> CrosswordSession::refillable() const {
    for (std::size_t k = 0; k < lastFill_.refs.size(); ++k)
        if (answerOf(doc_, lastFill_.refs[k].number, directionIndex(lastFill_.refs[k].direction)) !=
            lastFill_.words[k])
            return {};
    return lastFill_.refs;
}

bool CrosswordSession::canDeleteAnswer() const {
    return CanDeleteAnswer(doc_);
}

void CrosswordSession::deleteAnswer() {
    if (!CanDeleteAnswer(doc_))
        return;
    Notify notify(*this);
    DeleteAnswer(doc_);
    // The slot shows selected again, also after the solver's last word.
    selectionShown_ = true;
    notify.reselect();
    followOpenWords();
    notify.step();
    slotCells(doc_.CurrentSlot, doc_.CurrentDirection);
}

bool CrosswordSession::setProperties(const QByteArray& title, const QByteArray& author,
                                     const QByteArray& password) {
    const Notify notify(*this);
    const auto properties = [this] {
        return std::tuple(doc_.CrosswordTitle, doc_.CrosswordAuthor, doc_.CrosswordPassword);
    };
    const auto before = properties();
    doc_.CrosswordAuthor = author;
    if (title != doc_.CrosswordTitle) {
        doc_.CrosswordTitle = title;
        // The tables always follow the title.
        doc_.Scramble = BuildScrambleTables(doc_.CrosswordTitle);
    }
    doc_.CrosswordPassword = ScrambleText(doc_.Scramble, password);
    // New properties are a change that must not be lost by closing without saving.
    const bool changed = properties() != before;
    if (changed) {
        doc_.Modified = true;
        notify.step();
    }
    return changed;
}

bool CrosswordSession::unlock(const QByteArray& password) {
    if (UnscrambleText(doc_.Scramble, doc_.CrosswordPassword) != password)
        return false;
    const Notify notify(*this);
    shownStyle_ = 0; // editing always shows the classic style
    doc_.Mode = EditMode::ModeAuthor;
    doc_.SolvedFlags = Table<int>::withBounds(doc_.NumberedCount, 1);
    doc_.SolvedCount = 0;
    doc_.Aids = {};
    rebuildShownGrid();
    toNextUnanswered();
    doc_.Modified = false;
    // A crossword solved from an ipuz file becomes the author's as an import does: to be saved
    // as a crossword file of its own, never over the ipuz file.
    if (ipuz::isIpuzPath(doc_.CrosswordPath)) {
        doc_.CrosswordPath.clear();
        doc_.Modified = true;
    }
    followSolvingTime();
    startHistory();
    replaced();
    return true;
}

EntryOutcome CrosswordSession::enterAnswer(const QByteArray& word) {
    if (doc_.Mode != EditMode::ModeSolveNoAnswers)
        return {};
    const Notify notify(*this);
    const int n = doc_.CurrentSlot;
    const int d = doc_.CurrentDirection;
    const EntryOutcome out = EnterSolverAnswer(doc_, word, shownStyle_);
    if (!out.entered)
        return out;
    // Without a next open word the selection stays where it was, shown no more.
    const bool next = out.open > 0 && out.nextFound;
    selectionShown_ = next;
    slotCells(n, d);
    if (next) {
        doc_.CurrentSlot = out.nextSlot;
        doc_.CurrentDirection = out.nextDirection;
    }
    followOpenWords();
    notify.step();
    return out;
}

CheckOutcome CrosswordSession::checkAnswer(const QByteArray& word) {
    if (doc_.Mode != EditMode::ModeSolve)
        return {};
    Notify notify(*this);
    const CheckOutcome out = CheckSolverAnswer(doc_, word, shownStyle_);
    if (out.hit) {
        notify.reselect();
        slotCells(out.slot, out.direction);
    }
    if (out.next == CheckOutcome::Next::SelectPair) {
        doc_.CurrentSlot = out.across;
        doc_.CurrentDownSlot = out.down;
    }
    followOpenWords();
    if (out.hit)
        notify.step();
    return out;
}

std::optional<Selected> CrosswordSession::jumpToNumber(int number) {
    if (doc_.Mode != EditMode::ModeSolveNoAnswers)
        return std::nullopt;
    const Notify notify(*this);
    Selected previous;
    if (!JumpToNumber(doc_, number, previous))
        return std::nullopt;
    selectionShown_ = true;
    return previous;
}

std::optional<SlotRef> CrosswordSession::slotAtCell(int cx, int cy) const {
    if (cx < 0 || cy < 0 || cx >= doc_.GridWidth || cy >= doc_.GridHeight)
        return std::nullopt;
    const int d = doc_.CurrentDirection;
    const int current = doc_.CellMap.at(cx, cy, d);
    const int other = doc_.CellMap.at(cx, cy, 1 - d);
    if (current + other == 0)
        return std::nullopt;
    const int direction = other > 0 ? 1 - d : d;
    return SlotRef{doc_.CellMap.at(cx, cy, direction), directionAt(direction)};
}

void CrosswordSession::selectSlot(const SlotRef& slot) {
    Notify notify(*this);
    notify.reselect();
    doc_.CurrentSlot = slot.number;
    doc_.CurrentDirection = directionIndex(slot.direction);
    selectionShown_ = true;
}

void CrosswordSession::selectFirstSlot() {
    for (int n = 1; n <= doc_.NumberedCount; ++n)
        for (int d = 0; d <= 1; ++d)
            if (slotLength(doc_, n, d) > 0) {
                doc_.CurrentSlot = n;
                doc_.CurrentDirection = d;
                return;
            }
}

void CrosswordSession::selectNextUnanswered() {
    Notify notify(*this);
    notify.reselect();
    toNextUnanswered();
    selectionShown_ = true;
}

void CrosswordSession::toNextUnanswered() {
    const SlotRef next = nextUnanswered(doc_);
    doc_.CurrentSlot = next.number;
    doc_.CurrentDirection = directionIndex(next.direction);
}

void CrosswordSession::selectPair(int across, int down) {
    Notify notify(*this);
    notify.reselect();
    doc_.CurrentSlot = across;
    doc_.CurrentDownSlot = down;
    selectionShown_ = true;
}

bool CrosswordSession::selectPairAt(int cx, int cy) {
    if (cx < 0 || cy < 0 || cx >= doc_.GridWidth || cy >= doc_.GridHeight)
        return false;
    const int across = doc_.CellMap.at(cx, cy, 0);
    const int down = doc_.CellMap.at(cx, cy, 1);
    if (across + down < 1)
        return false;
    selectPair(across, down);
    return true;
}

QPoint CrosswordSession::slotStart(const SlotRef& slot) const {
    const int d = directionIndex(slot.direction);
    const QPoint start(doc_.SlotTable.at(slot.number, 0, d), doc_.SlotTable.at(slot.number, 1, d));
    if (shownStyle_ == 0)
        return start;
    // The cell map is the turned grid's.
    return {doc_.GridWidth - 1 - start.x(), doc_.GridHeight - 1 - start.y()};
}

bool CrosswordSession::setStyle(int style) {
    const bool changed = style != settings_.ChosenStyle;
    settings_.ChosenStyle = style;
    const EditMode mode = doc_.Mode;
    if (!changed || (mode != EditMode::ModeSolveNoAnswers && mode != EditMode::ModeSolve))
        return false;
    shownStyle_ = style;
    rebuildShownGrid();
    selectionShown_ = true;
    emit pictureSettingsChanged();
    return true;
}

void CrosswordSession::showChosenStyle() {
    shownStyle_ = settings_.ChosenStyle == 1 ? 1 : 0;
}

void CrosswordSession::setCellSize(int size) {
    settings_.CellSize = size;
    selectionShown_ = true;
    emit pictureSettingsChanged();
}

CrosswordDocument CrosswordSession::historyState() {
    // The solver without answers keeps the slots of the words typed so far clickable, which a
    // grid built afresh does not: his grid is kept whole, as a drawn one is.
    if (doc_.Mode != EditMode::ModeAuthor && doc_.Mode != EditMode::ModeSolve)
        return doc_;
    Table<int> cells = std::exchange(doc_.CellMap, {});
    Table<int> shown = std::exchange(doc_.ShownSlotTable, {});
    CrosswordDocument state = doc_;
    doc_.CellMap = std::move(cells);
    doc_.ShownSlotTable = std::move(shown);
    return state;
}

void CrosswordSession::startHistory() {
    history_.reset(historyState(), shownStyle_, !doc_.Modified);
    emit historyChanged();
}

void CrosswordSession::recordStep(int slot, int direction, int down) {
    history_.record(historyState(), shownStyle_, {slot, direction, down});
    emit historyChanged();
}

void CrosswordSession::undo() {
    if (!history_.canUndo())
        return;
    restore(history_.undo());
}

void CrosswordSession::redo() {
    if (!history_.canRedo())
        return;
    restore(history_.redo());
}

void CrosswordSession::restore(const EditHistory::Restored& to) {
    const CrosswordDocument& state = to.state;
    const Notify notify(*this);
    const bool drawing = state.Mode == EditMode::ModeDrawGrid;
    const Table<int> drawn = drawing ? doc_.CellMap : Table<int>();
    // Saving is not a step: the crossword stays where it was saved last.
    QString crosswordPath = std::move(doc_.CrosswordPath);
    QString answersPath = std::move(doc_.AnswersPath);
    // Hints used stay counted, and the time stays the timer's.
    const SolvingAids counted{
        {}, {}, doc_.Aids.LettersRevealed, doc_.Aids.WordsRevealed, doc_.Aids.ElapsedMs};
    doc_ = state;
    doc_.Aids.LettersRevealed = counted.LettersRevealed;
    doc_.Aids.WordsRevealed = counted.WordsRevealed;
    doc_.Aids.ElapsedMs = counted.ElapsedMs;
    doc_.CrosswordPath = std::move(crosswordPath);
    doc_.AnswersPath = std::move(answersPath);
    doc_.CurrentSlot = to.selection.slot;
    doc_.CurrentDirection = to.selection.direction;
    doc_.CurrentDownSlot = to.selection.down;
    // A grid being drawn is never asked to be saved.
    doc_.Modified = !drawing && !history_.atSaved();
    emit historyChanged();
    if (drawing) {
        // Only the cells that changed, in runs along the rows, as toggleCell tells them: the
        // whole grid at once means a freshly cleared one.
        const int w = doc_.GridWidth;
        const int longest = doc_.GridHeight == 1 ? 1 : w;
        for (int y = 0; y < doc_.GridHeight; ++y)
            for (int x = 0; x < w;) {
                int end = x;
                while (end < w && end - x < longest && drawn.at(end, y) != doc_.CellMap.at(end, y))
                    ++end;
                if (end > x)
                    emit cellsChanged(QRect(x, y, end - x, 1));
                x = std::max(end, x + 1);
            }
        return;
    }
    // A grid left out of the history, or one shown in another style since.
    if (doc_.CellMap.isEmpty() || to.shownStyle != shownStyle_)
        rebuildShownGrid();
    followOpenWords();
    // The same crossword: "fill again" still goes by whether the last fill's words are there.
    Fill fill = std::move(lastFill_);
    replaced();
    lastFill_ = std::move(fill);
}

// --- Solving any crossword: ipuz files, the answers file, hints and the time ---

namespace {

bool everyWordAnswered(const CrosswordDocument& doc) {
    return doc.NoAnswers == 0 && wordsWhere(doc, [&doc](int n, int d) {
                                     return hasWord(doc, n, d) &&
                                            doc.SlotTexts.at(n, 1, d).isEmpty();
                                 }).empty();
}

} // namespace

CrosswordSession::ImportOutcome CrosswordSession::takeIpuz(const QString& path, bool forSolving) {
    ImportOutcome out;
    CrosswordDocument imported;
    out.problem = ipuz::readIpuzFile(path, imported);
    if (!out.problem.ok())
        return out;
    const Notify notify(*this);
    doc_ = std::move(imported);
    out.reducedCellSize = reduceCellSizeToFit();
    if (forSolving && everyWordAnswered(doc_)) {
        // As a crossword file with every answer opens: nothing solved, nothing to save yet.
        doc_.Mode = EditMode::ModeSolve;
        doc_.Modified = false;
        doc_.CrosswordPath = path;
        doc_.SolvedFlags = Table<int>::withBounds(doc_.NumberedCount, 1);
        doc_.SolvedCount = 0;
        doc_.CurrentSlot = doc_.SlotTable.at(1, 2, 0) >= 1 ? 1 : 0;
        doc_.CurrentDownSlot = doc_.SlotTable.at(1, 2, 1) >= 1 ? 1 : 0;
        shownStyle_ = settings_.ChosenStyle;
        rebuildShownGrid();
    } else {
        // The author edits in the classic style, as after Grid ready or the password.
        shownStyle_ = 0;
        rebuildShownGrid();
        if (doc_.Mode == EditMode::ModeAuthor && doc_.NoAnswers == 0)
            toNextUnanswered();
    }
    showReplaced(out.reducedCellSize);
    return out;
}

CrosswordSession::FileOpenOutcome CrosswordSession::openFile(const QString& path) {
    FileOpenOutcome out;
    out.ipuz = ipuz::isIpuzPath(path);
    if (out.ipuz) {
        const ImportOutcome imported = takeIpuz(path, true);
        out.problem = imported.problem;
        out.reducedCellSize = imported.reducedCellSize;
    } else {
        const OpenOutcome opened = open(path);
        out.read = opened.read;
        out.reducedCellSize = opened.reducedCellSize;
    }
    return out;
}

CrosswordSession::AnswersFileOutcome CrosswordSession::openAnswersFile(const QString& path) {
    AnswersFileOutcome out;
    AnswersFileContent content;
    out.answers = ReadAnswersFile(path, content);
    if (out.answers != FileStatus::Ok)
        return out;
    const bool sameCrossword = holdsCrosswordTitled(content.CrosswordTitle);
    if (!sameCrossword) {
        out.crosswordOpened = true;
        out.crossword = openFile(crosswordPathBesideAnswers(path, content.CrosswordFileName));
        if (!out.crossword.ok()) {
            if (doc_.Mode == EditMode::ModeOpenFailed)
                abandonFailedOpen();
            return out;
        }
    }
    out.applied = applyAnswers(content, path, sameCrossword);
    return out;
}

bool CrosswordSession::unlockNeedsPassword() const {
    return !UnscrambleText(doc_.Scramble, doc_.CrosswordPassword).isEmpty();
}

void CrosswordSession::showReplaced(int reducedCellSize) {
    followSolvingTime();
    startHistory();
    replaced();
    if (reducedCellSize > 0)
        emit pictureSettingsChanged();
}

void CrosswordSession::followSolvingTime() {
    const bool solving =
        doc_.Mode == EditMode::ModeSolve || doc_.Mode == EditMode::ModeSolveNoAnswers;
    timer_.start(solving ? doc_.Aids.ElapsedMs : 0);
    if (!solving || !firstUnsolvedWord(doc_))
        timer_.stop();
}

void CrosswordSession::followOpenWords() {
    const bool open =
        (doc_.Mode == EditMode::ModeSolve || doc_.Mode == EditMode::ModeSolveNoAnswers) &&
        firstUnsolvedWord(doc_);
    if (open && !timer_.solving())
        timer_.start(timer_.elapsedMs());
    else if (!open)
        timer_.stop();
}

void CrosswordSession::followSolvedWord(const CheckOutcome& out) {
    if (out.next == CheckOutcome::Next::SelectPair) {
        doc_.CurrentSlot = out.across;
        doc_.CurrentDownSlot = out.down;
    }
    followOpenWords();
}

HintOutcome CrosswordSession::revealWord(int direction) {
    if (doc_.Mode != EditMode::ModeSolve)
        return {};
    const Notify notify(*this);
    HintOutcome out;
    out.word = RevealSolverWord(doc_, direction, shownStyle_);
    out.revealed = out.word.hit;
    if (!out.revealed)
        return out;
    slotCells(out.word.slot, out.word.direction);
    followSolvedWord(out.word);
    notify.step();
    emit hintsChanged();
    return out;
}

HintOutcome CrosswordSession::revealLetter(int cx, int cy) {
    if (doc_.Mode != EditMode::ModeSolve)
        return {};
    const Notify notify(*this);
    // The open words through the cell, before the letter may complete them.
    const int through[2] = {doc_.CellMap.at(cx, cy, layer::kAcross),
                            doc_.CellMap.at(cx, cy, layer::kDown)};
    const HintOutcome out = RevealSolverLetter(doc_, cx, cy, shownStyle_);
    if (!out.revealed)
        return out;
    emit cellsChanged(QRect(cx, cy, 1, 1));
    for (int d = 0; d <= 1; ++d)
        if (through[d] > 0 && doc_.SolvedFlags.at(through[d], d) == 1)
            slotCells(through[d], d);
    followSolvedWord(out.word);
    notify.step();
    emit hintsChanged();
    return out;
}

std::optional<QPoint> CrosswordSession::nextHiddenCell(int direction) const {
    const int d = direction == 1 ? 1 : 0;
    const int n = d == 0 ? doc_.CurrentSlot : doc_.CurrentDownSlot;
    if (doc_.Mode != EditMode::ModeSolve || n < 1)
        return std::nullopt;
    // Turned, a word reads from its shown end back to its shown start.
    const int len = doc_.ShownSlotTable.at(n, 2, d);
    std::optional<QPoint> hidden;
    int first = len;
    forEachSlotCell(doc_.ShownSlotTable, n, d, [&](int i, int x, int y) {
        const int at = shownStyle_ == 1 ? len - 1 - i : i;
        if (at < first && doc_.CellMap.at(x, y, layer::kLetter) == 0) {
            first = at;
            hidden = QPoint(x, y);
        }
    });
    return hidden;
}

bool CrosswordSession::wordRevealed(int number, int direction) const {
    return doc_.Aids.RevealedWords.at(number, direction) == 1;
}

bool CrosswordSession::cellRevealed(int cx, int cy) const {
    const bool turned = shownStyle_ == 1;
    return doc_.Aids.RevealedCells.at(turned ? doc_.GridWidth - 1 - cx : cx,
                                      turned ? doc_.GridHeight - 1 - cy : cy) == 1;
}

void CrosswordSession::pauseSolvingTime() {
    timer_.pause();
}

void CrosswordSession::resumeSolvingTime() {
    timer_.resume();
}

SolvingSummary CrosswordSession::solvingSummary() const {
    return {timer_.elapsedMs(), doc_.Aids.LettersRevealed, doc_.Aids.WordsRevealed};
}
