// Filling the grid automatically, and the cells no word can pass through any more.
#include "app/MainWindow.h"
#include "commands/EditCommands.h"
#include "commands/FileCommands.h"
#include "commands/PublishingCommands.h"
#include "fill/FillProblem.h"
#include "grid/GridView.h"
#include "text/CodePage.h"
#include "text/Mnemonics.h"
#include "text/SequentialText.h"
#include "words/FillProgressDialog.h"
#include "words/SuggestionsWindow.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

#include <algorithm>

namespace {

// Enough to choose from, and each one is tried in the whole grid: more would keep the author
// waiting after every move of the selection.
constexpr int kMaxSuggestions = 50;

} // namespace

void MainWindow::connectFillHandlers() {
    connect(fillAction, &QAction::triggered, this, [this] { fillAutomatically(false); });
    connect(fillAgainAction, &QAction::triggered, this, [this] { fillAutomatically(true); });
    connect(suggestAction, &QAction::triggered, this, &MainWindow::openSuggestions);
    // The suggestions follow the selection and the letters in the grid.
    connect(&state_.session, &CrosswordSession::selectionChanged, this,
            &MainWindow::updateSuggestions);
    connect(&state_.session, &CrosswordSession::cellsChanged, this, &MainWindow::updateSuggestions);
    connect(&state_.session, &CrosswordSession::documentReplaced, this,
            &MainWindow::updateSuggestions);
    // The shading of dead cells follows every new picture and the author's words.
    connect(&state_.session, &CrosswordSession::documentReplaced, this, &MainWindow::showDeadCells);
    connect(&state_.session, &CrosswordSession::pictureSettingsChanged, this,
            &MainWindow::showDeadCells);
    connect(&state_.session, &CrosswordSession::cellsChanged, this, [this] {
        if (state_.doc().Mode == EditMode::ModeAuthor)
            showDeadCells();
    });
}

void MainWindow::applyOwnCaptions() {
    fillAction->setText(cp1251::toUnicode(state_.ownText(OwnText::FillGrid)));
    fillAgainAction->setText(cp1251::toUnicode(state_.ownText(OwnText::FillAgain)));
    suggestAction->setText(cp1251::toUnicode(state_.ownText(OwnText::SuggestWords)));
    fileCommands_->applyCaptions();
    if (suggest)
        suggest->setWindowTitle(withoutMnemonics(suggestAction->text()));
    publishingCommands_->applyCaptions();
    editMenu->setTitle(cp1251::toUnicode(state_.ownText(OwnText::editMenu)));
    editCommands_->applyCaptions();
    applyClueCaptions();
}

QByteArray MainWindow::slotName(const SlotRef& slot) const {
    return state_.language.slotName(slot.number, slot.direction);
}

void MainWindow::fillAutomatically(bool again) {
    const CrosswordDocument& doc = state_.doc();
    if (doc.Mode != EditMode::ModeAuthor)
        return;
    commitTypedClue();
    // Again while the last fill's words are all still there: those slots are filled afresh.
    const std::vector<SlotRef> reopened =
        again ? state_.session.refillable() : std::vector<SlotRef>{};
    const fill::DocumentProblem dp = fill::problemFrom(doc, reopened);
    fill::Options options;
    options.seed = ++fillSeed_;
    options.stepLimit = fillStepLimit;
    FillProgressDialog dialog(state_, this, dp.problem,
                              lexiconCache.load({state_.ProgramFolder, state_.UserFolder}), options,
                              fillTimeLimit);
    if (platform_.runDialog(dialog) != QDialog::Accepted)
        return; // cancelled: the dialog stops the fill
    const fill::Result& result = dialog.result();
    switch (result.status) {
    case fill::Result::Status::Cancelled:
        return;
    case fill::Result::Status::NoFill:
        if (result.deadSlot >= 0 && static_cast<std::size_t>(result.deadSlot) < dp.refs.size())
            message(state_.ownText(OwnText::NoWordFits) + ' ' +
                        slotName(dp.refs[static_cast<std::size_t>(result.deadSlot)]) + '.',
                    platform::Icon::Warning);
        else if (result.hardestSlot >= 0 &&
                 static_cast<std::size_t>(result.hardestSlot) < dp.refs.size())
            message(state_.ownText(OwnText::HardestSlot) + ' ' +
                        slotName(dp.refs[static_cast<std::size_t>(result.hardestSlot)]) + '.',
                    platform::Icon::Warning);
        else
            message(state_.ownText(OwnText::NoFillExists), platform::Icon::Warning);
        return;
    case fill::Result::Status::LimitReached:
        message(state_.ownText(OwnText::NoFillInLimit), platform::Icon::Information);
        return;
    case fill::Result::Status::Filled:
        break;
    }
    // The slots without an answer and those filled afresh; the author's own answers stay.
    std::vector<SlotRef> refs;
    std::vector<QByteArray> words;
    for (std::size_t k = 0; k < dp.refs.size() && k < result.words.size(); ++k) {
        const SlotRef& ref = dp.refs[k];
        if (doc.SlotTexts.at(ref.number, 1, ref.direction).isEmpty() ||
            std::find(reopened.begin(), reopened.end(), ref) != reopened.end()) {
            refs.push_back(ref);
            words.push_back(result.words[k]);
        }
    }
    if (state_.session.placeFill(refs, words) && doc.CurrentSlot > 0)
        showCurrentSlot();
    message(state_.ownText(OwnText::Filled), platform::Icon::Information);
}

void MainWindow::showDeadCells() {
    const CrosswordDocument& doc = state_.doc();
    std::vector<int> dead;
    if (doc.Mode == EditMode::ModeAuthor) {
        const auto lexicon = lexiconCache.load({state_.ProgramFolder, state_.UserFolder});
        // Without any list there is nothing to judge by.
        if (fill::hasWords(*lexicon))
            dead = fill::deadCells(fill::problemFrom(doc).problem, *lexicon);
    }
    gridView_->setDeadCells(dead);
}

void MainWindow::openSuggestions() {
    if (!suggest) {
        suggest = new SuggestionsWindow(this, suggestAction->text());
        connect(suggest, &SuggestionsWindow::wordChosen, this, &MainWindow::placeSuggested);
    }
    suggest->show();
    suggest->raise();
    showSuggestions();
}

void MainWindow::updateSuggestions() {
    // One look-up after the command, however many changes it signalled.
    if (!suggest || suggestionsDue_)
        return;
    suggestionsDue_ = true;
    QTimer::singleShot(0, this, [this] {
        suggestionsDue_ = false;
        showSuggestions();
    });
}

void MainWindow::showSuggestions() {
    if (!suggest)
        return;
    const CrosswordDocument& doc = state_.doc();
    const SlotRef current{doc.CurrentSlot, doc.CurrentDirection};
    QList<QByteArray> offered;
    QString title;
    QString none;
    if (doc.Mode == EditMode::ModeAuthor && current.number > 0) {
        const fill::DocumentProblem dp = fill::problemFrom(doc);
        const auto at = std::find(dp.refs.begin(), dp.refs.end(), current);
        const auto k = static_cast<std::size_t>(at - dp.refs.begin());
        if (at != dp.refs.end())
            title = cp1251::toUnicode(slotName(current));
        // A slot with every letter in place has nothing to choose: no words, and no complaint.
        if (at != dp.refs.end() &&
            std::any_of(dp.problem.slotCells[k].begin(), dp.problem.slotCells[k].end(),
                        [&dp](int c) { return dp.problem.fixed.at(c) == '\0'; })) {
            const auto lexicon = lexiconCache.load({state_.ProgramFolder, state_.UserFolder});
            for (QByteArray& w :
                 fill::suggestWords(dp.problem, *lexicon, static_cast<int>(k), kMaxSuggestions))
                offered.append(std::move(w));
            none = cp1251::toUnicode(state_.ownText(OwnText::NoSuggestions));
        }
    }
    suggest->showWords(title, offered, none);
}

void MainWindow::placeSuggested(const QByteArray& word) {
    if (state_.doc().Mode != EditMode::ModeAuthor)
        return;
    answerEdit->setText(cp1251::toUnicode(word));
    placeTypedAnswer();
}
