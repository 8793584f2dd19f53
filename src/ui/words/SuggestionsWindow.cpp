// The suggestions window: words for the current slot that keep the grid fillable.
#include "words/frmSuggest.h"

#include "app/Named.h"
#include "text/CodePage.h"
#include "text/Mnemonics.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

frmSuggest::frmSuggest(QWidget* parent, const QString& caption) : QWidget(parent, Qt::Dialog) {
    setObjectName(QStringLiteral("frmSuggest"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(withoutMnemonics(caption));
    lblSlot = named(new QLabel(this), "lblSlot");
    lblSlot->setWordWrap(true);
    lstWords = named(new QListWidget(this), "lstWords");
    lstWords->setAccessibleName(windowTitle());
    lblSlot->setBuddy(lstWords);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSlot);
    layout->addWidget(lstWords, 1);
    resize(260, 360);
    // Activation is a double click, or Enter on the chosen row.
    connect(lstWords, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const int row = lstWords->row(item);
        if (row >= 0 && row < words_.size())
            emit wordChosen(words_.at(row));
    });
}

void frmSuggest::showWords(const QString& slot, const QList<QByteArray>& words,
                           const QString& none) {
    words_ = words;
    lblSlot->setText(words.isEmpty() && !slot.isEmpty() && !none.isEmpty()
                         ? slot + QStringLiteral(": ") + none
                         : slot);
    lstWords->clear();
    for (const QByteArray& w : words)
        lstWords->addItem(cp1251::toUnicode(w));
    if (!words.isEmpty())
        lstWords->setCurrentRow(0);
}
