// The exports as files, drawn without the window.
#include "publishing/Exports.h"

#include "app/Settings.h"
#include "app/language/Language.h"
#include "grid/CellPainter.h"
#include "grid/CrosswordDocument.h"
#include "grid/LetterFont.h"
#include "grid/PictureBox.h"
#include "grid/ShownGrid.h"
#include "publish/WebPage.h"
#include "text/CodePage.h"

namespace {

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
            painter.blank(pic, x, y);
        for (int y = doc.GridHeight - 1; y >= 0 && letterAt(doc, x, y) <= 0; --y)
            painter.blank(pic, x, y);
    }
    for (int y = 0; y < doc.GridHeight; ++y)
        for (int x = 0; x < doc.GridWidth; ++x) {
            if (letterAt(doc, x, y) <= 0)
                continue;
            painter.square(pic, x, y, CellLook::Plain);
            if (const int n = doc.CellMap.at(x, y, layer::kNumber); n > 0)
                painter.number(pic, x, y, n, CellLook::Plain);
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

ExportOutcome writeHtmlExport(const ExportNames& names, const CrosswordDocument& doc,
                              const Language& lang, const CellPainter& painter, int letterOffset,
                              PictureBox& pic, const std::function<void()>& betweenSteps) {
    const auto between = [&betweenSteps] {
        if (betweenSteps)
            betweenSteps();
    };
    // All three files are written before any is put in place: a failure leaves every file
    // that was there as it was.
    StagedSave save;
    auto stagePicture = [&pic, &save](const QString& path) {
        return save.stage(path, [&pic](QIODevice& device) { return pic.saveBmp(device); });
    };
    const QSize size = painter.geometry().closedSize();
    pic.setPictureSize(size.width(), size.height());
    between();
    pic.clear();
    drawGridPicture(doc, pic, painter);
    if (const FileStatus grid = stagePicture(names.gridPicture); grid != FileStatus::Ok) {
        pic.clear();
        return {grid, names.gridPicture};
    }
    between();
    drawLetters(doc, letterOffset, pic, painter);
    const FileStatus answers = stagePicture(names.answersPicture);
    between();
    pic.clear();
    if (answers != FileStatus::Ok)
        return {answers, names.answersPicture};

    const PageCaptions captions{lang.caption(LangEntry::CrosswordMenu),
                                lang.caption(LangEntry::Across), lang.caption(LangEntry::Down),
                                lang.entry(LangEntry::By)};
    const QByteArray page =
        buildHtmlPage(doc, captions, names.gridPictureName, names.answersPictureName);
    if (const FileStatus staged = save.stage(
            names.page, [&page](QIODevice& device) { return writeHtmlPage(device, page); });
        staged != FileStatus::Ok)
        return {staged, names.page};
    ExportOutcome outcome;
    outcome.status = save.commit(&outcome.path);
    return outcome;
}

FileStatus writeWebExport(const QString& path, const CrosswordDocument& doc, const Language& lang,
                          const Settings& settings, int style) {
    PictureBox picture;
    letterfont::apply(picture, settings);
    const VectorLook vector =
        publish::vectorLook(settings, letterfont::letterOffset(picture, settings.CellSize));
    publish::WebLook look;
    look.cellSize = settings.CellSize;
    look.numberSize = std::clamp(settings.NumberSize, 1, 3);
    look.style = style < 0 ? settings.ChosenStyle : style;
    look.letterFamily = vector.letterFont.family();
    look.letterPixelSize = vector.letterFont.pixelSize();
    look.letterBold = vector.letterFont.bold();
    look.letterItalic = vector.letterFont.italic();
    look.letterColor = vector.letterColor.rgb() & 0xFFFFFFu;
    look.letterOffset = vector.letterOffset;
    return publish::writeWebPage(path, publish::buildWebPage(doc, look, lang));
}

FieldGeometry printGeometry(const CrosswordDocument& doc, const Settings& settings) {
    return FieldGeometry(settings.CellSize, doc.GridWidth, doc.GridHeight, 0, false);
}

publish::PrintJob printJob(const CrosswordDocument& doc, const Language& lang,
                           const Settings& settings, int letterOffset, bool answersPage) {
    publish::PrintJob job;
    job.texts.title = cp1251::toUnicode(doc.CrosswordTitle);
    job.texts.author = cp1251::toUnicode(doc.CrosswordAuthor);
    // A printed list's heading needs no colon.
    job.texts.across = cp1251::toUnicode(lang.heading(0)).trimmed();
    job.texts.down = cp1251::toUnicode(lang.heading(1)).trimmed();
    job.texts.answers = cp1251::toUnicode(lang.ownText(OwnText::AnswersHeading));
    job.look = publish::vectorLook(settings, letterOffset);
    job.answersPage = answersPage;
    return job;
}
