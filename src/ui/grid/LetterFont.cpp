// The letter font of the settings as a Qt font, applied to the grid pictures.
#include "grid/LetterFont.h"

#include "app/Settings.h"
#include "grid/PictureBox.h"
#include "text/CodePage.h"
#include "text/SequentialText.h"

namespace letterfont {

QFont fontOf(const Settings& s) {
    QFont font(cp1251::toUnicode(s.LetterFontName));
    font.setPointSize(s.LetterFontSize > 0 ? s.LetterFontSize : 10);
    font.setBold(s.LetterFontBold);
    font.setItalic(s.LetterFontItalic);
    font.setUnderline(s.LetterFontUnderline);
    return font;
}

QColor colorOf(int rgb) {
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

int rgbOf(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

void apply(PictureBox& picture, const Settings& settings) {
    picture.setPictureFont(fontOf(settings));
    picture.setForeColor(colorOf(settings.LetterColor));
}

int letterOffset(const PictureBox& picture, int cellSize) {
    return seqtext::toInt32(cellSize - picture.textHeight(QStringLiteral("0"))).value_or(0);
}

} // namespace letterfont
