// Opening an ipuz file: its crossword becomes the author's, to be saved as a crossword file.
#include "app/frmForma.h"
#include "ipuz/IpuzFile.h"
#include "text/SequentialText.h"

#include <QLineEdit>

void frmForma::openNamedFile(const QString& path) {
    if (path.endsWith(QStringLiteral(".ipuz"), Qt::CaseInsensitive))
        importIpuzFile(path);
    else
        openCrosswordFile(path);
}

void frmForma::importIpuzFile(const QString& path) {
    const CrosswordSession::ImportOutcome out = state_.session.importIpuz(path);
    if (!out.problem.ok()) {
        message(ipuz::problemText(state_.language, out.problem), platform::Icon::Critical);
        return;
    }
    rememberFile(path);
    if (out.reducedCellSize > 0)
        NewFont();
    Form_Resize();
    UpdateControlsForMode();
    ShowModeTexts();
    drawGrid();
    if (state_.doc().Mode == EditMode::ModeAuthor) {
        txtVoprosOtvet->setFocus(Qt::OtherFocusReason);
        if (state_.doc().CurrentSlot > 0)
            ShowCurrentSlot();
    }
    if (out.reducedCellSize > 0)
        message(state_.ownText(OwnText::CellSizeReduced) + seqtext::strNumber(out.reducedCellSize),
                platform::Icon::Information);
}
