// The fill commands: filling the grid, the suggestions window and the dead cells.
#include "commands/FillCommands.h"

#include "app/ModeTable.h"
#include "fill/FillProblem.h"
#include "text/CodePage.h"
#include "text/Mnemonics.h"
#include "words/FillProgressDialog.h"
#include "words/SuggestionsWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QMetaObject>

#include <algorithm>

namespace {

// Enough to choose from, and each one is tried in the whole grid: more would keep the author
// waiting after every move of the selection.
constexpr int kMaxSuggestions = 50;

} // namespace

FillCommands::FillCommands(CommandContext context)
    : QObject(context.parent), context_(std::move(context)),
      service_(std::make_unique<fill::FillService>(
          fill::listsIn({context_.state.ProgramFolder, context_.state.UserFolder}))),
      fill_(commands::makeAction(this, "fillAction")),
      fillAgain_(commands::makeAction(this, "fillAgainAction")),
      suggest_(commands::makeAction(this, "suggestAction")) {
    setObjectName(QStringLiteral("fillCommands"));
    connect(fill_, &QAction::triggered, this, [this] { fill(false); });
    connect(fillAgain_, &QAction::triggered, this, [this] { fill(true); });
    connect(suggest_, &QAction::triggered, this, &FillCommands::openSuggestions);
    connect(service_.get(), &fill::FillService::deadCellsFound, this,
            &FillCommands::deadCellsFound);
    connect(service_.get(), &fill::FillService::suggestionsFound, this, &FillCommands::showFound);
    CrosswordSession& session = context_.state.session;
    connect(&session, &CrosswordSession::modeChanged, this, &FillCommands::updateEnabled);
    // Words for the author's slots only: another mode closes them.
    connect(&session, &CrosswordSession::modeChanged, this, [this](EditMode mode) {
        if (window_ && mode != EditMode::ModeAuthor)
            window_->close();
    });
    // The suggestions follow the selection and the letters in the grid.
    connect(&session, &CrosswordSession::selectionChanged, this, &FillCommands::updateSuggestions);
    connect(&session, &CrosswordSession::cellsChanged, this, &FillCommands::updateSuggestions);
    connect(&session, &CrosswordSession::documentReplaced, this, &FillCommands::updateSuggestions);
    updateEnabled();
}

// The service first: its thread may still be using what the rest holds.
FillCommands::~FillCommands() {
    service_.reset();
}

QList<QAction*> FillCommands::actions() const {
    return {fill_, fillAgain_, suggest_};
}

void FillCommands::applyCaptions() {
    const AppState& state = context_.state;
    fill_->setText(cp1251::toUnicode(state.ownText(OwnText::FillGrid)));
    fillAgain_->setText(cp1251::toUnicode(state.ownText(OwnText::FillAgain)));
    suggest_->setText(cp1251::toUnicode(state.ownText(OwnText::SuggestWords)));
    if (window_)
        window_->setCaption(suggest_->text());
}

void FillCommands::updateEnabled() {
    using modetable::kFill;
    commands::enableForMode(context_.state,
                            {{kFill, fill_}, {kFill, fillAgain_}, {kFill, suggest_}});
}

QByteArray FillCommands::slotName(const SlotRef& slot) const {
    return context_.state.language.slotName(slot.number, directionIndex(slot.direction));
}

void FillCommands::fill(bool again) {
    CrosswordSession& session = context_.state.session;
    const CrosswordDocument& doc = session.document();
    if (doc.Mode != EditMode::ModeAuthor)
        return;
    context_.commitTypedClue();
    // Again while the last fill's words are all still there: those slots are filled afresh.
    const std::vector<SlotRef> reopened = again ? session.refillable() : std::vector<SlotRef>{};
    const fill::DocumentProblem dp = fill::problemFrom(doc, reopened);
    fill::Options options;
    options.seed = ++seed_;
    options.stepLimit = stepLimit;
    fill::Result result;
    {
        // The lists are read in the fill's thread, not here.
        FillProgressDialog dialog(
            context_.state, context_.parent, dp.problem, [this] { return service_->lexicon(); },
            options, timeLimit);
        // Not accepted: cancelled, and the dialog has stopped the fill.
        result.status = fill::Result::Status::Cancelled;
        if (context_.platform.runDialog(dialog) == QDialog::Accepted)
            result = dialog.result();
    }
    // A large grid's searches leave much memory behind, a cancelled one too.
    fill::releaseFreedMemory();
    switch (result.status) {
    case fill::Result::Status::Cancelled:
        return;
    case fill::Result::Status::NoFill:
        if (result.deadSlot >= 0 && static_cast<std::size_t>(result.deadSlot) < dp.refs.size())
            context_.message(context_.state.ownText(OwnText::NoWordFits) + ' ' +
                                 slotName(dp.refs[static_cast<std::size_t>(result.deadSlot)]) + '.',
                             platform::Icon::Warning);
        else if (result.hardestSlot >= 0 &&
                 static_cast<std::size_t>(result.hardestSlot) < dp.refs.size())
            context_.message(context_.state.ownText(OwnText::HardestSlot) + ' ' +
                                 slotName(dp.refs[static_cast<std::size_t>(result.hardestSlot)]) +
                                 '.',
                             platform::Icon::Warning);
        else
            context_.message(context_.state.ownText(OwnText::NoFillExists),
                             platform::Icon::Warning);
        return;
    case fill::Result::Status::LimitReached:
        context_.message(context_.state.ownText(OwnText::NoFillInLimit),
                         platform::Icon::Information);
        return;
    case fill::Result::Status::Filled:
        break;
    }
    // The slots without an answer and those filled afresh; the author's own answers stay.
    std::vector<SlotRef> refs;
    std::vector<QByteArray> words;
    for (std::size_t k = 0; k < dp.refs.size() && k < result.words.size(); ++k) {
        const SlotRef& ref = dp.refs[k];
        if (doc.SlotTexts.at(ref.number, 1, directionIndex(ref.direction)).isEmpty() ||
            std::find(reopened.begin(), reopened.end(), ref) != reopened.end()) {
            refs.push_back(ref);
            words.push_back(result.words[k]);
        }
    }
    if (session.placeFill(refs, words))
        emit filled();
    context_.message(context_.state.ownText(OwnText::Filled), platform::Icon::Information);
}

void FillCommands::showDeadCells() {
    if (context_.state.doc().Mode != EditMode::ModeAuthor) {
        // Nothing to shade, and nothing looked up for an earlier grid is shown any more.
        deadCellsDue_ = false;
        service_->dropDeadCells();
        emit deadCellsFound({});
        return;
    }
    // What is being looked up is for the grid before this change. One look-up after the
    // command, however many changes it made.
    service_->dropDeadCells();
    if (deadCellsDue_)
        return;
    deadCellsDue_ = true;
    QMetaObject::invokeMethod(this, &FillCommands::askDeadCells, Qt::QueuedConnection);
}

void FillCommands::askDeadCells() {
    if (!deadCellsDue_)
        return;
    deadCellsDue_ = false;
    if (context_.state.doc().Mode != EditMode::ModeAuthor)
        return;
    service_->findDeadCells(fill::problemFrom(context_.state.doc()).problem);
}

void FillCommands::openSuggestions() {
    if (!window_) {
        window_ = new SuggestionsWindow(context_.parent, suggest_->text());
        connect(window_, &SuggestionsWindow::wordChosen, this, &FillCommands::wordChosen);
        connect(window_, &SuggestionsWindow::escaped, this, &FillCommands::suggestionsLeft);
        emit suggestionsMade(window_);
    }
    window_->show();
    window_->raise();
    window_->setFocus(Qt::OtherFocusReason);
    askSuggestions();
}

SuggestionsWindow* FillCommands::suggestions() const {
    return window_;
}

void FillCommands::updateSuggestions() {
    // One look-up after the command, however many changes it signalled.
    if (!window_)
        return;
    service_->dropSuggestions();
    if (suggestionsDue_)
        return;
    suggestionsDue_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            suggestionsDue_ = false;
            askSuggestions();
        },
        Qt::QueuedConnection);
}

void FillCommands::askSuggestions() {
    if (!window_)
        return;
    const CrosswordDocument& doc = context_.state.doc();
    const SlotRef current{doc.CurrentSlot, directionAt(doc.CurrentDirection)};
    QString title;
    if (doc.Mode == EditMode::ModeAuthor && current.number > 0) {
        fill::DocumentProblem dp = fill::problemFrom(doc);
        const auto at = std::find(dp.refs.begin(), dp.refs.end(), current);
        const auto k = static_cast<std::size_t>(at - dp.refs.begin());
        if (at != dp.refs.end())
            title = cp1251::toUnicode(slotName(current));
        // A slot with every letter in place has nothing to choose: no words, and no complaint.
        if (at != dp.refs.end() &&
            std::any_of(dp.problem.slotCells[k].begin(), dp.problem.slotCells[k].end(),
                        [&dp](int c) { return dp.problem.fixed.at(c) == '\0'; })) {
            pendingTitle_ = title;
            pendingNone_ = cp1251::toUnicode(context_.state.ownText(OwnText::NoSuggestions));
            service_->findSuggestions(std::move(dp.problem), static_cast<int>(k), kMaxSuggestions);
            return;
        }
    }
    service_->dropSuggestions();
    window_->showWords(title, {}, QString());
}

void FillCommands::showFound(int, const std::vector<QByteArray>& words) {
    if (!window_)
        return;
    QList<QByteArray> offered;
    for (const QByteArray& w : words)
        offered.append(w);
    window_->showWords(pendingTitle_, offered, pendingNone_);
}

void FillCommands::waitForLookUps() {
    // The look-ups asked for after the running command, then their results.
    QCoreApplication::sendPostedEvents(this);
    service_->waitUntilIdle();
    QCoreApplication::sendPostedEvents(service_.get());
}
