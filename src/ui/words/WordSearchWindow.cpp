// The pattern-search window.
#include "words/WordSearchWindow.h"

#include "app/EnterKey.h"
#include "app/Named.h"
#include "platform/Message.h"
#include "text/CodePage.h"
#include "text/SequentialText.h"
#include "words/FoundWordsModel.h"
#include "words/OnlineDictionary.h"
#include "words/SlotPattern.h"
#include "words/WordList.h"
#include "words/WordListView.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

WordSearchWindow::WordSearchWindow(AppState& state, platform::Platform& platform, QWidget* parent,
                                   words::WordListCache& cache, const QString& caption)
    : QWidget(parent, Qt::Dialog), state_(state), platform_(platform), cache_(cache),
      caption_(caption) {
    setObjectName(QStringLiteral("WordSearchWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    Label1 = named(new QLabel(this), "Label1");
    patternEdit = named(new QLineEdit(this), "patternEdit");
    Label3 = named(new QLabel(this), "Label3");
    Label2 = named(new QLabel(this), "Label2");
    wordList = named(new WordListView(this), "wordList");
    found_ = new FoundWordsModel(this);
    wordList->setModel(found_);
    Label4 = named(new QLabel(this), "Label4");
    for (QLabel* l : {Label1, Label2, Label3, Label4})
        l->setWordWrap(true);
    Label1->setBuddy(patternEdit);
    Label2->setBuddy(wordList);
    wordList->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(patternEdit);
    layout->addWidget(Label3);
    layout->addWidget(Label2);
    layout->addWidget(wordList, 1);
    layout->addWidget(Label4);
    resize(300, 420);

    patternEdit->installEventFilter(this);
    wordList->installEventFilter(this);
    connect(patternEdit, &QLineEdit::textChanged, this, &WordSearchWindow::patternEdited);
    connect(wordList, &QAbstractItemView::doubleClicked, this, &WordSearchWindow::wordListChosen);
}

void WordSearchWindow::Form_Load() {
    const Language& lang = state_.language;
    auto text = [&lang](LangEntry e) { return cp1251::toUnicode(lang.entry(e)); };
    showCount(0);
    Label3->setText(text(LangEntry::Letters) + cp1251::toUnicode(seqtext::strNumber(0)));
    Label1->setText(text(LangEntry::PatternPrompt));
    Label2->setText(text(LangEntry::MatchingWords));
    Label4->setText(text(LangEntry::DictionaryHint));
    if (state_.doc().CurrentSlot <= 0)
        return;
    patternEdit->setText(cp1251::toUnicode(words::prefilledPattern(state_.doc())));
    patternEdit->setCursorPosition(static_cast<int>(patternEdit->text().size()));
    QCoreApplication::processEvents();
    Search();
}

void WordSearchWindow::showCount(qsizetype count) {
    setWindowTitle(caption_ + QStringLiteral(": ") +
                   cp1251::toUnicode(state_.language.entry(LangEntry::Found)) +
                   QString::number(count));
}

void WordSearchWindow::patternEdited() {
    Label3->setText(cp1251::toUnicode(state_.language.entry(LangEntry::Letters) +
                                      seqtext::strNumber(patternEdit->text().size())));
}

void WordSearchWindow::Search() {
    const QString pattern = patternEdit->text();
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
    wordList->scrollToTop();
    showCount(found_->matches().count());
    unsetCursor();
}

const words::WordMatches& WordSearchWindow::foundWords() const {
    return found_->matches();
}

void WordSearchWindow::wordListChosen() {
    const int row = wordList->currentRow();
    if (row >= 0 && row < foundWords().count())
        LookUpOnline(platform_, state_.ProgramFolder, foundWords().word(row));
}

bool WordSearchWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        if (watched == patternEdit)
            return patternEditKey(event);
        if (watched == wordList)
            return wordListKey(event);
    }
    return QWidget::eventFilter(watched, event);
}

bool WordSearchWindow::patternEditKey(QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::KeyRelease) {
        if (isEnterKey(key->key()) && !key->isAutoRepeat() && wordEnterDown_) {
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
        const int row = wordList->currentRow();
        if (wordList->count() > 0 && row < wordList->count() - 1)
            wordList->setCurrentRow(row < 0 ? 0 : row + 1);
        return true;
    }
    case Qt::Key_Up: {
        const int row = wordList->currentRow();
        if (row > 0)
            wordList->setCurrentRow(row - 1);
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
        patternEdit->insert(QStringLiteral("?"));
        return true;
    }
    return false;
}

bool WordSearchWindow::wordListKey(QEvent* event) {
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
    if (isEnterKey(key->key())) {
        wordListChosen();
        return true;
    }
    return false;
}
