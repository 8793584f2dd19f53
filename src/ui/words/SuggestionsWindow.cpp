// The suggestions dock: words for the current slot that keep the grid fillable.
#include "words/SuggestionsWindow.h"

#include "app/DockButtonNames.h"
#include "app/Named.h"
#include "text/CodePage.h"
#include "text/Mnemonics.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

SuggestionsWindow::SuggestionsWindow(QWidget* parent, const QString& caption)
    : QDockWidget(parent) {
    setObjectName(QStringLiteral("SuggestionsWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFeatures(DockWidgetClosable | DockWidgetMovable | DockWidgetFloatable);
    auto* content = new QWidget(this);
    slotLabel = named(new QLabel(content), "slotLabel");
    slotLabel->setWordWrap(true);
    wordList = named(new QListWidget(content), "wordList");
    slotLabel->setBuddy(wordList);
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(slotLabel);
    layout->addWidget(wordList, 1);
    setWidget(content);
    setFocusProxy(wordList);
    setCaption(caption);
    // Activation is a double click, or Enter on the chosen row.
    connect(wordList, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const int row = wordList->row(item);
        if (row >= 0 && row < words_.size())
            emit wordChosen(words_.at(row));
    });
}

void SuggestionsWindow::setCaption(const QString& caption) {
    setWindowTitle(withoutMnemonics(caption));
    wordList->setAccessibleName(windowTitle());
    nameDockButtons(*this);
}

void SuggestionsWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        emit escaped();
        return;
    }
    QDockWidget::keyPressEvent(event);
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
