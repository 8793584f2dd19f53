#pragma once

#include <QIODevice>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSize>
#include <QString>
#include <QWidget>

#include <functional>

// Printing and SVG drawing live in a module of their own (src/printsvg), loaded when the first
// print or SVG command runs: Qt's print and SVG libraries then stay out of every start.
namespace printsvg {

// The print preview on a printer with `layout`, painted by `paint`: 0 printed, 1 cancelled,
// 2 failed (as platform::PrintResult), or -1 when the module cannot be loaded.
int printWithPreview(QWidget* parent, const QString& documentName, const QPageLayout& layout,
                     const std::function<bool(QPagedPaintDevice&)>& paint);

// An SVG of `size` CSS pixels with `title` (escaped already) painted by `paint` into `device`;
// false when painting failed or the module cannot be loaded.
bool drawSvg(QIODevice& device, const QSize& size, const QString& title,
             const std::function<bool(QPainter&)>& paint);

} // namespace printsvg
