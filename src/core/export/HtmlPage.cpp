#include "export/HtmlPage.h"

#include "grid/CrosswordDocument.h"
#include "grid/SlotAccess.h"
#include "text/CodePage.h"
#include "text/Escaping.h"

#include <QIODevice>

namespace {

// Paths from a file may come from Windows and use either separator.
qsizetype fileNameStart(const QString& path) {
    return std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))) + 1;
}

// A local path from a dialog: on Linux a backslash is part of a file name.
qsizetype localFileNameStart(const QString& path) {
#ifdef Q_OS_WIN
    return fileNameStart(path);
#else
    return path.lastIndexOf(QLatin1Char('/')) + 1;
#endif
}

// What a relative URL would read as something else: an escape, a query, a fragment, a scheme
// before a colon, a backslash that browsers take for "/", characters they drop (controls, and
// a blank at the start).
bool urlSpecial(char16_t c, bool first) {
    return c < 0x20 || c == 0x7F || c == u'%' || c == u'#' || c == u'?' || c == u':' ||
           c == u'\\' || (first && c == u' ');
}

// A picture name in the page: Windows-1251 where it can be, otherwise percent-encoded UTF-8,
// which browsers resolve to the same file.
QByteArray pictureReference(const QString& name) {
    QByteArray out;
    for (qsizetype i = 0; i < name.size();) {
        const qsizetype length =
            name.at(i).isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate()
                ? 2
                : 1;
        const QStringView c = QStringView(name).mid(i, length);
        if (length == 1 && !urlSpecial(c.at(0).unicode(), i == 0) && cp1251::canEncode(c))
            out += cp1251::fromUnicode(c);
        else
            out += c.toUtf8().toPercentEncoding();
        i += length;
    }
    return escape::html(out);
}

} // namespace

ExportNames exportNames(const QString& chosenPath) {
    const qsizetype start = localFileNameStart(chosenPath);
    const qsizetype dot = chosenPath.indexOf(QLatin1Char('.'), start);
    ExportNames names;
    QString base;
    if (dot < 0) {
        names.page = chosenPath + QStringLiteral(".htm");
        base = chosenPath;
    } else {
        names.page = chosenPath;
        base = chosenPath.left(dot);
    }
    names.gridPicture = base + QStringLiteral(".bmp");
    names.answersPicture = base + QStringLiteral(u" (ответы).bmp");
    // A page named like one of its pictures ("cross.bmp") would be written over it.
    for (const QString& picture : {names.gridPicture, names.answersPicture})
        if (names.page.compare(picture, Qt::CaseInsensitive) == 0)
            names.page += QStringLiteral(".htm");
    names.gridPictureName = names.gridPicture.mid(start);
    names.answersPictureName = names.answersPicture.mid(start);
    return names;
}

QString suggestedExportName(const QString& crosswordPath) {
    const QString name = crosswordPath.mid(fileNameStart(crosswordPath));
    // Without ".cfw", or ".ipuz" of a crossword being solved from an ipuz file.
    const qsizetype extension = name.endsWith(QLatin1String(".ipuz"), Qt::CaseInsensitive) ? 5 : 4;
    return name.size() > extension ? name.left(name.size() - extension) : QString();
}

QByteArray buildHtmlPage(const CrosswordDocument& doc, const PageCaptions& captions,
                         const QString& gridPictureName, const QString& answersPictureName) {
    const QByteArray title = escape::html(doc.CrosswordTitle);
    const QByteArray author = escape::html(doc.CrosswordAuthor);
    const QByteArray kross = escape::html(captions.kross);
    const QByteArray byWord = escape::html(captions.byWord);
    QByteArray clues[2], answers[2];
    for (int d = 0; d < 2; ++d) {
        const QByteArray heading =
            "<br><b>" + escape::html(d == 0 ? captions.across : captions.down) + "</b>" + " ";
        clues[d] = heading;
        answers[d] = heading;
    }
    for (int n = 1; n <= doc.NumberedCount; ++n) {
        const QByteArray prefix = ' ' + QByteArray::number(n) + ". ";
        for (int d = 0; d < 2; ++d) {
            if (slotLength(doc, n, d) < 1)
                continue;
            const QByteArray answer = answerOf(doc, n, d);
            clues[d] += prefix + escape::html(clueOf(doc, n, d));
            answers[d] += prefix + escape::html(answer.left(1) + cp1251::toLower(answer.mid(1)));
        }
    }

    QByteArray page;
    page += "<html><head><meta http-equiv='Content-Type' content='text/html; "
            "charset=windows-1251'><title>";
    page += kross + ": \"" + title + "\" " + byWord + ' ' + author;
    page += "</title></head><body topmargin=0 leftmargin=0><center>";
    page += "<br><font size=5>" + byWord + ' ' + author + "</font>";
    page += "<br><font size=6>" + title + "</font>";
    page += "<br><img src='" + pictureReference(gridPictureName) + "'></center><br><br>";
    page += clues[0] + clues[1];
    page += "<center><font size=5>" + cp1251::fromUnicode(u"Ответы") + "</font><br><img src='" +
            pictureReference(answersPictureName) + "'></center>";
    page += "<br>" + answers[0] + answers[1];
    page += "</body></html>\r\n";
    return page;
}

bool writeHtmlPage(QIODevice& device, const QByteArray& page) {
    return device.write(page) == page.size();
}
