// The cell size command, the letter font dialog and the redraw at a new cell size.
#include "app/frmForma.h"
#include "grid/GridView.h"
#include "grid/LetterFont.h"
#include "grid/frmRazKletok.h"
#include "platform/PictureBox.h"
#include "text/CodePage.h"
#include "words/SlotColors.h"

void frmForma::OptionsRazmerKF_Click() {
    if (state_.doc().Mode == EditMode::ModeEmpty)
        return;
    frmRazKletok dialog(*this);
    dialog.exec();
}

int frmForma::ChooseLetterFont(QWidget* parent) {
    Settings& s = state_.settings;
    platform::FontChoice font;
    font.family = cp1251::toUnicode(s.LetterFontName);
    font.pointSize = s.LetterFontSize;
    font.bold = s.LetterFontBold;
    font.italic = s.LetterFontItalic;
    font.underline = s.LetterFontUnderline;
    font.strikeOut = LetterFontStrikethrough;
    font.color = letterfont::colorOf(s.LetterColor);
    if (!platform_.chooseFont(parent, font))
        return 0;
    s.LetterFontItalic = font.italic;
    s.LetterFontUnderline = font.underline;
    LetterFontStrikethrough = font.strikeOut;
    if (font.pointSize > 0)
        s.LetterFontSize = font.pointSize;
    s.LetterColor = letterfont::rgbOf(font.color);
    s.LetterFontBold = font.bold;
    // The settings file holds Windows-1251: a face name it cannot hold keeps the old one.
    if (!font.family.isEmpty() && cp1251::canEncode(font.family))
        s.LetterFontName = cp1251::fromUnicode(font.family);
    return 1;
}

void frmForma::RedrawForNewCellSize() {
    const CrosswordDocument& doc = state_.doc();
    // Also while drawing: the letters that come once the grid is ready need the offset of the
    // new cell size and the font just chosen.
    NewFont();
    switch (doc.Mode) {
    case EditMode::ModeEmpty:
        return;
    case EditMode::ModeDrawGrid: {
        // The pattern is redrawn from the cell map, whatever the old picture showed.
        const QPoint scrolled = gridView_->scrollPosition();
        DrawEmptyField();
        {
            const PictureBox::Batch batch(*gridView_->picture());
            for (int y = 0; y < doc.GridHeight; ++y)
                for (int x = 0; x < doc.GridWidth; ++x)
                    if (doc.CellMap.at(x, y) != 0)
                        gridView_->paintDrawnCell(x, y, true);
        }
        gridView_->setScrollPosition(scrolled);
        return;
    }
    default:
        break;
    }
    const int slot = doc.CurrentSlot;
    const int direction = doc.CurrentDirection;
    gridView_->sizeForSlots();
    // RedrawGrid shows the solving modes' selection itself (in ModeSolve the across word
    // CurrentSlot and the down word CurrentDownSlot, whatever CurrentDirection holds), and
    // ModeAuthorNoAnswers has none.
    RedrawGrid();
    const EditMode mode = doc.Mode;
    if (slot > 0 && mode != EditMode::ModeSolve && mode != EditMode::ModeSolveNoAnswers &&
        mode != EditMode::ModeAuthorNoAnswers)
        DrawSlot(slot, direction, slotcolor::kYellow);
}
