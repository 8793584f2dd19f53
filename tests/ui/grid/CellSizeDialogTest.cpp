#include "GridWindow.h"

#include "app/Settings.h"
#include "grid/frmRazKletok.h"
#include "text/CodePage.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);
const QColor kBlack(0, 0, 0);
const QColor kDrawnBlack(0, 255, 0);

class CellSizeDialog : public GridWindow {
protected:
    void SetUp() override {
        GridWindow::SetUp();
        setEntries({{LangEntry::Cancel, "Cancel"},
                    {LangEntry::CellSize, "Cell size:"},
                    {LangEntry::NumberSize, "Digits:"},
                    {LangEntry::LetterFont, "Font..."},
                    {LangEntry::Preview, "Sample:"}});
        form->OptionsRazmerKF->setText(QStringLiteral("Cell and font size"));
    }

    // The dialog built as the window builds it, for what it does on its own.
    frmRazKletok dialogOfTheWindow() {
        return frmRazKletok(state, fake, form.get(), form->OptionsRazmerKF->text(), form->picNomera,
                            *form->gridView()->picture(), form->LetterFontStrikethrough);
    }
    // The menu command, with `act` filling in the dialog and closing it.
    void fromTheMenu(std::function<void(frmRazKletok&)> act) {
        fake.onDialog<frmRazKletok>(std::move(act));
        form->OptionsRazmerKF->trigger();
    }

    // Replaces the size box's text as typed, key by key.
    static void typeSize(frmRazKletok& dialog, const char* text) {
        dialog.txtSzKletok->clear();
        QTest::keyClicks(dialog.txtSzKletok, QLatin1String(text));
    }

    // The cell colours of the grid picture at cell size c, away from numbers and letters.
    QColor cellAt(int c, int x, int y) { return pic().pixel(x * c + 7, y * c + c + 3); }
};

} // namespace

TEST_F(CellSizeDialog, OpensWithTheCurrentValuesAndCaptions) {
    state.settings.CellSize = 24;
    state.settings.NumberSize = 2;
    startDrawing({"...", "..."});
    frmRazKletok dialog = dialogOfTheWindow();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Cell and font size"));
    EXPECT_EQ(dialog.txtSzKletok->text(), QStringLiteral("24"));
    EXPECT_EQ(dialog.SzNomer->currentText(), QStringLiteral("x2"));
    EXPECT_EQ(dialog.SzNomer->count(), 3);
    EXPECT_EQ(dialog.Label1->text(), QStringLiteral("Cell size:"));
    EXPECT_EQ(dialog.Label1->buddy(), dialog.txtSzKletok);
    EXPECT_EQ(dialog.Label2->buddy(), dialog.SzNomer);
    EXPECT_EQ(dialog.kFont->text(), QStringLiteral("Font..."));
    EXPECT_EQ(dialog.Label3->text(), QStringLiteral("Sample:"));
    EXPECT_EQ(dialog.kNO->text(), QStringLiteral("Cancel"));
}

TEST_F(CellSizeDialog, SizeBoxTakesDigitsOnlyAndEnterConfirms) {
    startDrawing({"..."});
    frmRazKletok dialog = dialogOfTheWindow();
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    dialog.txtSzKletok->setFocus();
    typeSize(dialog, "1a2-.3");
    EXPECT_EQ(dialog.txtSzKletok->text(), QStringLiteral("123"));
    QTest::keyClick(dialog.txtSzKletok, Qt::Key_Backspace);
    EXPECT_EQ(dialog.txtSzKletok->text(), QStringLiteral("12"));
    QTest::keyClick(dialog.txtSzKletok, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(state.settings.CellSize, 12);
}

TEST_F(CellSizeDialog, PreviewFollowsSizesAboveTen) {
    startDrawing({"..."});
    frmRazKletok dialog = dialogOfTheWindow();
    const PictureBox& preview = *dialog.picKletka;
    // Drawn at 20 on opening: the outline at x = 25.
    EXPECT_EQ(preview.pixel(25, 12), kBlack);
    EXPECT_EQ(preview.pixel(8, 23), kWhite);
    typeSize(dialog, "8");
    EXPECT_EQ(preview.pixel(25, 12), kBlack);
    EXPECT_EQ(preview.pixel(8, 23), kWhite);
    typeSize(dialog, "12");
    EXPECT_EQ(preview.pixel(17, 12), kBlack);
    EXPECT_EQ(preview.pixel(16, 16), kWhite);
    EXPECT_NE(preview.pixel(8, 23), kWhite);
    EXPECT_NE(preview.pixel(25, 12), kBlack);
}

TEST_F(CellSizeDialog, PreviewShowsTheChosenDigitSize) {
    startDrawing({"..."});
    frmRazKletok dialog = dialogOfTheWindow();
    typeSize(dialog, "60"); // the letter stays clear of the large digit
    dialog.SzNomer->setCurrentIndex(2);
    const PictureBox& strip = *form->picNomera[2];
    // The white "0" of the 15-pixel digits, at 2 pixels inside the cell.
    for (int y = 0; y < strip.pictureHeight(); ++y)
        for (int x = 0; x < 15; ++x)
            ASSERT_EQ(dialog.picKletka->pixel(7 + x, 7 + y), strip.pixel(x, y)) << x << "," << y;
}

TEST_F(CellSizeDialog, OkWhileDrawingRedrawsThePatternAtTheNewSize) {
    const QByteArrayList rows = {"#..#.", "..#..", "#...."};
    startDrawing(rows);
    fromTheMenu([](frmRazKletok& dialog) {
        typeSize(dialog, "31");
        dialog.kOK->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    });
    ASSERT_EQ(state.settings.CellSize, 31);
    const int c = 31;
    EXPECT_EQ(pic().pictureWidth(), 5 * c + 15);
    EXPECT_EQ(pic().pictureHeight(), 3 * c + 15);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) {
            const QColor expected = rows[y][x] == '#' ? kDrawnBlack : kWhite;
            EXPECT_EQ(pic().pixel(x * c + 6, y * c + 6), expected) << x << "," << y;
            EXPECT_EQ(pic().pixel(x * c + c + 4, y * c + c + 4), expected) << x << "," << y;
            EXPECT_EQ(pic().pixel(x * c + 5, y * c + 20), kBlack) << x << "," << y;
            EXPECT_EQ(pic().pixel(x * c + 20, y * c + 5), kBlack) << x << "," << y;
        }
    EXPECT_EQ(pic().pixel(5 * c + 5, 3 * c + 5), kBlack);
    // Letters drawn once the grid is ready sit low in the new cells.
    EXPECT_EQ(form->letterOffset(), c - pic().textHeight(QStringLiteral("0")));
    // Clicks find the cells at the new size.
    click(4 * c + 5 + c / 2, 2 * c + 5 + c / 2);
    EXPECT_EQ(doc().CellMap.at(4, 2), 1);
}

TEST_F(CellSizeDialog, OkWhileAuthoringKeepsTheSelectionAndTheNumberSize) {
    startAuthoring({"...", ".#.", "..."});
    form->DrawSlot(doc().CurrentSlot, doc().CurrentDirection, kWhite);
    doc().CurrentSlot = 2;
    doc().CurrentDirection = 1;
    form->ShowCurrentSlot();
    fromTheMenu([](frmRazKletok& dialog) {
        typeSize(dialog, "30");
        dialog.SzNomer->setCurrentIndex(2);
        dialog.kOK->click();
    });
    const int c = 30;
    EXPECT_EQ(state.settings.NumberSize, 3);
    EXPECT_EQ(pic().pictureWidth(), 3 * c + 10);
    EXPECT_EQ(doc().CurrentSlot, 2);
    EXPECT_EQ(doc().CurrentDirection, 1);
    for (int y = 0; y < 3; ++y)
        EXPECT_EQ(cellAt(c, 2, y), kYellow) << y;
    EXPECT_EQ(cellAt(c, 0, 1), kWhite);
    // "2" in the 15-pixel digits of the yellow set at the corner of cell (2, 0).
    const PictureBox& strip = *form->picNomera[2];
    for (int y = 0; y < strip.pictureHeight(); ++y)
        for (int x = 0; x < 15; ++x)
            ASSERT_EQ(pic().pixel(2 * c + 5 + 2 + x, 5 + 2 + y), strip.pixel(150 + 30 + x, y));
}

TEST_F(CellSizeDialog, OkWhileSolvingHighlightsTheAcrossAndDownWordsOnly) {
    startAuthoring({"...", ".#.", "..."});
    doc().Mode = EditMode::ModeSolve;
    form->state().session.showForSetup(form->state().session.shownStyle());
    form->drawGrid();
    doc().CurrentDirection = 1; // left over from authoring; number 1 has a down word too
    form->ShowSolverSelection(1, 2);
    fromTheMenu([](frmRazKletok& dialog) {
        typeSize(dialog, "25");
        dialog.kOK->click();
    });
    const int c = 25;
    EXPECT_EQ(cellAt(c, 1, 0), kYellow); // 1 across
    EXPECT_EQ(cellAt(c, 2, 1), kYellow); // 2 down
    EXPECT_EQ(cellAt(c, 0, 1), kWhite);  // 1 down is not selected
    EXPECT_EQ(cellAt(c, 1, 2), kWhite);
}

TEST_F(CellSizeDialog, RefusesSizesThatCannotBeDrawn) {
    startDrawing(blockPattern(60, 60)); // 100-pixel cells would make 6015 × 6015 pixels
    const struct {
        const char* typed;
        OwnText text;
    } cases[] = {
        {"", OwnText::CellSizeOutOfRange},    {"0", OwnText::CellSizeOutOfRange},
        {"101", OwnText::CellSizeOutOfRange}, {"99999999999", OwnText::CellSizeOutOfRange},
        {"100", OwnText::CellSizeTooLarge},
    };
    const QImage before = pic().image();
    for (const auto& c : cases) {
        frmRazKletok dialog = dialogOfTheWindow();
        dialog.show();
        typeSize(dialog, c.typed);
        fake.messages.clear();
        dialog.kOK->click();
        ASSERT_EQ(fake.messages.size(), 1) << c.typed;
        EXPECT_EQ(fake.messages[0].text, cp1251::toUnicode(state.ownText(c.text))) << c.typed;
        EXPECT_EQ(fake.messages[0].icon, platform::Icon::Critical);
        EXPECT_TRUE(dialog.isVisible()) << c.typed;
        EXPECT_EQ(state.settings.CellSize, C);
    }
    EXPECT_TRUE(pic().image() == before);
}

TEST_F(CellSizeDialog, FontChoiceCountsOnlyWithOk) {
    startAuthoring({"..", ".."});
    const Settings original = state.settings;
    const QFont poleFont = pic().pictureFont();
    platform::FontChoice serif;
    serif.family = QStringLiteral("DejaVu Serif");
    serif.pointSize = 16;
    serif.italic = true;
    serif.strikeOut = true;
    serif.color = QColor(0, 0, 255);

    fromTheMenu([&](frmRazKletok& dialog) {
        fake.fonts.push_back(serif);
        dialog.kFont->click();
        ASSERT_EQ(fake.fontDialogs.size(), 1);
        EXPECT_EQ(fake.fontDialogs[0].family, QStringLiteral("MS Sans Serif"));
        EXPECT_TRUE(fake.fontDialogs[0].bold);
        EXPECT_EQ(state.settings.LetterFontName, "DejaVu Serif");
        EXPECT_EQ(state.settings.LetterColor, 0xFF0000);
        EXPECT_EQ(dialog.picKletka->pictureFont().family(), QStringLiteral("DejaVu Serif"));
        EXPECT_EQ(form->picCopyKross->pictureFont().family(), QStringLiteral("DejaVu Serif"));
        dialog.kNO->click();
    });
    EXPECT_EQ(state.settings, original);
    EXPECT_EQ(form->picCopyKross->pictureFont(), poleFont);
    EXPECT_FALSE(form->LetterFontStrikethrough);

    fromTheMenu([&](frmRazKletok& dialog) {
        fake.fonts.push_back(serif);
        dialog.kFont->click();
        dialog.kOK->click();
    });
    EXPECT_EQ(pic().pictureFont().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(pic().foreColor(), QColor(0, 0, 255));
    EXPECT_TRUE(form->LetterFontStrikethrough);
    // The next font dialog starts from the chosen font, and the settings file keeps it.
    fromTheMenu([&](frmRazKletok& dialog) {
        dialog.kFont->click(); // cancelled
        EXPECT_EQ(fake.fontDialogs.back(), serif);
        dialog.kNO->click();
    });
    form->SaveFileINI();
    Settings read;
    readSettingsFile(state.ProgramFolder, read);
    EXPECT_EQ(read.LetterFontName, "DejaVu Serif");
    EXPECT_EQ(read.LetterFontSize, 16);
    EXPECT_TRUE(read.LetterFontItalic);
    EXPECT_FALSE(read.LetterFontBold);
    EXPECT_EQ(read.LetterColor, 0xFF0000);
}

TEST_F(CellSizeDialog, MenuOpensTheDialogAndTheCloseBoxCancels) {
    startDrawing({"..."});
    QString title;
    const QImage before = pic().image();
    fromTheMenu([&](frmRazKletok& dialog) {
        title = dialog.windowTitle();
        dialog.txtSzKletok->setText(QStringLiteral("40"));
        dialog.close();
    });
    EXPECT_EQ(title, QStringLiteral("Cell and font size"));
    EXPECT_EQ(state.settings.CellSize, C);
    EXPECT_TRUE(pic().image() == before);
}
