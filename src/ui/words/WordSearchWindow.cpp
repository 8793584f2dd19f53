// The pattern-search window.
#include "words/frmFindWord.h"

#include "app/Named.h"
#include "platform/Message.h"
#include "text/CodePage.h"
#include "text/SequentialText.h"
#include "words/FoundWordsModel.h"
#include "words/SlotPattern.h"
#include "words/SlovarM.h"
#include "words/WordList.h"
#include "words/WordListView.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

frmFindWord::frmFindWord(AppState& state, platform::Platform& platform, QWidget* parent,
                         words::WordListCache& cache, const QString& caption)
    : QWidget(parent, Qt::Dialog), state_(state), platform_(platform), cache_(cache),
      caption_(caption) {
    setObjectName(QStringLiteral("frmFindWord"));
    setAttribute(Qt::WA_DeleteOnClose);
    Label1 = named(new QLabel(this), "Label1");
    txtWord = named(new QLineEdit(this), "txtWord");
    Label3 = named(new QLabel(this), "Label3");
    Label2 = named(new QLabel(this), "Label2");
    List1 = named(new WordListView(this), "List1");
    found_ = new FoundWordsModel(this);
    List1->setModel(found_);
    Label4 = named(new QLabel(this), "Label4");
    for (QLabel* l : {Label1, Label2, Label3, Label4})
        l->setWordWrap(true);
    Label1->setBuddy(txtWord);
    Label2->setBuddy(List1);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(txtWord);
    layout->addWidget(Label3);
    layout->addWidget(Label2);
    layout->addWidget(List1, 1);
    layout->addWidget(Label4);
    resize(300, 420);

    txtWord->installEventFilter(this);
    List1->installEventFilter(this);
    connect(txtWord, &QLineEdit::textChanged, this, &frmFindWord::txtWord_Change);
    connect(List1, &QAbstractItemView::doubleClicked, this, &frmFindWord::List1_DblClick);
}

void frmFindWord::Form_Load() {
    const Language& lang = state_.language;
    auto text = [&lang](LangEntry e) { return cp1251::toUnicode(lang.entry(e)); };
    showCount(0);
    Label3->setText(text(LangEntry::Letters) + cp1251::toUnicode(seqtext::strNumber(0)));
    Label1->setText(text(LangEntry::PatternPrompt));
    Label2->setText(text(LangEntry::MatchingWords));
    Label4->setText(text(LangEntry::DictionaryHint));
    if (state_.doc().CurrentSlot <= 0)
        return;
    txtWord->setText(cp1251::toUnicode(words::prefilledPattern(state_.doc())));
    txtWord->setCursorPosition(static_cast<int>(txtWord->text().size()));
    QCoreApplication::processEvents();
    Search();
}

void frmFindWord::showCount(qsizetype count) {
    setWindowTitle(caption_ + QStringLiteral(": ") +
                   cp1251::toUnicode(state_.language.entry(LangEntry::Found)) +
                   QString::number(count));
}

void frmFindWord::txtWord_Change() {
    Label3->setText(cp1251::toUnicode(state_.language.entry(LangEntry::Letters) +
                                      seqtext::strNumber(txtWord->text().size())));
}

void frmFindWord::Search() {
    const QString pattern = txtWord->text();
    if (pattern.size() < words::kMinPatternLength)
        return;
    if (pattern.size() > words::kMaxPatternLength) {
        platform::message(platform_, this, state_.MessageTitle,
                          state_.language.entry(LangEntry::PatternTooLong),
                          platform::Icon::Critical);
        return;
    }
    setCursor(Qt::WaitCursor);
    // A character the code page cannot hold is in no word of the lists.
    const QString folder =
        state_.folderHolding(words::wordListPath(QString(), int(pattern.size())));
    found_->setMatches(cp1251::canEncode(pattern)
                           ? words::findWords(cache_, folder, cp1251::fromUnicode(pattern))
                           : words::WordMatches());
    List1->scrollToTop();
    showCount(found_->matches().count());
    unsetCursor();
}

const words::WordMatches& frmFindWord::foundWords() const {
    return found_->matches();
}

void frmFindWord::List1_DblClick() {
    const int row = List1->currentRow();
    if (row >= 0 && row < foundWords().count())
        LookUpOnline(platform_, state_.ProgramFolder, foundWords().word(row));
}

bool frmFindWord::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        if (watched == txtWord)
            return txtWord_Key(event);
        if (watched == List1)
            return List1_Key(event);
    }
    return QWidget::eventFilter(watched, event);
}

bool frmFindWord::txtWord_Key(QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::KeyRelease) {
        if (isEnter(key->key()) && !key->isAutoRepeat() && wordEnterDown_) {
            wordEnterDown_ = false;
            Search();
            return true;
        }
        return false;
    }
    switch (key->key()) {
    case Qt::Key_Escape:
        close();
        return true;
    case Qt::Key_Down: {
        const int row = List1->currentRow();
        if (List1->count() > 0 && row < List1->count() - 1)
            List1->setCurrentRow(row < 0 ? 0 : row + 1);
        return true;
    }
    case Qt::Key_Up: {
        const int row = List1->currentRow();
        if (row > 0)
            List1->setCurrentRow(row - 1);
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        wordEnterDown_ = true;
        return true;
    default:
        break;
    }
    if (key->text() == QStringLiteral(" ")) {
        txtWord->insert(QStringLiteral("?"));
        return true;
    }
    return false;
}

bool frmFindWord::List1_Key(QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::KeyPress) {
        listKeyDown_ = true;
        return false;
    }
    if (key->isAutoRepeat() || !listKeyDown_)
        return false;
    listKeyDown_ = false;
    if (key->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    if (isEnter(key->key())) {
        List1_DblClick();
        return true;
    }
    return false;
}
