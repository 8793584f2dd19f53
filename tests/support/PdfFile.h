#pragma once

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// A PDF file as poppler's tools (pdfinfo, pdftotext) read it.
namespace pdffile {

inline QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The number of pages; -1 for a file that does not start as a PDF or that pdfinfo cannot read.
inline int pageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.read(5).startsWith("%PDF-"))
        return -1;
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral(R"(^Pages:\s+(\d+)\s*$)"),
                                                         QRegularExpression::MultilineOption)
                                          .match(run(QStringLiteral("pdfinfo"), {path}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The text of every page, pages separated by form feeds.
inline QString text(const QString& path) {
    return run(QStringLiteral("pdftotext"),
               {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
}

} // namespace pdffile
