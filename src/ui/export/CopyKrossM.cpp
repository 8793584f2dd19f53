// The HTML export of the Kross menu: the page, the grid picture and the answers picture.
#include "app/frmForma.h"
#include "app/language/LoadJazikM.h"
#include "export/HtmlPage.h"
#include "files/FileCommon.h"
#include "grid/GridLimits.h"
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

// Where cell (x, y) lies in the export pictures: the right-to-left style turns them by 180°.
struct PictureGeometry {
    int width, height, cell;
    bool turned;
    QPoint corner(int x, int y) const {
        if (turned) {
            x = width - 1 - x;
            y = height - 1 - y;
        }
        return {x * cell, y * cell};
    }
    void square(PictureBox& pic, int x, int y, const QColor& color, bool filled) const {
        const QPoint p = corner(x, y);
        if (filled)
            pic.fillBox(p.x(), p.y(), p.x() + cell, p.y() + cell, color);
        else
            pic.box(p.x(), p.y(), p.x() + cell, p.y() + cell, color);
    }
};

int letterAt(const CrosswordDocument& doc, int x, int y) {
    return doc.CellMap.at(x, y, layer::kLetter);
}

// The grid picture on the black background: the outside of the filled grid white, column by
// column from both ends (letterless cells enclosed by letters of their column stay black),
// then the lettered cells with their outlines and numbers.
void drawGridPicture(frmForma& form, PictureBox& pic, const PictureGeometry& g) {
    const CrosswordDocument& doc = form.state().doc();
    const PictureBox::Batch batch(pic);
    for (int x = 0; x < g.width; ++x) {
        for (int y = 0; y < g.height && letterAt(doc, x, y) <= 0; ++y)
            g.square(pic, x, y, slotcolor::kWhite, true);
        for (int y = g.height - 1; y >= 0 && letterAt(doc, x, y) <= 0; --y)
            g.square(pic, x, y, slotcolor::kWhite, true);
    }
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x) {
            if (letterAt(doc, x, y) <= 0)
                continue;
            g.square(pic, x, y, slotcolor::kWhite, true);
            g.square(pic, x, y, slotcolor::kBorder, false);
            if (const int n = doc.CellMap.at(x, y, layer::kNumber); n > 0) {
                const QPoint p = g.corner(x, y);
                form.DrawSlotNumber(p.x(), p.y(), n, pic);
            }
        }
}

// The letters, right-aligned with a 2-pixel gap as on screen, in the picture's font and colour.
void drawLetters(const CrosswordDocument& doc, int letterOffset, PictureBox& pic,
                 const PictureGeometry& g) {
    const PictureBox::Batch batch(pic);
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x) {
            const int code = letterAt(doc, x, y);
            if (code <= 0)
                continue;
            const QPoint p = g.corner(x, y);
            const QString letter(cp1251::toUnicode(static_cast<unsigned char>(code)));
            pic.printText(p.x() + g.cell - pic.textWidth(letter) - 2, p.y() + letterOffset, letter);
        }
}

} // namespace

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

    // The Save dialog does not ask before replacing a file, and the pictures are never shown
    // in it: ask once, naming the first file that is already there.
    for (const QString& path : {names.page, names.gridPicture, names.answersPicture}) {
        if (!QFileInfo(path).isFile())
            continue;
        if (message(lang.caption(LangEntry::FileMenu) + ' ' + shownPath(path) +
                        lang.OverwriteQuestion(),
                    platform::Icon::Warning, platform::Buttons::YesNo,
                    platform::Answer::No) != platform::Answer::Yes)
            return;
        break;
    }

    auto failed = [&](const QString& path, FileStatus status) {
        if (status == FileStatus::Ok)
            return false;
        message(fileFailureText(lang, shownPath(path), fileMessageEntry(status)),
                platform::Icon::Critical);
        return true;
    };
    PictureBox& pic = *picCopyKross;
    auto savePicture = [&](const QString& path) {
        return saveFileSafely(path, [&pic](QIODevice& device) { return pic.saveBmp(device); });
    };

    const PictureGeometry geometry{w, h, c, state_.settings.ChosenStyle != 0};
    pic.setPictureSize(w * c + 1, h * c + 1);
    letEventsRun();
    pic.clear();
    drawGridPicture(*this, pic, geometry);
    if (failed(names.gridPicture, savePicture(names.gridPicture))) {
        pic.clear();
        return;
    }
    letEventsRun();
    drawLetters(doc, letterOffset(), pic, geometry);
    const FileStatus answers = savePicture(names.answersPicture);
    letEventsRun();
    pic.clear();
    if (failed(names.answersPicture, answers))
        return;

    const PageCaptions captions{lang.caption(LangEntry::CrosswordMenu),
                                lang.caption(LangEntry::Across), lang.caption(LangEntry::Down),
                                lang.entry(LangEntry::By)};
    const QByteArray page =
        buildHtmlPage(doc, captions, names.gridPictureName, names.answersPictureName);
    failed(names.page, saveFileSafely(names.page, [&page](QIODevice& device) {
               return writeHtmlPage(device, page);
           }));
}
