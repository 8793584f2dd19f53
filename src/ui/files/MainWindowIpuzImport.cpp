// Opening an ipuz file: its crossword becomes the author's, to be saved as a crossword file.
#include "app/MainWindow.h"
#include "ipuz/IpuzFile.h"
#include "text/SequentialText.h"

#include <QLineEdit>

void MainWindow::openNamedFile(const QString& path) {
    if (path.endsWith(QStringLiteral(".ipuz"), Qt::CaseInsensitive))
        importIpuzFile(path);
    else
        openCrosswordFile(path);
}

void MainWindow::importIpuzFile(const QString& path) {
    const CrosswordSession::ImportOutcome out = state_.session.importIpuz(path);
    if (!out.problem.ok()) {
        message(ipuz::problemText(state_.language, out.problem), platform::Icon::Critical);
        return;
    }
    rememberFile(path);
    relayout();
    updateControlsForMode();
    showModeTexts();
    if (state_.doc().Mode == EditMode::ModeAuthor) {
        clueEdit->setFocus(Qt::OtherFocusReason);
        if (state_.doc().CurrentSlot > 0)
            showCurrentSlot();
    }
    if (out.reducedCellSize > 0)
        message(state_.ownText(OwnText::CellSizeReduced) + seqtext::strNumber(out.reducedCellSize),
                platform::Icon::Information);
}
