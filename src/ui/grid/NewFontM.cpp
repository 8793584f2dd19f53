#include "app/frmForma.h"
#include "grid/LetterFont.h"
#include "platform/PictureBox.h"
#include "text/SequentialText.h"

void frmForma::NewFont() {
    const Settings& s = state_.settings;
    letterfont::apply(*picPole, s);
    const auto offset = seqtext::toInt32(s.CellSize - picPole->textHeight(QStringLiteral("0")));
    state_.LetterOffset = offset.value_or(0);
    letterfont::apply(*picCopyKross, s);
}
