// The author in a PDF's document information, which the PDF writer of Qt 6.4 cannot set.
#include "print/PdfAuthor.h"

#include <QRegularExpression>

namespace publish {

namespace {

// A PDF text string: UTF-16BE behind its byte-order mark, in hexadecimal.
QByteArray pdfText(const QString& text) {
    QByteArray bytes("\xFE\xFF", 2);
    for (const QChar c : text) {
        bytes += char(c.unicode() >> 8);
        bytes += char(c.unicode() & 0xFF);
    }
    return '<' + bytes.toHex().toUpper() + '>';
}

} // namespace

std::optional<QByteArray> withPdfAuthor(const QByteArray& pdf, const QString& author) {
    const qsizetype xrefAt = pdf.lastIndexOf("\nxref\n");
    const qsizetype startAt = pdf.lastIndexOf("\nstartxref\n");
    if (xrefAt < 0 || startAt < xrefAt)
        return std::nullopt;
    const QByteArray tail = pdf.mid(xrefAt);
    static const QRegularExpression infoRef(QStringLiteral("/Info (\\d+) 0 R"));
    const auto info = infoRef.match(QString::fromLatin1(tail));
    if (!info.hasMatch())
        return std::nullopt;
    const QByteArray object = "\n" + info.captured(1).toLatin1() + " 0 obj\n<<\n";
    const qsizetype objectAt = pdf.indexOf(object);
    const qsizetype objectEnd = objectAt < 0 ? -1 : pdf.indexOf(">>", objectAt);
    if (objectEnd < 0 || objectEnd > xrefAt ||
        pdf.mid(objectAt, objectEnd - objectAt).contains("/Author"))
        return std::nullopt;
    const qsizetype insertAt = objectAt + object.size();
    const QByteArray entry = "/Author " + pdfText(author) + '\n';
    const qsizetype delta = entry.size();

    // "xref\n0 N\n" then N entries of 20 bytes: ten digits of offset, five of generation, type.
    qsizetype at = xrefAt + 6;
    const qsizetype lineEnd = pdf.indexOf('\n', at);
    const QList<QByteArray> header = pdf.mid(at, lineEnd - at).trimmed().split(' ');
    bool ok = header.size() == 2 && header[0] == "0";
    const int count = ok ? header[1].toInt(&ok) : 0;
    at = lineEnd + 1;
    if (!ok || count < 1 || at + qsizetype(count) * 20 > startAt)
        return std::nullopt;
    QByteArray out = pdf;
    for (int i = 0; i < count; ++i, at += 20) {
        const QByteArray line = pdf.mid(at, 20);
        const qlonglong offset = line.left(10).toLongLong(&ok);
        if (!ok || line.at(10) != ' ' || (line.at(17) != 'n' && line.at(17) != 'f'))
            return std::nullopt;
        if (line.at(17) == 'n' && offset >= insertAt)
            out.replace(at, 10, QByteArray::number(offset + delta).rightJustified(10, '0'));
    }
    const qsizetype numberAt = startAt + 11;
    const qsizetype numberEnd = pdf.indexOf('\n', numberAt);
    const qlonglong start = pdf.mid(numberAt, numberEnd - numberAt).trimmed().toLongLong(&ok);
    if (!ok || numberEnd < 0 || start != xrefAt + 1)
        return std::nullopt;
    out.replace(numberAt, numberEnd - numberAt, QByteArray::number(start + delta) + ' ');
    out.insert(insertAt, entry);
    return out;
}

} // namespace publish
