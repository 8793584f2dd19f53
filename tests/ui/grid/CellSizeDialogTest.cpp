#include "GridWindow.h"

#include "app/Settings.h"
#include "grid/CellSizeDialog.h"
#include "grid/GridView.h"
#include "support/ui/WindowParts.h"
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

class CellSizeWindow : public GridWindow {
protected:
    void SetUp() override {
        GridWindow::SetUp();
        setEntries({{LangEntry::Cancel, "Cancel"},
                    {LangEntry::CellSize, "Cell size:"},
                    {LangEntry::NumberSize, "Digits:"},
                    {LangEntry::LetterFont, "Font..."},
                    {LangEntry::Preview, "Sample:"}});
        part::cellSizeAction(*form)->setText(QStringLiteral("Cell and font size"));
    }

    // The dialog built as the window builds it, for what it does on its own.
    CellSizeDialog dialogOfTheWindow() {
        return CellSizeDialog(state, fake, form.get(), part::cellSizeAction(*form)->text(),
                              part::digitStrips(*form), *part::gridView(*form)->picture(),
                              form->letterFontStrikethrough);
    }
    // The menu command, with `act` filling in the dialog and closing it.
    void fromTheMenu(std::function<void(CellSizeDialog&)> act) {
        fake.onDialog<CellSizeDialog>(std::move(act));
        part::cellSizeAction(*form)->trigger();
    }

    // Replaces the size box's text as typed, key by key.
    static void typeSize(CellSizeDialog& dialog, const char* text) {
        dialog.cellSizeEdit->clear();
        QTest::keyClicks(dialog.cellSizeEdit, QLatin1String(text));
    }

    // The cell colours of the grid picture at cell size c, away from numbers and letters.
    QColor cellAt(int c, int x, int y) { return pic().pixel(x * c + 7, y * c + c + 3); }
};

} // namespace

TEST_F(CellSizeWindow, OpensWithTheCurrentValuesAndCaptions) {
    state.settings.CellSize = 24;
    state.settings.NumberSize = 2;
    startDrawing({"...", "..."});
    CellSizeDialog dialog = dialogOfTheWindow();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Cell and font size"));
    EXPECT_EQ(dialog.cellSizeEdit->text(), QStringLiteral("24"));
    EXPECT_EQ(dialog.numberSizeBox->currentText(), QStringLiteral("x2"));
    EXPECT_EQ(dialog.numberSizeBox->count(), 3);
    EXPECT_EQ(dialog.Label1->text(), QStringLiteral("Cell size:"));
    EXPECT_EQ(dialog.Label1->buddy(), dialog.cellSizeEdit);
    EXPECT_EQ(dialog.Label2->buddy(), dialog.numberSizeBox);
    EXPECT_EQ(dialog.fontButton->text(), QStringLiteral("Font..."));
    EXPECT_EQ(dialog.Label3->text(), QStringLiteral("Sample:"));
    EXPECT_EQ(dialog.cancelButton->text(), QStringLiteral("Cancel"));
}

TEST_F(CellSizeWindow, SizeBoxTakesDigitsOnlyAndEnterConfirms) {
    startDrawing({"..."});
    CellSizeDialog dialog = dialogOfTheWindow();
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    dialog.cellSizeEdit->setFocus();
    typeSize(dialog, "1a2-.3");
    EXPECT_EQ(dialog.cellSizeEdit->text(), QStringLiteral("123"));
    QTest::keyClick(dialog.cellSizeEdit, Qt::Key_Backspace);
    EXPECT_EQ(dialog.cellSizeEdit->text(), QStringLiteral("12"));
    QTest::keyClick(dialog.cellSizeEdit, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(state.settings.CellSize, 12);
}

TEST_F(CellSizeWindow, PreviewFollowsSizesAboveTen) {
    startDrawing({"..."});
    CellSizeDialog dialog = dialogOfTheWindow();
    const PictureBox& preview = *dialog.previewPicture;
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

TEST_F(CellSizeWindow, PreviewShowsTheChosenDigitSize) {
    startDrawing({"..."});
    CellSizeDialog dialog = dialogOfTheWindow();
    typeSize(dialog, "60"); // the letter stays clear of the large digit
    dialog.numberSizeBox->setCurrentIndex(2);
    const PictureBox& strip = *part::digitStrips(*form)[2];
    // The white "0" of the 15-pixel digits, at 2 pixels inside the cell.
    for (int y = 0; y < strip.pictureHeight(); ++y)
        for (int x = 0; x < 15; ++x)
            ASSERT_EQ(dialog.previewPicture->pixel(7 + x, 7 + y), strip.pixel(x, y))
                << x << "," << y;
}

TEST_F(CellSizeWindow, OkWhileDrawingRedrawsThePatternAtTheNewSize) {
    const QByteArrayList rows = {"#..#.", "..#..", "#...."};
    startDrawing(rows);
    fromTheMenu([](CellSizeDialog& dialog) {
        typeSize(dialog, "31");
        dialog.okButton->click();
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
    EXPECT_EQ(form->letterOffset(),
              c - form->findChild<PictureBox*>(QStringLiteral("exportPicture"))
                      ->textHeight(QStringLiteral("0")));
    // Clicks find the cells at the new size.
    click(4 * c + 5 + c / 2, 2 * c + 5 + c / 2);
    EXPECT_EQ(doc().CellMap.at(4, 2), 1);
}

TEST_F(CellSizeWindow, OkWhileAuthoringKeepsTheSelectionAndTheNumberSize) {
    startAuthoring({"...", ".#.", "..."});
    part::gridView(*form)->drawSlot(doc().CurrentSlot, doc().CurrentDirection, CellLook::Plain);
    state.session.selectSlot({2, Direction::Down});
    fromTheMenu([](CellSizeDialog& dialog) {
        typeSize(dialog, "30");
        dialog.numberSizeBox->setCurrentIndex(2);
        dialog.okButton->click();
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
    const PictureBox& strip = *part::digitStrips(*form)[2];
    for (int y = 0; y < strip.pictureHeight(); ++y)
        for (int x = 0; x < 15; ++x)
            ASSERT_EQ(pic().pixel(2 * c + 5 + 2 + x, 5 + 2 + y), strip.pixel(150 + 30 + x, y));
}

TEST_F(CellSizeWindow, OkWhileSolvingHighlightsTheAcrossAndDownWordsOnly) {
    startAuthoring({"...", ".#.", "..."});
    doc().Mode = EditMode::ModeSolve;
    form->state().session.showForSetup(form->state().session.shownStyle());
    part::gridView(*form)->drawGrid();
    doc().CurrentDirection = 1; // left over from authoring; number 1 has a down word too
    form->state().session.selectPair(1, 2);
    fromTheMenu([](CellSizeDialog& dialog) {
        typeSize(dialog, "25");
        dialog.okButton->click();
    });
    const int c = 25;
    EXPECT_EQ(cellAt(c, 1, 0), kYellow); // 1 across
    EXPECT_EQ(cellAt(c, 2, 1), kYellow); // 2 down
    EXPECT_EQ(cellAt(c, 0, 1), kWhite);  // 1 down is not selected
    EXPECT_EQ(cellAt(c, 1, 2), kWhite);
}

TEST_F(CellSizeWindow, RefusesSizesThatCannotBeDrawn) {
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
        CellSizeDialog dialog = dialogOfTheWindow();
        dialog.show();
        typeSize(dialog, c.typed);
        fake.messages.clear();
        dialog.okButton->click();
        ASSERT_EQ(fake.messages.size(), 1) << c.typed;
        EXPECT_EQ(fake.messages[0].text, cp1251::toUnicode(state.ownText(c.text))) << c.typed;
        EXPECT_EQ(fake.messages[0].icon, platform::Icon::Critical);
        EXPECT_TRUE(dialog.isVisible()) << c.typed;
        EXPECT_EQ(state.settings.CellSize, C);
    }
    EXPECT_TRUE(pic().image() == before);
}

TEST_F(CellSizeWindow, FontChoiceCountsOnlyWithOk) {
    startAuthoring({"..", ".."});
    const Settings original = state.settings;
    // The export picture keeps the chosen font as it is; the grid's is fitted to its cells.
    const QFont poleFont =
        form->findChild<PictureBox*>(QStringLiteral("exportPicture"))->pictureFont();
    platform::FontChoice serif;
    serif.family = QStringLiteral("DejaVu Serif");
    serif.pointSize = 16;
    serif.italic = true;
    serif.strikeOut = true;
    serif.color = QColor(0, 0, 255);

    fromTheMenu([&](CellSizeDialog& dialog) {
        fake.fonts.push_back(serif);
        dialog.fontButton->click();
        ASSERT_EQ(fake.fontDialogs.size(), 1);
        EXPECT_EQ(fake.fontDialogs[0].family, QStringLiteral("MS Sans Serif"));
        EXPECT_TRUE(fake.fontDialogs[0].bold);
        EXPECT_EQ(state.settings.LetterFontName, "DejaVu Serif");
        EXPECT_EQ(state.settings.LetterColor, 0xFF0000);
        EXPECT_EQ(dialog.previewPicture->pictureFont().family(), QStringLiteral("DejaVu Serif"));
        EXPECT_EQ(
            form->findChild<PictureBox*>(QStringLiteral("exportPicture"))->pictureFont().family(),
            QStringLiteral("DejaVu Serif"));
        dialog.cancelButton->click();
    });
    EXPECT_EQ(state.settings, original);
    EXPECT_EQ(form->findChild<PictureBox*>(QStringLiteral("exportPicture"))->pictureFont(),
              poleFont);
    EXPECT_FALSE(form->letterFontStrikethrough);

    fromTheMenu([&](CellSizeDialog& dialog) {
        fake.fonts.push_back(serif);
        dialog.fontButton->click();
        dialog.okButton->click();
    });
    EXPECT_EQ(pic().pictureFont().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(pic().foreColor(), QColor(0, 0, 255));
    EXPECT_TRUE(form->letterFontStrikethrough);
    // The next font dialog starts from the chosen font, and the settings file keeps it.
    fromTheMenu([&](CellSizeDialog& dialog) {
        dialog.fontButton->click(); // cancelled
        EXPECT_EQ(fake.fontDialogs.back(), serif);
        dialog.cancelButton->click();
    });
    form->saveSettingsFile();
    Settings read;
    readSettingsFile(state.ProgramFolder, read);
    EXPECT_EQ(read.LetterFontName, "DejaVu Serif");
    EXPECT_EQ(read.LetterFontSize, 16);
    EXPECT_TRUE(read.LetterFontItalic);
    EXPECT_FALSE(read.LetterFontBold);
    EXPECT_EQ(read.LetterColor, 0xFF0000);
}

TEST_F(CellSizeWindow, MenuOpensTheDialogAndTheCloseBoxCancels) {
    startDrawing({"..."});
    QString title;
    const QImage before = pic().image();
    fromTheMenu([&](CellSizeDialog& dialog) {
        title = dialog.windowTitle();
        dialog.cellSizeEdit->setText(QStringLiteral("40"));
        dialog.close();
    });
    EXPECT_EQ(title, QStringLiteral("Cell and font size"));
    EXPECT_EQ(state.settings.CellSize, C);
    EXPECT_TRUE(pic().image() == before);
}
