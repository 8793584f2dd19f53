// The answer box: Enter places, enters or checks the word; letter conflicts and words left.
#include "app/frmForma.h"
#include "grid/GridView.h"
#include "text/CodePage.h"
#include "text/SequentialText.h"
#include "words/Cp1251Validator.h"
#include "words/Placement.h"
#include "words/SlotColors.h"

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
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
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

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The number a typed text begins with, rounded halves to even; -1 when it does not fit.
int typedNumber(const QByteArray& text) {
    return seqtext::toInt32(seqtext::numericValue(text)).value_or(-1);
}

} // namespace

void frmForma::connectWordHandlers() {
    for (QLineEdit* box : {txtOtvet, txtVoprosOtvet})
        box->setValidator(new Cp1251Validator(box));
    txtOtvet->installEventFilter(
        new BoxKeys(txtOtvet, true, [this](int key) { txtOtvet_KeyDown(key); }));
    txtVoprosOtvet->installEventFilter(
        new BoxKeys(txtVoprosOtvet, false, [this](int key) { txtVoprosOtvet_KeyDown(key); }));
    connect(txtVoprosOtvet, &QLineEdit::textChanged, this, &frmForma::txtVoprosOtvet_Change);
    connect(Kross, &QMenu::aboutToShow, this, &frmForma::Kross_Click);
    connect(KrossDelOtwet, &QAction::triggered, this, &frmForma::KrossDelOtwet_Click);
}

void frmForma::txtOtvet_KeyDown(int key) {
    if (key == Qt::Key_Escape) {
        gridView_->focusGrid();
        // A word begun in the box goes on from the grid.
        const QString text = txtOtvet->text();
        if (txtOtvet->isModified() && !text.isEmpty() &&
            std::all_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); })) {
            gridTyped_ = true;
            showGridPreview();
        }
        return;
    }
    if (!isEnter(key))
        return;
    const CrosswordDocument& doc = state_.doc();
    const QByteArray text = cp1251::fromUnicode(txtOtvet->text());
    const int v = typedNumber(text);
    switch (doc.Mode) {
    case EditMode::ModeAuthor:
        if (doc.CurrentSlot == 0)
            return;
        if (!txtVoprosOtvet->text().isEmpty())
            placeTypedAnswer();
        else
            txtVoprosOtvet->setFocus(Qt::OtherFocusReason);
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
            SelectByNumber(v);
        break;
    default:
        break;
    }
}

void frmForma::placeTypedAnswer() {
    const CrosswordDocument& doc = state_.doc();
    const int n = doc.CurrentSlot;
    const int d = doc.CurrentDirection;
    const PlacementOutcome out = state_.session.placeAnswer(
        cp1251::fromUnicode(txtOtvet->text()), cp1251::fromUnicode(txtVoprosOtvet->text()));
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
    txtOtvet->clear();
    DrawSlot(n, d, slotcolor::kWhite);

    // The session moved on to the next word without an answer.
    txtVoprosOtvet->clear();
    if (doc.CurrentSlot > 0)
        ShowCurrentSlot();
    showDeadCells();
}

void frmForma::showLetterConflict(int position, unsigned char crossing, unsigned char typed) {
    const QByteArray text = state_.language.entry(LangEntry::LetterMismatch) + ' ' +
                            static_cast<char>(crossing) + ", " + static_cast<char>(typed);
    message(text, platform::Icon::Critical);
    // The author overtypes the offending letter, so the box takes the focus to show it.
    txtOtvet->setFocus(Qt::OtherFocusReason);
    txtOtvet->setSelection(position - 1, 1);
}

void frmForma::showWordsOpen(int open) {
    lblSlov->setText(
        cp1251::toUnicode(state_.language.entry(LangEntry::Words) + seqtext::strNumber(open)));
}
