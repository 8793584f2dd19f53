#include "commands/AuthoringCommands.h"
#include "grid/GridView.h"
#include "grid/PictureBox.h"
#include "support/Crosswords.h"
#include "support/ui/Commands.h"
#include "support/ui/WindowParts.h"
#include "support/ui/WordWindow.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>

using fixtures::cp;
using namespace Qt::StringLiterals;

namespace {

// 1 across and down from (0, 0), 2 down from (2, 0), 3 across from (0, 2).
const QByteArrayList kRing{"...", ".#.", "..."};

class Deletion : public WordWindow {
protected:
    // Authored 1 across КОТ and 2 down ТУР (sharing the Т at (2, 0)), then 1 across selected.
    void authorTwoWords() {
        for (const auto& [n, d, word] : {std::tuple{1, 0, u"КОТ"}, std::tuple{2, 1, u"ТУР"}}) {
            program.state.session.selectSlot({n, directionAt(d)});
            part::clueEdit(*form)->setText(u"clue"_s);
            part::answerEdit(*form)->setText(QString::fromUtf16(word));
            commandsOf<AuthoringCommands>(*form).placeTypedAnswer();
        }
        program.state.session.selectSlot({1, Direction::Across});
    }
};

} // namespace

TEST_F(Deletion, TheSharedLetterSurvivesAndTheItemIsDisabledAgain) {
    startAuthoring(kRing);
    EXPECT_FALSE(deleteAnswerOffered()); // 1 across has no answer yet
    authorTwoWords();
    ASSERT_EQ(part::answerEdit(*form)->text(), u"КОТ");
    ASSERT_TRUE(deleteAnswerOffered());
    fake().answers.push_back(platform::Answer::Yes);
    actionNamed(*form, "deleteAnswerAction")->trigger();

    ASSERT_EQ(fake().messages.size(), 1);
    EXPECT_EQ(fake().messages[0].text, u"Delete Answer?");
    EXPECT_EQ(fake().messages[0].icon, platform::Icon::Warning);
    EXPECT_EQ(fake().messages[0].buttons, platform::Buttons::YesNo);
    EXPECT_EQ(letters(1, 0), QByteArray("..") + cp(u"Т"));
    EXPECT_EQ(letters(2, 1), cp(u"ТУР"));
    EXPECT_TRUE(doc().SlotTexts.at(1, 0, 0).isEmpty());
    EXPECT_TRUE(doc().SlotTexts.at(1, 1, 0).isEmpty());
    EXPECT_TRUE(part::answerEdit(*form)->text().isEmpty());
    EXPECT_TRUE(part::clueEdit(*form)->text().isEmpty());
    EXPECT_TRUE(part::clueLabels(*form)[0]->text().isEmpty());
    // The emptied slot stays current and highlighted.
    EXPECT_EQ(doc().CurrentSlot, 1);
    EXPECT_TRUE(highlighted(1, 0));
    EXPECT_FALSE(deleteAnswerOffered());
}

TEST_F(Deletion, NoChangesNothing) {
    startAuthoring(kRing);
    authorTwoWords();
    doc().Modified = false;
    const CrosswordDocument before = doc();
    const QImage picture = part::gridView(*form)->picture()->image();
    ASSERT_TRUE(deleteAnswerOffered());
    fake().answers.push_back(platform::Answer::No);
    actionNamed(*form, "deleteAnswerAction")->trigger();
    EXPECT_EQ(fake().messages.size(), 1);
    EXPECT_EQ(doc().CellMap, before.CellMap);
    EXPECT_EQ(doc().SlotTexts, before.SlotTexts);
    EXPECT_FALSE(doc().Modified);
    EXPECT_EQ(part::answerEdit(*form)->text(), u"КОТ");
    EXPECT_EQ(part::clueEdit(*form)->text(), u"clue");
    EXPECT_EQ(part::clueLabels(*form)[0]->text(), u"clue");
    EXPECT_EQ(part::gridView(*form)->picture()->image(), picture);
}

TEST_F(Deletion, EachDeletedEntryReopensAWordWhenSolvingWithoutAnswers) {
    openCrossword(saveCrossword(kRing, {}), 0);
    ASSERT_EQ(doc().Mode, EditMode::ModeSolveNoAnswers);
    EXPECT_FALSE(deleteAnswerOffered());
    for (const QString& word : {u"КОТ"_s, u"КИТ"_s}) { // 1 across, then 1 down
        type(word);
        pressEnter();
    }
    ASSERT_EQ(part::wordCountLabel(*form)->text(), u"Words: 2");
    for (const auto& [number, open] : {std::pair{u"1"_s, u"Words: 3"}, {u"1"_s, u"Words: 4"}}) {
        type(number); // the current number toggles across and down
        pressEnter();
        ASSERT_TRUE(deleteAnswerOffered());
        fake().answers.push_back(platform::Answer::Yes);
        actionNamed(*form, "deleteAnswerAction")->trigger();
        EXPECT_EQ(part::wordCountLabel(*form)->text(), open);
        EXPECT_TRUE(doc().Modified);
        EXPECT_FALSE(deleteAnswerOffered());
    }
    EXPECT_EQ(letters(1, 0), "...");
    EXPECT_EQ(letters(1, 1), "...");
    EXPECT_EQ(doc().SolvedCount, 0);
}
