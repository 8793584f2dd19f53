#include "app/frmForma.h"
#include "platform/PictureBox.h"
#include "text/CodePage.h"
#include "text/SequentialText.h"

#include <QFont>

void frmForma::NewFont() {
    const Settings& s = state_.settings;
    QFont font(cp1251::toUnicode(s.LetterFontName));
    font.setPointSize(s.LetterFontSize > 0 ? s.LetterFontSize : 10);
    font.setBold(s.LetterFontBold);
    font.setItalic(s.LetterFontItalic);
    font.setUnderline(s.LetterFontUnderline);
    // RGB with red in the low byte.
    const QColor color(s.LetterColor & 0xFF, (s.LetterColor >> 8) & 0xFF,
                       (s.LetterColor >> 16) & 0xFF);
    picPole->setPictureFont(font);
    picPole->setForeColor(color);
    const auto offset = seqtext::toInt32(s.CellSize - picPole->textHeight(QStringLiteral("0")));
    state_.LetterOffset = offset.value_or(0);
    picCopyKross->setPictureFont(font);
    picCopyKross->setForeColor(color);
}
