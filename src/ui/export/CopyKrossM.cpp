// The HTML export of the Kross menu: the page, the grid picture and the answers picture.
#include "app/frmForma.h"
#include "app/language/LoadJazikM.h"
#include "export/HtmlPage.h"
#include "files/FileCommon.h"
#include "grid/GridLimits.h"
#include "grid/GridView.h"
#include "grid/ShownGrid.h"
#include "platform/PictureBox.h"
#include "text/CodePage.h"
#include "words/SlotColors.h"

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

int letterAt(const CrosswordDocument& doc, int x, int y) {
    return doc.CellMap.at(x, y, layer::kLetter);
}

// The grid picture on the black background: the outside of the filled grid white, column by
// column from both ends (letterless cells enclosed by letters of their column stay black),
// then the lettered cells with their outlines and numbers.
void drawGridPicture(const CrosswordDocument& doc, PictureBox& pic, const CellPainter& painter) {
    const PictureBox::Batch batch(pic);
    for (int x = 0; x < doc.GridWidth; ++x) {
        for (int y = 0; y < doc.GridHeight && letterAt(doc, x, y) <= 0; ++y)
            painter.fill(pic, x, y, slotcolor::kWhite);
        for (int y = doc.GridHeight - 1; y >= 0 && letterAt(doc, x, y) <= 0; --y)
            painter.fill(pic, x, y, slotcolor::kWhite);
    }
    for (int y = 0; y < doc.GridHeight; ++y)
        for (int x = 0; x < doc.GridWidth; ++x) {
            if (letterAt(doc, x, y) <= 0)
                continue;
            painter.square(pic, x, y, slotcolor::kWhite);
            if (const int n = doc.CellMap.at(x, y, layer::kNumber); n > 0)
                painter.number(pic, x, y, n);
        }
}

// The letters as on screen, in the picture's font and colour. Drawn whole: a letter of a font
// too large for its cell reaches into its neighbours, as the pictures always showed it.
void drawLetters(const CrosswordDocument& doc, int letterOffset, PictureBox& pic,
                 const CellPainter& painter) {
    const PictureBox::Batch batch(pic);
    for (int y = 0; y < doc.GridHeight; ++y)
        for (int x = 0; x < doc.GridWidth; ++x)
            if (const int code = letterAt(doc, x, y); code > 0)
                painter.letter(pic, x, y, cp1251::toUnicode(static_cast<unsigned char>(code)),
                               letterOffset);
}

} // namespace

bool frmForma::exportMayReplace(const QString& path) {
    // The Save dialog does not ask before replacing a file.
    if (!QFileInfo(path).isFile())
        return true;
    const Language& lang = state_.language;
    return message(lang.caption(LangEntry::FileMenu) + ' ' + shownPath(path) +
                       lang.OverwriteQuestion(),
                   platform::Icon::Warning, platform::Buttons::YesNo,
                   platform::Answer::No) == platform::Answer::Yes;
}

bool frmForma::exportFailed(const QString& path, FileStatus status) {
    if (status == FileStatus::Ok)
        return false;
    message(fileFailureText(state_.language, shownPath(path), fileMessageEntry(status)),
            platform::Icon::Critical);
    return true;
}

void frmForma::KrossCopyWord_Click() {
    CopyKross();
}

void frmForma::CopyKross() {
    const CrosswordDocument& doc = state_.doc();
    if (doc.Mode != EditMode::ModeAuthor)
        return;
    commitTypedClue();
    const Language& lang = state_.language;
    const int w = doc.GridWidth;
    const int h = doc.GridHeight;
    const int c = state_.settings.CellSize;
    if (!gridlimits::pictureFits(w, h, c)) {
        message(state_.ownText(OwnText::PictureTooLarge), platform::Icon::Critical);
        return;
    }

    const QString chosen =
        ShowFileDialog(true, suggestedExportName(doc.CrosswordPath), htmlFilter());
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
    PictureBox& pic = *picCopyKross;
    auto savePicture = [&](const QString& path) {
        return saveFileSafely(path, [&pic](QIODevice& device) { return pic.saveBmp(device); });
    };

    // The export pictures have no margin; the right-to-left style turns them by 180°.
    const CellPainter painter =
        gridView_->cellPainter(FieldGeometry::exported(c, w, h, state_.settings.ChosenStyle));
    const QSize size = painter.geometry().closedSize();
    pic.setPictureSize(size.width(), size.height());
    letEventsRun();
    pic.clear();
    drawGridPicture(doc, pic, painter);
    if (exportFailed(names.gridPicture, savePicture(names.gridPicture))) {
        pic.clear();
        return;
    }
    letEventsRun();
    drawLetters(doc, letterOffset(), pic, painter);
    const FileStatus answers = savePicture(names.answersPicture);
    letEventsRun();
    pic.clear();
    if (exportFailed(names.answersPicture, answers))
        return;

    const PageCaptions captions{lang.caption(LangEntry::CrosswordMenu),
                                lang.caption(LangEntry::Across), lang.caption(LangEntry::Down),
                                lang.entry(LangEntry::By)};
    const QByteArray page =
        buildHtmlPage(doc, captions, names.gridPictureName, names.answersPictureName);
    exportFailed(names.page, saveFileSafely(names.page, [&page](QIODevice& device) {
                     return writeHtmlPage(device, page);
                 }));
}
