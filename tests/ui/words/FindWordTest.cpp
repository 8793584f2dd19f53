#include "app/AppState.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "text/CodePage.h"
#include "words/OnlineLookup.h"
#include "words/WordList.h"
#include "words/WordListAccessible.h"
#include "words/WordListView.h"
#include "words/WordSearchWindow.h"

#include "support/LanguageEntries.h"
#include "support/PrintQt.h"
#include "support/ProgramFolder.h"
#include "support/ui/FakePlatform.h"
#include "support/ui/WindowParts.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <malloc.h>

#include <utility>

namespace {

QByteArray cp(const char16_t* text) {
    return cp1251::fromUnicode(QStringView(text));
}

QByteArray datFile(std::initializer_list<const char16_t*> list, int length) {
    QList<QByteArray> words;
    for (const char16_t* w : list)
        words.append(cp(w));
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    words::writeWordList(buffer, length, words);
    return data;
}

void type(QWidget* w, const QString& text) {
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QStringList rows(const QAbstractItemView* list) {
    QStringList out;
    for (int i = 0; i < list->model()->rowCount(); ++i)
        out.append(list->model()->index(i, 0).data().toString());
    return out;
}

struct Window {
    TempProgramFolder folder;
    AppState state{folder.path()};
    FakePlatform fake;
    std::unique_ptr<MainWindow> form;

    Window() {
        state.MessageTitle = "Clueforge";
        setEntries(state.language,
                   {{LangEntry::Found, cp(u"найдено ")},
                    {LangEntry::PatternPrompt, cp(u"Образец, ? — неизвестная буква:")},
                    {LangEntry::MatchingWords, cp(u"Слова:")},
                    {LangEntry::PatternTooLong, cp(u"Не больше 24 букв")},
                    {LangEntry::Letters, cp(u"Букв:")},
                    {LangEntry::DictionaryHint, cp(u"Двойной щелчок — словарь")}});
        folder.write(QStringLiteral("Data/3.dat"),
                     datFile({u"КОТ", u"ДОМ", u"КИТ", u"СОК", u"КАТ", u"ТОК"}, 3));
        folder.write(QStringLiteral("Data/2.dat"), datFile({u"ЯД", u"УМ", u"АД"}, 2));
        folder.write(QStringLiteral("Data/5.dat"),
                     datFile({u"ВОРОН", u"ВАГОН", u"ВЫГОН", u"КОЛОС", u"ВАЛУН"}, 5));
        form = startUp(state, fake);
        fake.messages.clear(); // the folder has no language file: start-up reports it
    }

    // A list of two-letter words: АА over and over, then ЯД.
    void hugeList(qsizetype words) {
        QByteArray letters(words * 2, '\xC0');
        letters.replace(letters.size() - 2, 2, cp(u"ЯД"));
        folder.write(QStringLiteral("Data/2.dat"),
                     " " + QByteArray::number(words) + " \r\n\"" + letters + "\"\r\n");
    }

    WordSearchWindow* open() {
        form->openWordSearch();
        return part::findWord(*form);
    }
    // Types a pattern and releases Enter in the pattern box.
    void search(WordSearchWindow* w, const QString& pattern) {
        w->patternEdit->clear();
        type(w->patternEdit, pattern);
        QTest::keyClick(w->patternEdit, Qt::Key_Return);
    }

    // A 5 × 3 grid: slot 1 across at (0, 1), 5 cells; the down words crossing it have written
    // В in column 0 and О in column 3; the slot's own across letters must not count.
    void halfFilledSlot() {
        CrosswordDocument& doc = state.session.documentForSetup();
        doc.GridWidth = 5;
        doc.GridHeight = 3;
        doc.Mode = EditMode::ModeAuthor;
        doc.NumberedCount = 1;
        doc.CellMap = Table<int>::withBounds(5, 3, 5);
        doc.SlotTable = Table<int>::withBounds(1, 2, 1);
        doc.SlotTable.set(1, 0, 0, 0);
        doc.SlotTable.set(1, 1, 0, 1);
        doc.SlotTable.set(1, 2, 0, 5);
        doc.CellMap.set(0, 1, 5, static_cast<unsigned char>(cp(u"В")[0]));
        doc.CellMap.set(3, 1, 5, static_cast<unsigned char>(cp(u"О")[0]));
        doc.CellMap.set(4, 1, 4, static_cast<unsigned char>(cp(u"Я")[0]));
        doc.CurrentSlot = 1;
        doc.CurrentDirection = 0;
        form->updateControlsForMode();
    }
};

// What the list tells assistive technology while this lives: "+word" for a row selected,
// "-word" for one no longer selected, "focus word" for the row that took the keyboard focus.
class ListEvents {
public:
    ListEvents() {
        log_ = &events_;
        previous_ = setWordListEventSink(&record);
    }
    ~ListEvents() {
        setWordListEventSink(previous_);
        log_ = nullptr;
    }
    ListEvents(const ListEvents&) = delete;
    ListEvents& operator=(const ListEvents&) = delete;

    QStringList take() { return std::exchange(events_, {}); }

private:
    static void record(QAccessibleEvent* event) {
        if (!log_ || !qobject_cast<WordListView*>(event->object()) || event->child() < 0)
            return;
        const QAccessibleInterface* row = event->accessibleInterface();
        const QString word = row ? row->text(QAccessible::Name) : QStringLiteral("?");
        switch (event->type()) {
        case QAccessible::SelectionAdd:
            log_->append(u'+' + word);
            break;
        case QAccessible::SelectionRemove:
            log_->append(u'-' + word);
            break;
        case QAccessible::Focus:
            log_->append(QStringLiteral("focus ") + word);
            break;
        default:
            log_->append(QStringLiteral("event %1 ").arg(event->type()) + word);
        }
    }

    static inline QStringList* log_ = nullptr;
    QStringList events_;
    WordListEventSink previous_;
};

} // namespace

TEST(FindWord, OpensWithItsCaptionsAndNoSearchWithoutACurrentSlot) {
    Window w;
    WordSearchWindow* f = w.open();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->parentWidget(), w.form.get());
    EXPECT_FALSE(f->isModal());
    EXPECT_EQ(f->windowTitle(), QStringLiteral(u"Поиск слов: найдено 0"));
    EXPECT_EQ(f->Label1->text(), QStringLiteral(u"Образец, ? — неизвестная буква:"));
    EXPECT_EQ(f->Label2->text(), QStringLiteral(u"Слова:"));
    EXPECT_EQ(f->Label3->text(), QStringLiteral(u"Букв: 0"));
    EXPECT_EQ(f->Label4->text(), QStringLiteral(u"Двойной щелчок — словарь"));
    EXPECT_TRUE(f->patternEdit->text().isEmpty());
    EXPECT_EQ(f->wordList->count(), 0);

    // One window at a time.
    EXPECT_EQ(w.open(), f);
    EXPECT_EQ(w.form->findChildren<WordSearchWindow*>().size(), 1);
}

TEST(FindWord, TheTitleFollowsALanguageLoadedWhileItIsOpen) {
    Window w;
    WordSearchWindow* f = w.open();
    w.folder.write(QStringLiteral("Language/Test.txt"), "Test\r\n14 Find words\r\n38 found \r\n");
    w.form->loadLanguage("Test.txt");
    ASSERT_TRUE(w.fake.messages.isEmpty());
    w.search(f, QStringLiteral(u"К?Т"));
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Find words: found 3"));
}

TEST(FindWord, ListsTheWordsThatFitAndCountsThemInTheCaption) {
    const struct {
        const char16_t* pattern;
        QStringList words;
    } cases[] = {
        {u"К?Т", {QStringLiteral(u"КОТ"), QStringLiteral(u"КИТ"), QStringLiteral(u"КАТ")}},
        {u"к?т", {QStringLiteral(u"КОТ"), QStringLiteral(u"КИТ"), QStringLiteral(u"КАТ")}},
        {u"??", {QStringLiteral(u"ЯД"), QStringLiteral(u"УМ"), QStringLiteral(u"АД")}},
        {u"???????", {}}, // no Data/7.dat
        {u"ǅ??", {}},     // a letter no list can hold
    };
    Window w;
    WordSearchWindow* f = w.open();
    for (const auto& c : cases) {
        w.search(f, QString::fromUtf16(c.pattern));
        EXPECT_EQ(rows(f->wordList), c.words) << QString::fromUtf16(c.pattern).toStdString();
        EXPECT_EQ(f->windowTitle(), QStringLiteral(u"Поиск слов: найдено %1").arg(c.words.size()));
    }
    EXPECT_TRUE(w.fake.messages.isEmpty());
}

TEST(FindWord, TheUsersOwnWordListTakesThePlaceOfTheShippedOneOfItsLength) {
    Window w;
    TempProgramFolder user;
    user.write(QStringLiteral("Data/3.dat"), datFile({u"КЕТ", u"ЛЕС"}, 3));
    w.state.UserFolder = user.path();
    WordSearchWindow* f = w.open();
    w.search(f, QStringLiteral(u"К?Т"));
    EXPECT_EQ(rows(f->wordList), QStringList{QStringLiteral(u"КЕТ")});
    w.search(f, QStringLiteral(u"??"));
    EXPECT_EQ(rows(f->wordList).size(), 3); // the shipped list of a length the user has none of
}

TEST(FindWord, TooShortDoesNothingAndTooLongIsRefused) {
    Window w;
    WordSearchWindow* f = w.open();
    w.search(f, QStringLiteral(u"К?Т"));
    w.search(f, QStringLiteral(u"К"));
    EXPECT_EQ(f->wordList->count(), 3);
    EXPECT_TRUE(w.fake.messages.isEmpty());

    w.search(f, QString(25, u'А'));
    ASSERT_EQ(w.fake.messages.size(), 1);
    EXPECT_EQ(w.fake.messages[0].text, QStringLiteral(u"Не больше 24 букв"));
    EXPECT_EQ(w.fake.messages[0].title, QStringLiteral("Clueforge"));
    EXPECT_EQ(w.fake.messages[0].icon, platform::Icon::Critical);
    EXPECT_EQ(w.fake.messages[0].buttons, platform::Buttons::Ok);
    EXPECT_EQ(f->wordList->count(), 3);

    w.search(f, QString(24, u'?'));
    EXPECT_EQ(w.fake.messages.size(), 1);
    EXPECT_EQ(f->wordList->count(), 0);
}

TEST(FindWord, BlankTypesAQuestionMarkAndTheLabelCountsLetters) {
    Window w;
    WordSearchWindow* f = w.open();
    type(f->patternEdit, QStringLiteral(u"К Т"));
    EXPECT_EQ(f->patternEdit->text(), QStringLiteral(u"К?Т"));
    EXPECT_EQ(f->Label3->text(), QStringLiteral(u"Букв: 3"));
}

TEST(FindWord, OnlyAnEnterThatWentDownInThePatternBoxSearches) {
    Window w;
    WordSearchWindow* f = w.open();
    type(f->patternEdit, QStringLiteral(u"К?Т"));
    // The key-up of an Enter pressed elsewhere, such as on a message box.
    QTest::sendKeyEvent(QTest::Release, f->patternEdit, Qt::Key_Return, QString(), Qt::NoModifier);
    EXPECT_EQ(f->wordList->count(), 0);
    QTest::keyClick(f->patternEdit, Qt::Key_Return);
    EXPECT_EQ(f->wordList->count(), 3);
}

TEST(FindWord, ASlotWithCrossingLettersIsSearchedAtOnce) {
    Window w;
    w.halfFilledSlot();
    WordSearchWindow* f = w.open();
    EXPECT_EQ(f->patternEdit->text(), QStringLiteral(u"В??О?"));
    EXPECT_EQ(f->patternEdit->cursorPosition(), 5);
    EXPECT_EQ(rows(f->wordList), (QStringList{QStringLiteral(u"ВОРОН"), QStringLiteral(u"ВАГОН"),
                                              QStringLiteral(u"ВЫГОН")}));
    EXPECT_EQ(f->windowTitle(), QStringLiteral(u"Поиск слов: найдено 3"));
    EXPECT_EQ(f->Label3->text(), QStringLiteral(u"Букв: 5"));
}

TEST(FindWord, UpAndDownInThePatternBoxMoveTheListSelection) {
    Window w;
    WordSearchWindow* f = w.open();
    // On an empty list nothing can be selected.
    QTest::keyClick(f->patternEdit, Qt::Key_Down);
    EXPECT_EQ(f->wordList->currentRow(), -1);

    w.search(f, QStringLiteral(u"К?Т"));
    f->patternEdit->setCursorPosition(1);
    const struct {
        Qt::Key key;
        int row;
    } steps[] = {{Qt::Key_Up, -1},  {Qt::Key_Down, 0}, {Qt::Key_Up, 0}, {Qt::Key_Down, 1},
                 {Qt::Key_Down, 2}, {Qt::Key_Down, 2}, {Qt::Key_Up, 1}, {Qt::Key_Up, 0}};
    for (const auto& s : steps) {
        QTest::keyClick(f->patternEdit, s.key);
        EXPECT_EQ(f->wordList->currentRow(), s.row);
    }
    // The keys never reach the box.
    EXPECT_EQ(f->patternEdit->cursorPosition(), 1);
    EXPECT_EQ(f->patternEdit->text(), QStringLiteral(u"К?Т"));
}

TEST(FindWord, DoubleClickLooksTheWordUpOnline) {
    Window w;
    WordSearchWindow* f = w.open();
    w.search(f, QStringLiteral(u"Д??"));
    f->wordListChosen(); // nothing selected
    EXPECT_TRUE(w.fake.opened.isEmpty());

    const QRect first = f->wordList->visualRect(f->wordList->model()->index(0, 0));
    // A double click as the desktop delivers it: a click, then the second press.
    QTest::mouseClick(f->wordList->viewport(), Qt::LeftButton, {}, first.center());
    QTest::mouseDClick(f->wordList->viewport(), Qt::LeftButton, {}, first.center());
    ASSERT_EQ(w.fake.opened.size(), 1);
    EXPECT_EQ(w.fake.opened[0].target,
              QLatin1String(words::kLookupAddress) + QStringLiteral("%C4%CE%CC"));
    QString folder = w.state.ProgramFolder;
    folder.chop(1);
    EXPECT_EQ(w.fake.opened[0].workingFolder, folder);
}

TEST(FindWord, EnterAndEscapeActOnTheListOnlyAfterAKeyWentDownInIt) {
    Window w;
    WordSearchWindow* f = w.open();
    w.search(f, QStringLiteral(u"К?Т"));
    f->wordList->setCurrentRow(1);

    QTest::sendKeyEvent(QTest::Release, f->wordList, Qt::Key_Return, QString(), Qt::NoModifier);
    EXPECT_TRUE(w.fake.opened.isEmpty());
    QTest::keyClick(f->wordList, Qt::Key_Return);
    ASSERT_EQ(w.fake.opened.size(), 1);
    EXPECT_TRUE(w.fake.opened[0].target.endsWith(QStringLiteral("%CA%C8%D2")));

    QTest::sendKeyEvent(QTest::Release, f->wordList, Qt::Key_Escape, QString(), Qt::NoModifier);
    EXPECT_TRUE(f->isVisible());
    QTest::keyClick(f->wordList, Qt::Key_Escape);
    EXPECT_FALSE(f->isVisible());
}

TEST(FindWord, EscapeInThePatternBoxClosesAndTheNextOpeningStartsAfresh) {
    Window w;
    WordSearchWindow* f = w.open();
    w.search(f, QStringLiteral(u"К?Т"));
    QTest::keyClick(f->patternEdit, Qt::Key_Escape);
    EXPECT_FALSE(f->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(part::findWord(*w.form), nullptr);

    WordSearchWindow* again = w.open();
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->patternEdit->text().isEmpty());
    EXPECT_EQ(again->wordList->count(), 0);
}

TEST(FindWord, TheMenuCommandOpensTheWindow) {
    Window w;
    w.halfFilledSlot();
    ASSERT_TRUE(part::wordSearchAction(*w.form)->isEnabled());
    part::wordSearchAction(*w.form)->trigger();
    ASSERT_NE(part::findWord(*w.form), nullptr);
    EXPECT_EQ(part::findWord(*w.form)->wordList->count(), 3);
}

// A list of millions of words, all of which fit "??": the window must not hold a copy or a
// layout entry per word (for 31 million words that took minutes and gigabytes), yet every
// word stays reachable and the caption counts them all.
TEST(FindWord, AHugeResultTakesNoMemoryPerWordAndStaysReachable) {
    constexpr qsizetype kWords = 2'000'000;
    Window w;
    w.hugeList(kWords);
    WordSearchWindow* f = w.open();
    w.search(f, QStringLiteral(u"ЯД")); // reads the list into the cache
    ASSERT_EQ(rows(f->wordList), QStringList{QStringLiteral(u"ЯД")});
    QCoreApplication::processEvents();

    const std::size_t before = mallinfo2().uordblks;
    w.search(f, QStringLiteral("??"));
    f->wordList->repaint();
    QCoreApplication::processEvents();
    const std::size_t after = mallinfo2().uordblks;
    // Two bytes of the list per word are 4 MB; even a 16-bit entry per word would pass that.
    EXPECT_LT(after > before ? after - before : 0, std::size_t(2) << 20);

    EXPECT_EQ(f->windowTitle(), QStringLiteral(u"Поиск слов: найдено %1").arg(kWords));
    ASSERT_EQ(f->wordList->count(), kWords);
    QTest::keyClick(f->patternEdit, Qt::Key_Down);
    QTest::keyClick(f->wordList, Qt::Key_End);
    EXPECT_EQ(f->wordList->currentRow(), kWords - 1);
    const QModelIndex end = f->wordList->currentIndex();
    EXPECT_EQ(end.data().toString(), QStringLiteral(u"ЯД"));
    EXPECT_TRUE(f->wordList->viewport()->rect().contains(f->wordList->visualRect(end)));
    EXPECT_EQ(f->wordList->indexAt(f->wordList->visualRect(end).center()), end);
    // Typing in the list goes to the next word that begins with the letters typed.
    QTest::keyClick(f->wordList, Qt::Key_Home);
    QTest::sendKeyEvent(QTest::Click, f->wordList, Qt::Key_unknown, QStringLiteral(u"я"),
                        Qt::NoModifier);
    EXPECT_EQ(f->wordList->currentRow(), kWords - 1);
}

// A screen reader sees the found words as the items of a list, and hears of the row that the
// pattern box or the list's own keys make current.
TEST(FindWord, AssistiveTechnologySeesTheWordsAndHearsTheCurrentOne) {
    Window w;
    WordSearchWindow* f = w.open();
    ListEvents events;
    w.search(f, QStringLiteral(u"К?Т"));
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(f->wordList);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::List);
    EXPECT_EQ(list->text(QAccessible::Name), QStringLiteral(u"Слова:"));
    ASSERT_EQ(list->childCount(), 3);
    const QStringList words = rows(f->wordList);
    for (int k = 0; k < 3; ++k) {
        QAccessibleInterface* row = list->child(k);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row, list->child(k)); // one interface per row while the list stays
        EXPECT_EQ(row->role(), QAccessible::ListItem);
        EXPECT_EQ(row->text(QAccessible::Name), words[k]);
        EXPECT_EQ(row->parent(), list);
        EXPECT_EQ(list->indexOfChild(row), k);
        EXPECT_FALSE(row->state().selected);
        EXPECT_TRUE(row->state().selectable);
    }
    EXPECT_EQ(list->child(-1), nullptr);
    EXPECT_EQ(list->child(3), nullptr);
    const QRect second = f->wordList->visualRect(f->wordList->rowIndex(1));
    const QPoint middle = f->wordList->viewport()->mapToGlobal(second.center());
    EXPECT_EQ(list->childAt(middle.x(), middle.y()), list->child(1));
    EXPECT_EQ(list->child(1)->rect().center(), middle);
    EXPECT_TRUE(events.take().isEmpty());

    // Down in the pattern box selects a row without taking the focus from the box.
    QTest::keyClick(f->patternEdit, Qt::Key_Down);
    EXPECT_EQ(events.take(), QStringList{QStringLiteral(u"+КОТ")});
    QTest::keyClick(f->patternEdit, Qt::Key_Down);
    EXPECT_EQ(events.take(), (QStringList{QStringLiteral(u"-КОТ"), QStringLiteral(u"+КИТ")}));
    EXPECT_FALSE(list->child(0)->state().selected);
    EXPECT_TRUE(list->child(1)->state().selected);
    EXPECT_FALSE(list->child(1)->state().focused);

    // In the list, the row that the keys make current has the focus.
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    f->wordList->setFocus();
    ASSERT_TRUE(f->wordList->hasFocus());
    EXPECT_TRUE(list->child(1)->state().focused);
    EXPECT_EQ(list->focusChild(), list->child(1));
    events.take();
    QTest::keyClick(f->wordList, Qt::Key_Down);
    EXPECT_EQ(events.take(), (QStringList{QStringLiteral(u"-КИТ"), QStringLiteral(u"+КАТ"),
                                          QStringLiteral(u"focus КАТ")}));
    const QAccessible::State last = list->child(2)->state();
    EXPECT_TRUE(last.focused && last.selected);
    EXPECT_FALSE(list->child(1)->state().focused);

    // Assistive technology can make a row current itself.
    QAccessibleActionInterface* actions = list->child(0)->actionInterface();
    ASSERT_NE(actions, nullptr);
    actions->doAction(QAccessibleActionInterface::setFocusAction());
    EXPECT_EQ(f->wordList->currentRow(), 0);
    EXPECT_EQ(events.take(), (QStringList{QStringLiteral(u"-КАТ"), QStringLiteral(u"+КОТ"),
                                          QStringLiteral(u"focus КОТ")}));

    // A new search replaces the rows: each index shows its new word.
    w.search(f, QStringLiteral("??"));
    ASSERT_EQ(list->childCount(), 3);
    EXPECT_EQ(list->child(0)->text(QAccessible::Name), QStringLiteral(u"ЯД"));
    EXPECT_EQ(list->child(2)->text(QAccessible::Name), QStringLiteral(u"АД"));
    EXPECT_FALSE(list->child(0)->state().selected);
    w.search(f, QStringLiteral("?????????"));
    EXPECT_EQ(list->childCount(), 0);
    EXPECT_EQ(list->child(0), nullptr);
}

// Any of millions of words is reached by its index without an object or a walk per word.
TEST(FindWord, AssistiveTechnologyReachesAnyOfMillionsOfWordsAtNoCostPerWord) {
    constexpr int kWords = 2'000'000;
    Window w;
    w.hugeList(kWords);
    WordSearchWindow* f = w.open();
    ListEvents events;
    w.search(f, QStringLiteral("??"));
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(f->wordList);
    ASSERT_NE(list, nullptr);
    list->child(0); // what the first row sets up once is not measured
    QCoreApplication::processEvents();

    const std::size_t before = mallinfo2().uordblks;
    ASSERT_EQ(list->childCount(), kWords);
    QAccessibleInterface* end = list->child(kWords - 1);
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(end->text(QAccessible::Name), QStringLiteral(u"ЯД"));
    EXPECT_EQ(list->child(kWords / 2)->text(QAccessible::Name), QStringLiteral(u"АА"));
    EXPECT_EQ(list->indexOfChild(end), kWords - 1);
    EXPECT_TRUE(end->state().offscreen);
    EXPECT_TRUE(end->rect().isEmpty());
    QTest::keyClick(f->patternEdit, Qt::Key_Down);
    QTest::keyClick(f->wordList, Qt::Key_End);
    EXPECT_EQ(events.take(), (QStringList{QStringLiteral(u"+АА"), QStringLiteral(u"-АА"),
                                          QStringLiteral(u"+ЯД")}));
    EXPECT_TRUE(end->state().selected);
    EXPECT_FALSE(end->state().offscreen);
    // Walking the rows, as some screen readers do, keeps only so many of them.
    for (int k = 0; k < 20'000; ++k)
        ASSERT_NE(list->child(k * 97), nullptr);
    const std::size_t after = mallinfo2().uordblks;
    // An interface kept per row walked would take 4 MB.
    EXPECT_LT(after > before ? after - before : 0, std::size_t(1) << 20);
}
