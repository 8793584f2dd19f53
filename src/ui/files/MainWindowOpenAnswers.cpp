// Opening an answers file with the crossword it belongs to.
#include "app/MainWindow.h"
#include "files/AnswersFile.h"

#include <QLabel>

void MainWindow::openAnswers() {
    if (confirmDiscardChanges() == Discard::GoOn)
        openAnswersFile();
}

void MainWindow::openAnswersFile() {
    const QString path = showFileDialog(false, QString(), state_.language.AnswersFileFilter());
    if (!path.isEmpty())
        openAnswersFile(withExtensionWhenNoDot(path, QStringLiteral(".otv")));
}

void MainWindow::openAnswersFile(const QString& path) {
    AnswersFileContent content;
    if (const FileStatus status = ::ReadAnswersFile(path, content); status != FileStatus::Ok) {
        showFileFailure(status);
        return;
    }

    CrosswordSession& session = state_.session;
    const bool sameCrossword = session.holdsCrosswordTitled(content.CrosswordTitle);
    if (!sameCrossword) {
        if (!openCrosswordFile(crosswordPathBesideAnswers(path, content.CrosswordFileName))) {
            session.abandonFailedOpen();
            setCaptionBytes(state_.MessageTitle);
            return;
        }
    }
    const CrosswordSession::AnswersOutcome out = session.applyAnswers(content, path, sameCrossword);
    if (out.status != FileStatus::Ok) {
        showFileFailure(out.status);
        return;
    }
    rememberFile(path);
    if (sameCrossword)
        updateControlsForMode();
    drawGrid();
    const CrosswordDocument& doc = session.document();
    showWordsOpen(doc.WordCount - doc.SolvedCount);

    // Counted by the marks themselves: a damaged file's word count cannot end the solving.
    if (!out.unsolved) {
        session.endSolving();
        message(state_.language.entry(LangEntry::AllSolved), platform::Icon::Information);
    } else if (doc.Mode != EditMode::ModeSolveNoAnswers) {
        selectByNumber(out.unsolved->first);
    }
}
