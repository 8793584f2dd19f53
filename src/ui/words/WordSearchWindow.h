#pragma once

#include "app/AppState.h"
#include "platform/Platform.h"
#include "words/WordList.h"

#include <QWidget>

class FoundWordsModel;
class QLabel;
class QLineEdit;
class WordListView;

// The pattern search: a pattern of known letters and '?' in patternEdit, the fitting words of the
// Data word list in wordList. Modeless, a child of `parent`, deleted when closed.
class WordSearchWindow : public QWidget {
    Q_OBJECT
public:
    // caption: what the title starts with, the search command's own; cache: the word lists
    // read so far, which outlive the window.
    WordSearchWindow(AppState& state, platform::Platform& platform, QWidget* parent,
                     words::WordListCache& cache, const QString& caption);

    QLineEdit* patternEdit = nullptr;
    WordListView* wordList = nullptr;
    QLabel* Label1 = nullptr; // hint on the pattern
    QLabel* Label2 = nullptr; // heading of the list
    QLabel* Label3 = nullptr; // letter count
    QLabel* Label4 = nullptr; // hint on the online lookup

    // Captions; with a current slot, its pattern from the crossing words, searched at once.
    void Form_Load();
    // Enter released in patternEdit.
    void Search();
    // A double click (or Enter) on the list: the selected word in the online dictionary.
    void wordListChosen();

    // A new caption after a language was loaded; the title takes it at the next count.
    void setCaption(const QString& caption) { caption_ = caption; }

    // The words listed, as read (Windows-1251), one per row of wordList.
    const words::WordMatches& foundWords() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool patternEditKey(QEvent* event);
    bool wordListKey(QEvent* event);
    void patternEdited();
    void showCount(qsizetype count);

    const AppState& state_;
    platform::Platform& platform_;
    words::WordListCache& cache_;
    QString caption_;
    FoundWordsModel* found_ = nullptr;
    // A key went down inside the list; its key-up may act. Enter or Escape pressed elsewhere
    // (in patternEdit, in a message box) must not act on the list when released over it.
    bool listKeyDown_ = false;
    // The same for Enter in patternEdit: the key-up of the Enter that closed a message box must
    // not start the search (and the message) again.
    bool wordEnterDown_ = false;
};
