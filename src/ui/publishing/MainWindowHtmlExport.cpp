// The HTML export of the Crossword menu: the page, the grid picture and the answers picture.
#include "app/MainWindow.h"
#include "app/language/LanguageFile.h"
#include "files/FileCommon.h"
#include "grid/GridLimits.h"
#include "grid/GridView.h"
#include "grid/PictureBox.h"
#include "publishing/Exports.h"
#include "text/CodePage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

QByteArray htmlFilter() {
    return QByteArrayList{"HTML Document (*.htm; *.html)", "*.htm;*.html", "All Files (*.*)", "*.*"}
        .join(char(0));
}

// Lets the window repaint between the long steps; typing and clicks wait until the end.
void letEventsRun() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QByteArray shownPath(const QString& path) {
    return cp1251::fromUnicode(QDir::toNativeSeparators(path));
}

} // namespace

bool MainWindow::exportMayReplace(const QString& path) {
    // The Save dialog does not ask before replacing a file.
    if (!QFileInfo(path).isFile())
        return true;
    const Language& lang = state_.language;
    return message(lang.caption(LangEntry::FileMenu) + ' ' + shownPath(path) +
                       lang.OverwriteQuestion(),
                   platform::Icon::Warning, platform::Buttons::YesNo,
                   platform::Answer::No) == platform::Answer::Yes;
}

bool MainWindow::exportFailed(const QString& path, FileStatus status) {
    if (status == FileStatus::Ok)
        return false;
    message(fileFailureText(state_.language, shownPath(path), fileMessageEntry(status)),
            platform::Icon::Critical);
    return true;
}

void MainWindow::exportHtmlFromMenu() {
    exportHtml();
}

void MainWindow::exportHtml() {
    const CrosswordDocument& doc = state_.doc();
    if (doc.Mode != EditMode::ModeAuthor)
        return;
    commitTypedClue();
    const int w = doc.GridWidth;
    const int h = doc.GridHeight;
    const int c = state_.settings.CellSize;
    if (!gridlimits::pictureFits(w, h, c)) {
        message(state_.ownText(OwnText::PictureTooLarge), platform::Icon::Critical);
        return;
    }

    const QString chosen =
        showFileDialog(true, suggestedExportName(doc.CrosswordPath), htmlFilter());
    if (chosen.isEmpty())
        return;
    const ExportNames names = exportNames(chosen);

    // The pictures are never shown in the Save dialog: ask once, naming the first file that is
    // already there.
    for (const QString& path : {names.page, names.gridPicture, names.answersPicture}) {
        if (!QFileInfo(path).isFile())
            continue;
        if (!exportMayReplace(path))
            return;
        break;
    }
    // The export pictures have no margin; the right-to-left style turns them by 180°.
    const CellPainter painter =
        gridView_->cellPainter(FieldGeometry::exported(c, w, h, state_.settings.ChosenStyle));
    const ExportOutcome outcome = writeHtmlExport(names, doc, state_.language, painter,
                                                  letterOffset(), *exportPicture, letEventsRun);
    exportFailed(outcome.path, outcome.status);
}
