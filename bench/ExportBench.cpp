// The export of a 100 × 100 crossword with every answer (page, grid picture, answers picture)
// through the window's command, beside Qt writing files of the same sizes.
#include "BenchCrosswords.h"
#include "BenchWindow.h"
#include "Paired.h"
#include "commands/PublishingCommands.h"
#include "grid/GridView.h"

#include "export/HtmlPage.h"
#include "grid/PictureBox.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>

namespace {

using bench::timed;

void ExportCrossword(benchmark::State& state) {
    const int side = static_cast<int>(state.range(0));
    bench::Window w;
    w.app.session.documentForSetup() = bench::answeredPattern(side);
    w.form.state().session.showForSetup(0);
    w.view->drawGrid();
    w.platform.savePath = w.folder.filePath(QStringLiteral("bench.htm"));
    const ExportNames names = exportNames(w.platform.savePath);
    w.form.findChild<PublishingCommands*>()->exportHtml();
    if (w.platform.failures > 0 || !QFileInfo::exists(names.answersPicture)) {
        state.SkipWithError("the export failed");
        return;
    }
    const qint64 pageBytes = QFileInfo(names.page).size();
    const qint64 pictureBytes = QFileInfo(names.gridPicture).size();
    const qint64 total = pageBytes + 2 * pictureBytes;
    const QByteArray bytes(total, 'x');
    const int c = w.app.settings.CellSize;
    const QImage image(side * c + 1, side * c + 1, QImage::Format_RGB32);
    const QString copy = w.folder.filePath(QStringLiteral("copy.bin"));
    const QString copyImage = w.folder.filePath(QStringLiteral("copy.bmp"));

    bench::runPaired(
        state,
        [&w] { return timed([&w] { w.form.findChild<PublishingCommands*>()->exportHtml(); }); },
        {// The same number of bytes written through QFile.
         {"qfile",
          [&] {
              return timed([&] {
                  QFile out(copy);
                  if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
                      out.write(bytes);
              });
          }},
         // Two pictures of the same size saved by QImage, and the page through QFile.
         {"qimage", [&] {
              return timed([&] {
                  image.save(copyImage, "BMP");
                  image.save(copyImage, "BMP");
                  QFile out(copy);
                  if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
                      out.write(bytes.left(pageBytes));
              });
          }}});
    if (w.platform.failures > 0)
        state.SkipWithError("the export failed");
    state.counters["bytes"] = static_cast<double>(total);
}

} // namespace

BENCHMARK(ExportCrossword)->Arg(100)->Unit(benchmark::kMillisecond)->UseManualTime();
