#include "app/AppState.h"
#include "app/MainWindow.h"
#include "grid/GridView.h"
#include "grid/NewCrosswordDialog.h"
#include "grid/PictureBox.h"
#include "support/ui/Commands.h"

#include "support/LanguageEntries.h"
#include "support/ProgramFolder.h"
#include "support/ui/FakePlatform.h"
#include "support/ui/WindowParts.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct Fixture {
    TempProgramFolder folder;
    AppState state{folder.path()};
    FakePlatform fake;
    MainWindow form{state, fake};

    Fixture() {
        setEntries(state.language,
                   {{LangEntry::CaptionStart, "Drawing"}, {LangEntry::DrawingGrid, "the grid"}});
        form.show();
    }
};

void type(QWidget* w, const QString& text) {
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace

TEST(NewCrossword, SizeBoxesTakeOnlyDigitsAndBackspace) {
    Fixture f;
    NewCrosswordDialog dialog(f.state, f.fake, &f.form);
    type(dialog.widthEdit, QStringLiteral(u"1a2-Щ 3"));
    EXPECT_EQ(dialog.widthEdit->text(), QStringLiteral("123"));
    QTest::keyClick(dialog.widthEdit, Qt::Key_Backspace);
    EXPECT_EQ(dialog.widthEdit->text(), QStringLiteral("12"));
    type(dialog.titleEdit, QStringLiteral(u"Кот, 1-й"));
    EXPECT_EQ(dialog.titleEdit->text(), QStringLiteral(u"Кот, 1-й"));
}

TEST(NewCrossword, TabAndEnterStillWorkInTheSizeBoxes) {
    Fixture f;
    NewCrosswordDialog dialog(f.state, f.fake, &f.form);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    dialog.titleEdit->setText(QStringLiteral("T"));
    dialog.widthEdit->setFocus();
    type(dialog.widthEdit, QStringLiteral("6"));
    QTest::keyClick(dialog.widthEdit, Qt::Key_Tab);
    EXPECT_TRUE(dialog.heightEdit->hasFocus());
    type(dialog.heightEdit, QStringLiteral("3"));
    QTest::keyClick(dialog.heightEdit, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(f.state.doc().GridWidth, 6);
    EXPECT_EQ(f.state.doc().GridHeight, 3);
}

TEST(NewCrossword, OkNeedsATitleAndTwoSizesAboveZero) {
    const struct {
        const char* title;
        const char* x;
        const char* y;
        bool ok;
    } cases[] = {
        {"", "", "", false},     {"T", "", "", false},   {"", "5", "5", false},
        {"T", "0", "5", false},  {"T", "5", "0", false}, {"T", "5", "5", true},
        {"T", "00", "1", false}, {"T", "1", "1", true},
    };
    Fixture f;
    for (const auto& c : cases) {
        NewCrosswordDialog dialog(f.state, f.fake, &f.form);
        EXPECT_FALSE(dialog.okButton->isEnabled());
        EXPECT_TRUE(dialog.okButton->isDefault());
        dialog.titleEdit->setText(QLatin1String(c.title));
        dialog.widthEdit->setText(QLatin1String(c.x));
        dialog.heightEdit->setText(QLatin1String(c.y));
        EXPECT_EQ(dialog.okButton->isEnabled(), c.ok) << c.title << " " << c.x << "x" << c.y;
    }
}

TEST(NewCrossword, EscapeInASizeBoxCancels) {
    Fixture f;
    f.state.session.documentForSetup().Mode = EditMode::ModeAuthor;
    NewCrosswordDialog dialog(f.state, f.fake, &f.form);
    dialog.show();
    dialog.widthEdit->setText(QStringLiteral("5"));
    QTest::keyClick(dialog.heightEdit, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(f.state.doc().Mode, EditMode::ModeAuthor);
}

TEST(NewCrossword, OkStartsAWhiteGridInDrawingMode) {
    Fixture f;
    CrosswordDocument& doc = f.state.session.documentForSetup();
    doc.CrosswordPath = QStringLiteral("/old.cfw");
    doc.CrosswordAuthor = "Old author";
    doc.CrosswordPassword = "secret";
    doc.Modified = true;
    f.state.session.showForSetup(1);

    f.fake.onDialog<NewCrosswordDialog>([](NewCrosswordDialog& dialog) {
        type(dialog.titleEdit, QStringLiteral(u"Зима"));
        dialog.widthEdit->setText(QStringLiteral("7"));
        dialog.heightEdit->setText(QStringLiteral("4"));
        dialog.withoutAnswersCheck->setChecked(true);
        QTest::mouseClick(dialog.okButton, Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    });
    actionNamed(f.form, "newCrosswordAction")->trigger();

    EXPECT_EQ(doc.Mode, EditMode::ModeDrawGrid);
    EXPECT_EQ(doc.GridWidth, 7);
    EXPECT_EQ(doc.GridHeight, 4);
    EXPECT_EQ(doc.CellMap.upperBound(0), 7);
    EXPECT_EQ(doc.CellMap.upperBound(1), 4);
    for (int x = 0; x <= 7; ++x)
        for (int y = 0; y <= 4; ++y)
            EXPECT_EQ(doc.CellMap.at(x, y), 0);
    EXPECT_EQ(doc.NoAnswers, 1);
    EXPECT_EQ(doc.CrosswordTitle, QByteArray("\xC7\xE8\xEC\xE0")); // Зима in Windows-1251
    EXPECT_TRUE(doc.CrosswordPath.isEmpty());
    EXPECT_TRUE(doc.CrosswordAuthor.isEmpty());
    EXPECT_TRUE(doc.CrosswordPassword.isEmpty());
    EXPECT_FALSE(doc.Modified);
    EXPECT_EQ(f.state.session.shownStyle(), 0);
    EXPECT_EQ(f.form.windowTitle(), QStringLiteral("Drawing the grid"));
    EXPECT_FALSE(part::gridReadyButton(f.form)->isHidden());
    EXPECT_FALSE(part::gridView(f.form)->picture()->isHidden());
    EXPECT_EQ(part::gridView(f.form)->picture()->pictureWidth(), 7 * 20 + 15);
}

TEST(NewCrossword, DecimalSizesRoundHalfToEven) {
    Fixture f;
    NewCrosswordDialog dialog(f.state, f.fake, &f.form);
    dialog.titleEdit->setText(QStringLiteral("T"));
    dialog.widthEdit->setText(QStringLiteral("2.5")); // pasted text, not typed
    dialog.heightEdit->setText(QStringLiteral("3.5"));
    dialog.confirm();
    EXPECT_EQ(f.state.doc().GridWidth, 2);
    EXPECT_EQ(f.state.doc().GridHeight, 4);
}

TEST(NewCrossword, GridsBeyondTheLimitAreRefusedWithAMessage) {
    const struct {
        const char* x;
        const char* y;
        int cellSize;
    } cases[] = {{"251", "10", 20}, {"10", "99999999999", 20}, {"250", "250", 100}};
    for (const auto& c : cases) {
        Fixture f;
        f.state.settings.CellSize = c.cellSize;
        NewCrosswordDialog dialog(f.state, f.fake, &f.form);
        dialog.show();
        dialog.titleEdit->setText(QStringLiteral("T"));
        dialog.widthEdit->setText(QLatin1String(c.x));
        dialog.heightEdit->setText(QLatin1String(c.y));
        dialog.confirm();
        ASSERT_EQ(f.fake.messages.size(), 1) << c.x << "x" << c.y;
        EXPECT_EQ(f.fake.messages[0].icon, platform::Icon::Critical);
        EXPECT_TRUE(dialog.isVisible()); // the user can correct the size
        EXPECT_EQ(f.state.doc().Mode, EditMode::ModeEmpty);
    }
    Fixture f;
    NewCrosswordDialog dialog(f.state, f.fake, &f.form);
    dialog.titleEdit->setText(QStringLiteral("T"));
    dialog.widthEdit->setText(QStringLiteral("250"));
    dialog.heightEdit->setText(QStringLiteral("250"));
    dialog.confirm();
    EXPECT_TRUE(f.fake.messages.isEmpty());
    EXPECT_EQ(f.state.doc().GridWidth, 250);
}

TEST(NewCrossword, NewCrosswordRunsTheDialogAndCancelChangesNothing) {
    Fixture f;
    bool sawDialog = false;
    f.fake.onDialog<NewCrosswordDialog>([&](NewCrosswordDialog& dialog) {
        sawDialog = dialog.isVisible();
        EXPECT_EQ(dialog.parentWidget(), &f.form);
        dialog.reject();
    });
    const QString title = f.form.windowTitle();
    actionNamed(f.form, "newCrosswordAction")->trigger();
    EXPECT_TRUE(sawDialog);
    EXPECT_EQ(f.form.windowTitle(), title);
    EXPECT_EQ(f.state.doc().Mode, EditMode::ModeEmpty);
}

TEST(EmptyField, LinesLieAtFivePlusMultiplesOfTheCellSize) {
    Fixture f;
    const int c = 10, w = 3, h = 2;
    f.state.settings.CellSize = c;
    f.state.session.documentForSetup().startNewGrid(w, h, "T", 0);
    part::gridView(f.form)->drawEmptyField();
    const PictureBox& pic = *part::gridView(f.form)->picture();
    ASSERT_EQ(pic.pictureWidth(), w * c + 15);
    ASSERT_EQ(pic.pictureHeight(), h * c + 15);
    const QColor back = pic.backColor();
    for (int x = 0; x < pic.pictureWidth(); ++x) {
        for (int y = 0; y < pic.pictureHeight(); ++y) {
            const bool inField = x >= 5 && y >= 5 && x <= w * c + 5 && y <= h * c + 5;
            const bool onLine = inField && ((x - 5) % c == 0 || (y - 5) % c == 0);
            const QColor expected = !inField ? back : onLine ? QColor(Qt::black) : Qt::white;
            ASSERT_EQ(pic.pixel(x, y), expected) << x << "," << y;
        }
    }
}

TEST(EmptyField, ABigFieldGetsScrollBars) {
    Fixture f;
    f.form.resize(600, 400);
    QApplication::processEvents();
    f.state.session.documentForSetup().startNewGrid(60, 40, "T", 0);
    part::gridView(f.form)->drawEmptyField();
    EXPECT_FALSE(part::gridView(f.form)->horizontalBar()->isHidden());
    EXPECT_FALSE(part::gridView(f.form)->verticalBar()->isHidden());
    EXPECT_FALSE(part::gridView(f.form)->corner()->isHidden());
    part::gridView(f.form)->horizontalBar()->setValue(100);
    EXPECT_EQ(part::gridView(f.form)->picture()->x(), -100);
    f.state.session.documentForSetup().startNewGrid(3, 3, "T", 0);
    part::gridView(f.form)->drawEmptyField();
    EXPECT_TRUE(part::gridView(f.form)->horizontalBar()->isHidden());
    EXPECT_TRUE(part::gridView(f.form)->verticalBar()->isHidden());
    EXPECT_EQ(part::gridView(f.form)->picture()->pos(), QPoint(0, 0));
}
