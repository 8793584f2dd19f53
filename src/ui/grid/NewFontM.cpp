// The letter font on the grid pictures and how far a letter sits below its cell's top.
#include "app/frmForma.h"
#include "grid/LetterFont.h"
#include "platform/PictureBox.h"
#include "text/SequentialText.h"

void frmForma::NewFont() {
    const Settings& s = state_.settings;
    letterfont::apply(*picPole, s);
    letterfont::apply(*picCopyKross, s);
    letterOffsetKnown_ = false;
}

int frmForma::letterOffset() {
    if (!letterOffsetKnown_) {
        const auto offset =
            seqtext::toInt32(state_.settings.CellSize - picPole->textHeight(QStringLiteral("0")));
        state_.LetterOffset = offset.value_or(0);
        letterOffsetKnown_ = true;
    }
    return state_.LetterOffset;
}
