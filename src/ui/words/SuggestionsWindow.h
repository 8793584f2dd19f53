#pragma once

#include <QByteArray>
#include <QDockWidget>
#include <QList>

class QLabel;
class QListWidget;

// The words the lists offer for the current slot, best first, each leaving every crossing word
// possible: a dock beside the clue list, deleted when closed; a double click or Enter on a
// word asks for it to be placed, Escape for the grid's focus.
class SuggestionsWindow : public QDockWidget {
    Q_OBJECT
public:
    SuggestionsWindow(QWidget* parent, const QString& caption);

    QLabel* slotLabel = nullptr; // the slot the words are for, or why there are none
    QListWidget* wordList = nullptr;

    void setCaption(const QString& caption);
    // Words in Windows-1251; `none` (if any) is said after the slot when there is no word.
    void showWords(const QString& slot, const QList<QByteArray>& words, const QString& none);
    // The words listed, as given.
    const QList<QByteArray>& words() const { return words_; }

signals:
    void wordChosen(const QByteArray& word);
    void escaped();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QList<QByteArray> words_;
};
