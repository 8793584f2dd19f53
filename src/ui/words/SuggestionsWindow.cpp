// The suggestions window: words for the current slot that keep the grid fillable.
#include "words/SuggestionsWindow.h"

#include "app/Named.h"
#include "text/CodePage.h"
#include "text/Mnemonics.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

SuggestionsWindow::SuggestionsWindow(QWidget* parent, const QString& caption) : QWidget(parent, Qt::Dialog) {
    setObjectName(QStringLiteral("SuggestionsWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(withoutMnemonics(caption));
    slotLabel = named(new QLabel(this), "slotLabel");
    slotLabel->setWordWrap(true);
    wordList = named(new QListWidget(this), "wordList");
    wordList->setAccessibleName(windowTitle());
    slotLabel->setBuddy(wordList);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(slotLabel);
    layout->addWidget(wordList, 1);
    resize(260, 360);
    // Activation is a double click, or Enter on the chosen row.
    connect(wordList, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const int row = wordList->row(item);
        if (row >= 0 && row < words_.size())
            emit wordChosen(words_.at(row));
    });
}

void SuggestionsWindow::showWords(const QString& slot, const QList<QByteArray>& words,
                           const QString& none) {
    words_ = words;
    slotLabel->setText(words.isEmpty() && !slot.isEmpty() && !none.isEmpty()
                         ? slot + QStringLiteral(": ") + none
                         : slot);
    wordList->clear();
    for (const QByteArray& w : words)
        wordList->addItem(cp1251::toUnicode(w));
    if (!words.isEmpty())
        wordList->setCurrentRow(0);
}
