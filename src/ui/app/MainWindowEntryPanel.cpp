// The entry panel's boxes: their keys, and what the panel and the grid show after the authoring
// and solving commands.
#include "app/EnterKey.h"
#include "app/MainWindow.h"
#include "commands/AuthoringCommands.h"
#include "commands/SolvingCommands.h"
#include "grid/GridView.h"
#include "text/CodePage.h"
#include "text/SequentialText.h"
#include "words/Cp1251Validator.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include <algorithm>
#include <functional>

namespace {

// Hands Enter and Escape in a box to its key handler; in the answer box a typed blank is dropped.
class BoxKeys : public QObject {
public:
    BoxKeys(QLineEdit* box, bool dropBlanks, std::function<void(int)> keyDown)
        : QObject(box), dropBlanks_(dropBlanks), keyDown_(std::move(keyDown)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isEnterKey(key->key())) {
            keyDown_(Qt::Key_Return);
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            keyDown_(Qt::Key_Escape);
            return true;
        }
        return dropBlanks_ && key->text() == u" ";
    }

private:
    bool dropBlanks_;
    std::function<void(int)> keyDown_;
};

} // namespace

void MainWindow::connectWordHandlers() {
    for (QLineEdit* box : {answerEdit, clueEdit})
        box->setValidator(new Cp1251Validator(box));
    answerEdit->installEventFilter(
        new BoxKeys(answerEdit, true, [this](int key) { answerEditKey(key); }));
    clueEdit->installEventFilter(
        new BoxKeys(clueEdit, false, [this](int key) { clueEditKey(key); }));
    connect(crosswordMenu, &QMenu::aboutToShow, authoringCommands_,
            &AuthoringCommands::updateDeleteOffer);

    AuthoringCommands* authoring = authoringCommands_;
    connect(authoring, &AuthoringCommands::answerPlaced, this, &MainWindow::showPlacedAnswer);
    connect(authoring, &AuthoringCommands::answerDeleted, this, &MainWindow::showDeletedAnswer);
    SolvingCommands* solving = solvingCommands_;
    connect(solving, &SolvingCommands::wordsOpenChanged, this, &MainWindow::showWordsOpen);
    connect(solving, &SolvingCommands::numberChosen, this, &MainWindow::selectByNumber);
}

void MainWindow::answerEditKey(int key) {
    if (key == Qt::Key_Escape) {
        gridView_->focusGrid();
        // A word begun in the box goes on from the grid.
        const QString text = answerEdit->text();
        if (answerEdit->isModified() && !text.isEmpty() &&
            std::all_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); })) {
            gridTyped_ = true;
            showGridPreview();
        }
        return;
    }
    if (!isEnterKey(key))
        return;
    if (state_.doc().Mode == EditMode::ModeAuthor)
        authoringCommands_->enterInAnswerBox();
    else
        solvingCommands_->enterInAnswerBox();
}

void MainWindow::clueEditKey(int key) {
    if (key == Qt::Key_Escape) {
        gridView_->focusGrid();
        return;
    }
    if (isEnterKey(key))
        authoringCommands_->enterInClueBox();
}

void MainWindow::commitTypedClue() {
    authoringCommands_->keepTypedClue();
}

void MainWindow::placeTypedAnswer() {
    authoringCommands_->placeTypedAnswer();
}

void MainWindow::showPlacedAnswer() {
    // The session moved on to the next word without an answer; the panel shows it by itself.
    focusClueBox();
}

void MainWindow::focusClueBox() {
    if (state_.doc().CurrentSlot > 0)
        clueEdit->setFocus(Qt::OtherFocusReason);
}

void MainWindow::showDeletedAnswer() {
    const CrosswordDocument& doc = state_.doc();
    if (doc.Mode != EditMode::ModeAuthor)
        showWordsOpen(doc.WordCount - doc.SolvedCount);
}

void MainWindow::showWordsOpen(int open) {
    wordCountLabel->setText(
        cp1251::toUnicode(state_.language.entry(LangEntry::Words) + seqtext::strNumber(open)));
}
