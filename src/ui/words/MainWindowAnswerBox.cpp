// The answer box: Enter places, enters or checks the word; letter conflicts and words left.
#include "app/EnterKey.h"
#include "app/MainWindow.h"
#include "grid/GridView.h"
#include "text/CodePage.h"
#include "text/SequentialText.h"
#include "words/Cp1251Validator.h"
#include "words/Placement.h"

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

// The number a typed text begins with, rounded halves to even; -1 when it does not fit.
int typedNumber(const QByteArray& text) {
    return seqtext::toInt32(seqtext::numericValue(text)).value_or(-1);
}

} // namespace

void MainWindow::connectWordHandlers() {
    for (QLineEdit* box : {answerEdit, clueEdit})
        box->setValidator(new Cp1251Validator(box));
    answerEdit->installEventFilter(
        new BoxKeys(answerEdit, true, [this](int key) { answerEditKey(key); }));
    clueEdit->installEventFilter(
        new BoxKeys(clueEdit, false, [this](int key) { clueEditKey(key); }));
    connect(clueEdit, &QLineEdit::textChanged, this, &MainWindow::clueEditChanged);
    connect(crosswordMenu, &QMenu::aboutToShow, this, &MainWindow::updateCrosswordMenu);
    connect(deleteAnswerAction, &QAction::triggered, this, &MainWindow::deleteAnswer);
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
    const CrosswordDocument& doc = state_.doc();
    const QByteArray text = cp1251::fromUnicode(answerEdit->text());
    const int v = typedNumber(text);
    switch (doc.Mode) {
    case EditMode::ModeAuthor:
        if (doc.CurrentSlot == 0)
            return;
        if (!clueEdit->text().isEmpty())
            placeTypedAnswer();
        else
            clueEdit->setFocus(Qt::OtherFocusReason);
        break;
    case EditMode::ModeSolveNoAnswers:
        if (text.isEmpty())
            return;
        if (v == 0) {
            if (text.size() == doc.SlotTable.at(doc.CurrentSlot, 2, doc.CurrentDirection))
                enterTypedAnswer(text);
        } else if (v >= 1 && v <= doc.NumberedCount) {
            jumpToTypedNumber(v);
        }
        break;
    case EditMode::ModeSolve:
        if (text.isEmpty())
            return;
        if (v == 0)
            checkTypedAnswer(text);
        else if (v >= 1 && v <= doc.NumberedCount)
            selectByNumber(v);
        break;
    default:
        break;
    }
}

void MainWindow::placeTypedAnswer() {
    const CrosswordDocument& doc = state_.doc();
    const PlacementOutcome out = state_.session.placeAnswer(cp1251::fromUnicode(answerEdit->text()),
                                                            cp1251::fromUnicode(clueEdit->text()));
    switch (out.kind) {
    case PlacementOutcome::Kind::Ignored:
        return;
    case PlacementOutcome::Kind::Conflict:
        showLetterConflict(out.position, out.crossing, out.typed);
        return;
    case PlacementOutcome::Kind::Placed:
    case PlacementOutcome::Kind::Removed:
        break;
    }
    answerEdit->clear();

    // The session moved on to the next word without an answer.
    clueEdit->clear();
    if (doc.CurrentSlot > 0)
        showCurrentSlot();
}

void MainWindow::showLetterConflict(int position, unsigned char crossing, unsigned char typed) {
    const QByteArray text = state_.language.entry(LangEntry::LetterMismatch) + ' ' +
                            static_cast<char>(crossing) + ", " + static_cast<char>(typed);
    message(text, platform::Icon::Critical);
    // The author overtypes the offending letter, so the box takes the focus to show it.
    answerEdit->setFocus(Qt::OtherFocusReason);
    answerEdit->setSelection(position - 1, 1);
}

void MainWindow::showWordsOpen(int open) {
    wordCountLabel->setText(
        cp1251::toUnicode(state_.language.entry(LangEntry::Words) + seqtext::strNumber(open)));
}
