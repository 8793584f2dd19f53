// The pieces of the program that need Qt's print and SVG libraries, built as a module that the
// program loads on first use (see platform/PrintSvg.h).
#include <QIODevice>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSvgGenerator>

#include <functional>

extern "C" {

Q_DECL_EXPORT int clueforgePrintWithPreview(QWidget* parent, const QString& documentName,
                                            const QPageLayout& layout,
                                            const std::function<bool(QPagedPaintDevice&)>& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(layout);
    printer.setDocName(documentName);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    // The preview paints first; the print button paints the printer last, just before the
    // dialog is accepted.
    bool painted = false;
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter* device) { painted = paint(*device); });
    if (preview.exec() != QDialog::Accepted)
        return 1;
    return painted ? 0 : 2;
}

Q_DECL_EXPORT bool clueforgeDrawSvg(QIODevice& device, const QSize& size, const QString& title,
                                    const std::function<bool(QPainter&)>& paint) {
    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    // CSS pixels: a browser shows the picture at the bitmap's size.
    svg.setResolution(96);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(title);
    QPainter p;
    if (!p.begin(&svg))
        return false;
    const bool painted = paint(p);
    return p.end() && painted;
}

} // extern "C"
