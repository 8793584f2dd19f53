#include "platform/PrintSvg.h"

#include <QCoreApplication>
#include <QLibrary>

namespace printsvg {
namespace {

using PrintFunction = int (*)(QWidget*, const QString&, const QPageLayout&,
                              const std::function<bool(QPagedPaintDevice&)>&);
using SvgFunction = bool (*)(QIODevice&, const QSize&, const QString&,
                             const std::function<bool(QPainter&)>&);

// The module beside the program, where an installation puts it, or where this build made it.
QFunctionPointer resolve(const char* symbol) {
    static QLibrary library;
    static const bool loaded = [] {
        const QString name = QStringLiteral("clueforge_printsvg");
        const QString here = QCoreApplication::applicationDirPath() + u'/';
        for (const QString& path :
             {here + name, here + QStringLiteral(CLUEFORGE_MODULE_FROM_PROGRAM "/") + name,
              QStringLiteral(CLUEFORGE_MODULE_BUILD_DIR "/") + name}) {
            library.setFileName(path);
            if (library.load())
                return true;
        }
        return false;
    }();
    return loaded ? library.resolve(symbol) : nullptr;
}

} // namespace

int printWithPreview(QWidget* parent, const QString& documentName, const QPageLayout& layout,
                     const std::function<bool(QPagedPaintDevice&)>& paint) {
    const auto print = reinterpret_cast<PrintFunction>(resolve("clueforgePrintWithPreview"));
    return print ? print(parent, documentName, layout, paint) : -1;
}

bool drawSvg(QIODevice& device, const QSize& size, const QString& title,
             const std::function<bool(QPainter&)>& paint) {
    const auto draw = reinterpret_cast<SvgFunction>(resolve("clueforgeDrawSvg"));
    return draw && draw(device, size, title, paint);
}

} // namespace printsvg
