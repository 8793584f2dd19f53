#pragma once

#include "commands/CommandContext.h"
#include "fill/FillEngine.h"
#include "fill/FillService.h"
#include "words/SlotSelection.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

class QAction;
class QDockWidget;
class SuggestionsWindow;

// Filling the grid with the words of the lists, the words that fit the current slot, and the
// cells no word can pass through any more. Offered while the author writes. The lists, the
// dead cells and the suggestions are looked up off the window's thread: the window answers at
// once and shows them when they come, dropping those for a grid that changed meanwhile.
class FillCommands : public QObject {
    Q_OBJECT
public:
    explicit FillCommands(CommandContext context);
    ~FillCommands() override;

    // In menu order: fill, fill again, suggestions.
    QList<QAction*> actions() const;
    void applyCaptions();
    void updateEnabled();

    // Fills every slot without an answer; again, the slots the last fill filled get other words
    // while its words are still there.
    void fill(bool again);
    // Opens the suggestions window for the current slot.
    void openSuggestions();
    SuggestionsWindow* suggestions() const;
    // Looks the dead cells up for the grid as it is once the running command is over; none
    // outside authoring.
    void showDeadCells();
    // Waits for the look-ups asked for so far and shows what they found. For tests and
    // benchmarks: the window itself never waits.
    void waitForLookUps();
    fill::FillService& lookUps() const { return *service_; }

    // How long and how many steps a fill may search before it gives up.
    std::chrono::milliseconds timeLimit{15'000};
    std::int64_t stepLimit = fill::Options{}.stepLimit;

signals:
    // The cells to shade, in the order of fill::deadCells.
    void deadCellsFound(const std::vector<int>& cells);
    // A suggested word chosen, to be placed as if typed into the answer box.
    void wordChosen(const QByteArray& word);
    // A fill placed its words.
    void filled();
    // Escape in the suggestions: the focus goes back to the grid.
    void suggestionsLeft();
    // The suggestions dock was made, for the window to place it.
    void suggestionsMade(QDockWidget* dock);

private:
    // The suggestions for the current slot, once the running command is over.
    void updateSuggestions();
    void askSuggestions();
    void askDeadCells();
    void showFound(int slot, const std::vector<QByteArray>& words);
    QByteArray slotName(const SlotRef& slot) const;

    CommandContext context_;
    std::unique_ptr<fill::FillService> service_;
    QAction* fill_;
    QAction* fillAgain_;
    QAction* suggest_;
    QPointer<SuggestionsWindow> window_;
    bool suggestionsDue_ = false;
    bool deadCellsDue_ = false;
    // What the suggestions window says with the words asked for.
    QString pendingTitle_;
    QString pendingNone_;
    std::uint64_t seed_ = 0;
};
