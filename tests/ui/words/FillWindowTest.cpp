#include "commands/AuthoringCommands.h"
#include "commands/EditCommands.h"
#include "commands/FillCommands.h"
#include "grid/GridView.h"
#include "grid/PictureBox.h"
#include "support/WordListFolder.h"
#include "support/ui/Commands.h"
#include "support/ui/WindowParts.h"
#include "support/ui/WordWindow.h"
#include "text/CodePage.h"
#include "words/FillProgressDialog.h"
#include "words/SuggestionsWindow.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <malloc.h>

#include <random>

using namespace Qt::StringLiterals;

namespace {

// 1 across and down from (0, 0), 2 down from (2, 0), 3 across from (0, 2).
const QByteArrayList kRing{"...", ".#.", "..."};
const std::vector<SlotRef> kRingSlots{
    {1, Direction::Across}, {1, Direction::Down}, {2, Direction::Down}, {3, Direction::Across}};
// Several fills of the ring.
const std::initializer_list<QByteArray> kThreeLetters{"CAT", "COT", "TOP", "TAP", "TEA",
                                                      "APE", "PEA", "CUP", "PUT", "TUT"};

const QColor kWhite(255, 255, 255);
const QColor kDead(255, 200, 200);
const QColor kDeadYellow(255, 190, 60);

class FillWindow : public WordWindow {
protected:
    void SetUp() override {
        WordWindow::SetUp();
        writeWords(program.folder, 3, kThreeLetters);
    }
    // Answers the progress window as the user who waits for it, or who cancels.
    void letItFinish() {
        fake().onDialog<FillProgressDialog>([](FillProgressDialog& d) { d.waitForEnd(); });
    }
    void cancelIt() {
        fake().onDialog<FillProgressDialog>([](FillProgressDialog& d) { d.cancelButton->click(); });
    }
    QByteArray answer(const SlotRef& s) {
        return doc().SlotTexts.at(s.number, 1, directionIndex(s.direction));
    }
    std::vector<QByteArray> answers(const std::vector<SlotRef>& refs) {
        std::vector<QByteArray> out;
        for (const SlotRef& s : refs)
            out.push_back(answer(s));
        return out;
    }
    // The background of a cell, away from its number and its letter.
    QColor background(int x, int y) const {
        const int c = program.state.settings.CellSize;
        return part::gridView(*form)->picture()->pixel(x * c + 5 + 2, y * c + 5 + c - 2);
    }
    void placeTyped(const char* word) {
        part::answerEdit(*form)->setText(QString::fromLatin1(word));
        commandsOf<AuthoringCommands>(*form).placeTypedAnswer();
        commands().waitForLookUps();
    }
    QAction* action(const char* name) const { return actionNamed(*form, name); }
    FillCommands& commands() const { return commandsOf<FillCommands>(*form); }
};

} // namespace

TEST_F(FillWindow, AFillCompletesAsOneChangeAndFillAgainGivesAnother) {
    EXPECT_FALSE(action("fillAction")->isEnabled()); // nothing to fill yet
    startAuthoring(kRing);
    EXPECT_TRUE(action("fillAction")->isEnabled());
    EXPECT_TRUE(action("fillAgainAction")->isEnabled());
    EXPECT_EQ(action("fillAction")->text(), u"Fill &automatically");
    // The author's own word stays, though the lists do not hold it.
    placeTyped("CUT");
    ASSERT_EQ(answer({1, Direction::Across}), QByteArray("CUT"));

    int redraws = 0;
    QObject::connect(&program.state.session, &CrosswordSession::cellsChanged,
                     [&redraws] { ++redraws; });
    letItFinish();
    action("fillAction")->trigger();
    EXPECT_EQ(fake().ranDialogs, QStringList{u"FillProgressDialog"_s});
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(messageTexts(), QStringList{u"Every word of the grid is filled in."_s});
    EXPECT_EQ(answer({1, Direction::Across}), QByteArray("CUT"));
    const std::vector<QByteArray> first = answers(kRingSlots);
    for (std::size_t k = 1; k < first.size(); ++k)
        EXPECT_TRUE(std::find(kThreeLetters.begin(), kThreeLetters.end(), first[k]) !=
                    kThreeLetters.end())
            << first[k].constData();
    for (const SlotRef& s : kRingSlots)
        EXPECT_FALSE(letters(s.number, directionIndex(s.direction)).contains('.'));
    EXPECT_TRUE(doc().Modified);

    // Fill again: other words in the slots the fill filled, the author's word still there.
    bool other = false;
    for (int i = 0; i < 5 && !other; ++i) {
        letItFinish();
        action("fillAgainAction")->trigger();
        other = answers(kRingSlots) != first;
        EXPECT_EQ(answer({1, Direction::Across}), QByteArray("CUT"));
    }
    EXPECT_TRUE(other);
}

TEST_F(FillWindow, CancelLeavesTheCrosswordAsItWas) {
    startAuthoring(kRing);
    const bool modified = doc().Modified;
    cancelIt();
    action("fillAction")->trigger();
    EXPECT_EQ(fake().ranDialogs, QStringList{u"FillProgressDialog"_s});
    EXPECT_TRUE(messageTexts().isEmpty());
    for (const SlotRef& s : kRingSlots)
        EXPECT_TRUE(answer(s).isEmpty());
    EXPECT_EQ(doc().Modified, modified);
}

TEST_F(FillWindow, NoFillNamesTheSlotNoWordFits) {
    // 1 across has four letters; the lists hold only words of three.
    const struct {
        const char* language;
        QString command;
        QString text;
    } cases[] = {
        {"English.txt", u"Fill &automatically"_s,
         u"The grid cannot be filled: no word of the lists fits 1 across."_s},
        {"Russian.txt", u"&Заполнить автоматически"_s,
         u"Сетку нельзя заполнить: ни одно слово из списков не подходит для 1 по горизонтали."_s},
    };
    for (const auto& c : cases) {
        form->loadLanguage(c.language);
        EXPECT_EQ(action("fillAction")->text(), c.command);
        startAuthoring({"....", "#.##", "#.##"});
        fake().messages.clear();
        letItFinish();
        action("fillAction")->trigger();
        EXPECT_EQ(messageTexts(), QStringList{c.text}) << c.language;
        EXPECT_TRUE(answer({1, Direction::Across}).isEmpty());
    }
}

TEST_F(FillWindow, ASearchThatGivesUpSaysSoAndChangesNothing) {
    startAuthoring(kRing);
    commands().stepLimit = 1;
    letItFinish();
    action("fillAction")->trigger();
    EXPECT_EQ(messageTexts(), QStringList{u"No fill was found within the time allowed. Try again, "
                                          u"or place a few words first."_s});
    for (const SlotRef& s : kRingSlots)
        EXPECT_TRUE(answer(s).isEmpty());
}

TEST_F(FillWindow, DeadCellsAreShadedAfterEachPlacementAndNotExported) {
    startAuthoring(kRing);
    commands().waitForLookUps();
    for (int y = 0; y < 3; ++y)
        EXPECT_NE(background(0, y), kDead) << y;
    // XYZ across: no listed word starts with X (1 down) or with Z (2 down).
    placeTyped("XYZ");
    ASSERT_EQ(answer({1, Direction::Across}), QByteArray("XYZ"));
    // The selection moved to 1 down: shaded in the selection's shade.
    ASSERT_EQ(doc().CurrentSlot, 1);
    ASSERT_EQ(doc().CurrentDirection, 1);
    EXPECT_EQ(background(0, 1), kDeadYellow);
    EXPECT_EQ(background(0, 2), kDeadYellow);
    EXPECT_EQ(background(2, 1), kDead);
    EXPECT_EQ(background(2, 2), kDead);
    // 3 across still has words: its middle cell is not dead.
    EXPECT_EQ(background(1, 2), kWhite);

    // The exported pictures show the crossword, not the author's dead ends.
    const QString out = program.folder.path() + u"Samples/x"_s;
    fake().paths.push_back(out);
    actionNamed(*form, "exportHtmlAction")->trigger();
    for (const QString& file : {out + u".bmp"_s, out + u" (ответы).bmp"_s}) {
        const QImage image(file);
        ASSERT_FALSE(image.isNull()) << file.toStdString();
        bool shaded = false;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                shaded |=
                    QColor(image.pixel(x, y)) == kDead || QColor(image.pixel(x, y)) == kDeadYellow;
        EXPECT_FALSE(shaded) << file.toStdString();
    }

    // Taking the word back takes the shading away.
    part::answerEdit(*form)->clear();
    program.state.session.selectSlot({1, Direction::Across});
    ASSERT_TRUE(deleteAnswerOffered());
    fake().answers.push_back(platform::Answer::Yes);
    actionNamed(*form, "deleteAnswerAction")->trigger();
    commands().waitForLookUps();
    ASSERT_TRUE(answer({1, Direction::Across}).isEmpty());
    for (const auto& [x, y] : {std::pair{0, 1}, {0, 2}, {2, 1}, {2, 2}})
        EXPECT_NE(background(x, y), kDead) << x << "," << y;
    EXPECT_NE(background(2, 1), kDeadYellow);
}

TEST_F(FillWindow, SuggestionsFollowTheSlotAndADoubleClickPlacesOne) {
    startAuthoring(kRing);
    placeTyped("CUT"); // on to 1 down
    action("suggestAction")->trigger();
    commands().waitForLookUps();
    ASSERT_TRUE(commands().suggestions());
    SuggestionsWindow& s = *commands().suggestions();
    EXPECT_EQ(s.slotLabel->text(), u"1 down");
    // Each leaves 3 across and 2 down a word: C?? then a word from its last letter to T??.
    QList<QByteArray> offered = s.words();
    std::sort(offered.begin(), offered.end());
    EXPECT_EQ(offered, QList<QByteArray>({"CAT", "COT", "CUP"}));
    ASSERT_EQ(s.wordList->count(), 3);

    const QByteArray chosen = s.words().at(1);
    const QRect row = s.wordList->visualItemRect(s.wordList->item(1));
    // A double click: press, release, then the second press that Qt reports as the double one.
    QTest::mouseClick(s.wordList->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(s.wordList->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(answer({1, Direction::Down}), chosen);
    EXPECT_EQ(letters(1, 1), chosen);
    commands().waitForLookUps();
    EXPECT_EQ(s.slotLabel->text(), u"2 down");
    for (const QByteArray& w : s.words())
        EXPECT_TRUE(w.startsWith('T')) << w.constData();
    EXPECT_TRUE(messageTexts().isEmpty());
}

TEST_F(FillWindow, AStaleSuggestionIsRefusedLikeATypedWord) {
    startAuthoring(kRing);
    placeTyped("CUT");
    action("suggestAction")->trigger();
    commands().waitForLookUps();
    SuggestionsWindow& s = *commands().suggestions();
    ASSERT_FALSE(s.words().isEmpty());
    // 1 across changes before the list has caught up: its words start with C, 1 down now
    // with B.
    program.state.session.selectSlot({1, Direction::Across});
    ASSERT_EQ(program.state.session.placeAnswer("BUT", "").kind, PlacementOutcome::Kind::Placed);
    emit s.wordList->itemActivated(s.wordList->item(0));
    EXPECT_TRUE(answer({1, Direction::Down}).isEmpty());
    ASSERT_EQ(messageTexts().size(), 1);
    EXPECT_TRUE(messageTexts()[0].endsWith(u"B, C")) << messageTexts()[0].toStdString();
}

TEST_F(FillWindow, NoSuggestionIsSaidSo) {
    startAuthoring(kRing);
    placeTyped("XYZ");
    action("suggestAction")->trigger();
    commands().waitForLookUps();
    EXPECT_TRUE(commands().suggestions()->words().isEmpty());
    EXPECT_EQ(commands().suggestions()->slotLabel->text(),
              u"1 down: No word of the lists fits here and leaves every crossing word possible.");
    // A slot with all its letters has nothing to choose and nothing to complain about.
    program.state.session.selectSlot({1, Direction::Across});
    commands().waitForLookUps();
    EXPECT_EQ(commands().suggestions()->slotLabel->text(), u"1 across");
    EXPECT_TRUE(commands().suggestions()->words().isEmpty());
}

TEST_F(FillWindow, ShadingLookedUpForAnEarlierGridIsNotShown) {
    startAuthoring(kRing);
    commands().waitForLookUps();
    std::vector<std::vector<int>> shown;
    QObject::connect(&commands(), &FillCommands::deadCellsFound,
                     [&shown](const std::vector<int>& cells) { shown.push_back(cells); });
    // XYZ across leaves 1 down and 2 down dead; its look-up ends, but before the window takes
    // its answer the word is taken back.
    part::answerEdit(*form)->setText(u"XYZ"_s);
    commandsOf<AuthoringCommands>(*form).placeTypedAnswer();
    QCoreApplication::sendPostedEvents(&commands()); // the look-up is asked for
    commands().lookUps().waitUntilIdle();
    ASSERT_EQ(answer({1, Direction::Across}), QByteArray("XYZ"));
    commandsOf<EditCommands>(*form).undo();
    ASSERT_TRUE(answer({1, Direction::Across}).isEmpty());
    commands().waitForLookUps();
    EXPECT_EQ(shown, (std::vector<std::vector<int>>{{}}));
    EXPECT_EQ(background(0, 2), kWhite);
}

TEST_F(FillWindow, ACancelledFillLeavesNoMemoryHeld) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer's allocator keeps its own accounts";
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    GTEST_SKIP() << "the address sanitizer's allocator keeps its own accounts";
#endif
#endif
    // Blocks of 4 × 4 open cells between black lines, and 60,000 words of four letters for
    // them: a search long and large enough to be cancelled in its course.
    QByteArrayList rows;
    for (int y = 0; y < 99; ++y) {
        QByteArray row(99, '.');
        for (int x = 0; x < 99; ++x)
            if (x % 5 == 4 || y % 5 == 4)
                row[x] = '#';
        rows.append(row);
    }
    QList<QByteArray> words;
    std::mt19937 random(7);
    std::uniform_int_distribution<int> letter('A', 'Z');
    while (words.size() < 60'000) {
        QByteArray w;
        for (int k = 0; k < 4; ++k)
            w += static_cast<char>(letter(random));
        words.append(w);
    }
    writeWords(program.folder, 4, words);
    startAuthoring(rows);
    commands().waitForLookUps(); // the lists are read and kept from here on
    const auto inUse = [] {
        const struct mallinfo2 m = mallinfo2();
        return m.uordblks + m.hblkhd;
    };
    const std::size_t before = inUse();
    std::size_t during = 0;
    fake().onDialog<FillProgressDialog>([&](FillProgressDialog& d) {
        // Cancelled once the search reports its course, or taken as it ends.
        while (d.isVisible() && d.progressBar->maximum() == 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        during = inUse();
        if (d.isVisible())
            d.cancelButton->click();
    });
    action("fillAction")->trigger();
    // Cancelled, not filled: 400 blocks take longer than the first report.
    ASSERT_TRUE(answer({1, Direction::Across}).isEmpty());
    // Nothing of the fill is held any more. (What the allocator hands back to the system is
    // measured by the benchmark FillLargeGridCancelledFill, as resident memory.)
    ASSERT_GT(during, before + 1024 * 1024);
    EXPECT_LT(inUse(), before + 256 * 1024);
}

TEST_F(FillWindow, SuggestionsAreADockBelowTheCluesThatEscapeLeavesAndAnotherModeCloses) {
    startAuthoring(kRing);
    action("suggestAction")->trigger();
    commands().waitForLookUps();
    QPointer<SuggestionsWindow> s = commands().suggestions();
    ASSERT_TRUE(s);
    EXPECT_EQ(form->dockWidgetArea(s), Qt::RightDockWidgetArea);
    EXPECT_EQ(form->dockWidgetArea(part::clueDock(*form)), Qt::RightDockWidgetArea);
    EXPECT_GT(s->y(), part::clueDock(*form)->y()) << "below the clue list";
    EXPECT_TRUE(s->features().testFlag(QDockWidget::DockWidgetClosable));
    EXPECT_EQ(focusedName(), u"wordList");
    QTest::keyClick(s->wordList, Qt::Key_Escape);
    EXPECT_EQ(focusedName(), u"gridPicture");
    // Closed and opened again: a new dock in the same place.
    s->close();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(s);
    action("suggestAction")->trigger();
    s = commands().suggestions();
    ASSERT_TRUE(s);
    EXPECT_TRUE(s->isVisible());
    // A new grid being drawn has no slots to suggest words for.
    program.state.session.newGrid(3, 3, "new", 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(s);
}
