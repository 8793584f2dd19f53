#include "app/AppState.h"
#include "app/frmForma.h"
#include "grid/GridView.h"
#include "grid/frmRazmer.h"
#include "platform/PictureBox.h"

#include "support/LanguageEntries.h"
#include "support/ProgramFolder.h"
#include "support/ui/FakePlatform.h"

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
    frmForma form{state, fake};

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
    frmRazmer dialog(f.state, f.fake, &f.form);
    type(dialog.txtX, QStringLiteral(u"1a2-Щ 3"));
    EXPECT_EQ(dialog.txtX->text(), QStringLiteral("123"));
    QTest::keyClick(dialog.txtX, Qt::Key_Backspace);
    EXPECT_EQ(dialog.txtX->text(), QStringLiteral("12"));
    type(dialog.txtNameKross, QStringLiteral(u"Кот, 1-й"));
    EXPECT_EQ(dialog.txtNameKross->text(), QStringLiteral(u"Кот, 1-й"));
}

TEST(NewCrossword, TabAndEnterStillWorkInTheSizeBoxes) {
    Fixture f;
    frmRazmer dialog(f.state, f.fake, &f.form);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    dialog.txtNameKross->setText(QStringLiteral("T"));
    dialog.txtX->setFocus();
    type(dialog.txtX, QStringLiteral("6"));
    QTest::keyClick(dialog.txtX, Qt::Key_Tab);
    EXPECT_TRUE(dialog.txtY->hasFocus());
    type(dialog.txtY, QStringLiteral("3"));
    QTest::keyClick(dialog.txtY, Qt::Key_Return);
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
        frmRazmer dialog(f.state, f.fake, &f.form);
        EXPECT_FALSE(dialog.kOK->isEnabled());
        EXPECT_TRUE(dialog.kOK->isDefault());
        dialog.txtNameKross->setText(QLatin1String(c.title));
        dialog.txtX->setText(QLatin1String(c.x));
        dialog.txtY->setText(QLatin1String(c.y));
        EXPECT_EQ(dialog.kOK->isEnabled(), c.ok) << c.title << " " << c.x << "x" << c.y;
    }
}

TEST(NewCrossword, EscapeInASizeBoxCancels) {
    Fixture f;
    f.state.session.documentForSetup().Mode = EditMode::ModeAuthor;
    frmRazmer dialog(f.state, f.fake, &f.form);
    dialog.show();
    dialog.txtX->setText(QStringLiteral("5"));
    QTest::keyClick(dialog.txtY, Qt::Key_Escape);
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

    f.fake.onDialog<frmRazmer>([](frmRazmer& dialog) {
        type(dialog.txtNameKross, QStringLiteral(u"Зима"));
        dialog.txtX->setText(QStringLiteral("7"));
        dialog.txtY->setText(QStringLiteral("4"));
        dialog.chNoOtvet->setChecked(true);
        QTest::mouseClick(dialog.kOK, Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    });
    f.form.KrossNew->trigger();

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
    EXPECT_FALSE(f.form.kReshotkaGotova->isHidden());
    EXPECT_FALSE(f.form.gridView()->picture()->isHidden());
    EXPECT_EQ(f.form.gridView()->picture()->pictureWidth(), 7 * 20 + 15);
}

TEST(NewCrossword, DecimalSizesRoundHalfToEven) {
    Fixture f;
    frmRazmer dialog(f.state, f.fake, &f.form);
    dialog.txtNameKross->setText(QStringLiteral("T"));
    dialog.txtX->setText(QStringLiteral("2.5")); // pasted text, not typed
    dialog.txtY->setText(QStringLiteral("3.5"));
    dialog.kOK_Click();
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
        frmRazmer dialog(f.state, f.fake, &f.form);
        dialog.show();
        dialog.txtNameKross->setText(QStringLiteral("T"));
        dialog.txtX->setText(QLatin1String(c.x));
        dialog.txtY->setText(QLatin1String(c.y));
        dialog.kOK_Click();
        ASSERT_EQ(f.fake.messages.size(), 1) << c.x << "x" << c.y;
        EXPECT_EQ(f.fake.messages[0].icon, platform::Icon::Critical);
        EXPECT_TRUE(dialog.isVisible()); // the user can correct the size
        EXPECT_EQ(f.state.doc().Mode, EditMode::ModeEmpty);
    }
    Fixture f;
    frmRazmer dialog(f.state, f.fake, &f.form);
    dialog.txtNameKross->setText(QStringLiteral("T"));
    dialog.txtX->setText(QStringLiteral("250"));
    dialog.txtY->setText(QStringLiteral("250"));
    dialog.kOK_Click();
    EXPECT_TRUE(f.fake.messages.isEmpty());
    EXPECT_EQ(f.state.doc().GridWidth, 250);
}

TEST(NewCrossword, KrossNewRunsTheDialogAndCancelChangesNothing) {
    Fixture f;
    bool sawDialog = false;
    f.fake.onDialog<frmRazmer>([&](frmRazmer& dialog) {
        sawDialog = dialog.isVisible();
        EXPECT_EQ(dialog.parentWidget(), &f.form);
        dialog.reject();
    });
    const QString title = f.form.windowTitle();
    f.form.KrossNew->trigger();
    EXPECT_TRUE(sawDialog);
    EXPECT_EQ(f.form.windowTitle(), title);
    EXPECT_EQ(f.state.doc().Mode, EditMode::ModeEmpty);
}

TEST(EmptyField, LinesLieAtFivePlusMultiplesOfTheCellSize) {
    Fixture f;
    const int c = 10, w = 3, h = 2;
    f.state.settings.CellSize = c;
    f.state.session.documentForSetup().startNewGrid(w, h, "T", 0);
    f.form.DrawEmptyField();
    const PictureBox& pic = *f.form.gridView()->picture();
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
    f.form.DrawEmptyField();
    EXPECT_FALSE(f.form.gridView()->horizontalBar()->isHidden());
    EXPECT_FALSE(f.form.gridView()->verticalBar()->isHidden());
    EXPECT_FALSE(f.form.gridView()->corner()->isHidden());
    f.form.gridView()->horizontalBar()->setValue(100);
    EXPECT_EQ(f.form.gridView()->picture()->x(), -100);
    f.state.session.documentForSetup().startNewGrid(3, 3, "T", 0);
    f.form.DrawEmptyField();
    EXPECT_TRUE(f.form.gridView()->horizontalBar()->isHidden());
    EXPECT_TRUE(f.form.gridView()->verticalBar()->isHidden());
    EXPECT_EQ(f.form.gridView()->picture()->pos(), QPoint(0, 0));
}
