#include "publish/WebPage.h"

#include "app/language/Language.h"
#include "grid/CrosswordDocument.h"
#include "grid/FieldGeometry.h"
#include "grid/ShownGrid.h"
#include "print/PrintedGrid.h"
#include "publish/WebAssets.h"
#include "text/CodePage.h"
#include "text/Escaping.h"

#include <QIODevice>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <vector>

namespace publish {

namespace {

QString own(const Language& lang, OwnText which) {
    return cp1251::toUnicode(lang.ownText(which));
}

QByteArray ownHtml(const Language& lang, OwnText which) {
    return escape::xml(own(lang, which));
}

// One crossword's slot in the page: its cells in reading order, as shown.
struct WebSlot {
    int number = 0;
    int direction = 0;
    std::vector<int> cells; // y * W + x
    QString clue;
};

std::vector<WebSlot> webSlots(const CrosswordDocument& doc, bool turned) {
    std::vector<WebSlot> out;
    const int w = doc.GridWidth;
    for (int d = 0; d < 2; ++d)
        for (int n = 1; n <= doc.NumberedCount; ++n) {
            const int len = doc.ShownSlotTable.at(n, 2, d);
            if (len <= 0)
                continue;
            WebSlot s{n, d, {}, cp1251::toUnicode(doc.SlotTexts.at(n, 0, d))};
            const int x = doc.ShownSlotTable.at(n, 0, d);
            const int y = doc.ShownSlotTable.at(n, 1, d);
            for (int i = 0; i < len; ++i) {
                // Turned, a word reads from its numbered cell at the shown end backwards.
                const int k = turned ? len - 1 - i : i;
                s.cells.push_back((y + (d == 1 ? k : 0)) * w + x + (d == 0 ? k : 0));
            }
            out.push_back(std::move(s));
        }
    return out;
}

// FNV-1a: the page's storage key and the seed of its answers' scramble.
struct Fnv {
    std::uint64_t h = 0xcbf29ce484222325ULL;
    void add(QByteArrayView bytes) {
        for (const char c : bytes) {
            h ^= static_cast<unsigned char>(c);
            h *= 0x100000001b3ULL;
        }
        h ^= 0xFF; // a separator, so that "ab"+"c" differs from "a"+"bc"
        h *= 0x100000001b3ULL;
    }
    void add(int v) { add(QByteArray::number(v)); }
};

// The mask of cell i, the same in the page's script: letters travel as code ^ mask.
std::uint32_t cellMask(std::uint32_t seed, int i) {
    std::uint32_t h = seed ^ (static_cast<std::uint32_t>(i + 1) * 0x9E3779B1u);
    h ^= h >> 16;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return h & 0xFFFFu;
}

// A number for CSS or SVG: up to four decimals, no trailing zeros.
QByteArray num(double v) {
    QByteArray s = QByteArray::number(v, 'f', 4);
    while (s.contains('.') && (s.endsWith('0') || s.endsWith('.')))
        s.chop(1);
    return s == "-0" ? "0" : s;
}

// WCAG's contrast of a colour against white.
double contrastOnWhite(unsigned rgb) {
    const auto channel = [](unsigned v) {
        const double c = v / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double l = 0.2126 * channel((rgb >> 16) & 0xFF) + 0.7152 * channel((rgb >> 8) & 0xFF) +
                     0.0722 * channel(rgb & 0xFF);
    return 1.05 / (l + 0.05);
}

QByteArray cssColor(unsigned rgb) {
    return '#' + QByteArray::number(rgb & 0xFFFFFF, 16).rightJustified(6, '0');
}

QByteArray cssFamily(const QString& family) {
    QString safe;
    for (const QChar c : family)
        if (c.isLetterOrNumber() || c == u' ' || c == u'-' || c == u'_')
            safe += c;
    return safe.trimmed().isEmpty() ? QByteArray() : '"' + safe.trimmed().toUtf8() + "\",";
}

// Runs of cells along a line for which `included` holds, as [first, last] pairs.
template <typename Pred> std::vector<std::pair<int, int>> runs(int count, const Pred& included) {
    std::vector<std::pair<int, int>> out;
    for (int i = 0; i < count; ++i) {
        if (!included(i))
            continue;
        int j = i;
        while (j + 1 < count && included(j + 1))
            ++j;
        out.emplace_back(i, j);
        i = j;
    }
    return out;
}

// The grid's lines, black cells and numbers as the printed grid draws them, in the geometry's
// pixels; the cells' own backgrounds and letters lie below it in the page.
QByteArray gridSvg(const GridPicture& g, const FieldGeometry& geo, const WebLook& look,
                   const QByteArray& numberFamily) {
    const int c = geo.cellSize();
    const QSize size = geo.closedSize();
    QByteArray blocks, lines, numbers;
    for (int y = 0; y < g.height; ++y)
        for (const auto& [a, b] :
             runs(g.width, [&](int x) { return g.kind(x, y) == CellKind::Block; })) {
            QRect r = geo.square(a, y).united(geo.square(b, y));
            // An outside cell beside a black one keeps the line they share white, as the
            // pictures leave it.
            int left = r.left(), right = r.right() + 1;
            if (a > 0 && g.kind(a - 1, y) == CellKind::Outside)
                ++left;
            if (b + 1 < g.width && g.kind(b + 1, y) == CellKind::Outside)
                --right;
            blocks += 'M' + num(left) + ' ' + num(r.top()) + 'H' + num(right) + 'V' +
                      num(r.bottom() + 1) + 'H' + num(left) + 'Z';
        }
    const auto light = [&g](int x, int y) {
        return x >= 0 && y >= 0 && x < g.width && y < g.height && g.kind(x, y) == CellKind::Light;
    };
    const QPoint origin = geo.square(0, 0).topLeft();
    for (int y = 0; y <= g.height; ++y)
        for (const auto& [a, b] :
             runs(g.width, [&](int x) { return light(x, y - 1) || light(x, y); }))
            lines += 'M' + num(origin.x() + a * c + 0.5) + ' ' + num(origin.y() + y * c + 0.5) +
                     'H' + num(origin.x() + (b + 1) * c + 0.5);
    for (int x = 0; x <= g.width; ++x)
        for (const auto& [a, b] :
             runs(g.height, [&](int y) { return light(x - 1, y) || light(x, y); }))
            lines += 'M' + num(origin.x() + x * c + 0.5) + ' ' + num(origin.y() + a * c + 0.5) +
                     'V' + num(origin.y() + (b + 1) * c + 0.5);
    const int digitHeight = 7 * look.numberSize;
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x)
            if (const int n = g.number(x, y); n > 0) {
                const QPoint at = geo.numberAt(x, y);
                numbers += "<text x=\"" + num(at.x()) + "\" y=\"" + num(at.y() + digitHeight) +
                           "\">" + QByteArray::number(n) + "</text>";
            }
    // Digits stand about 0.73 of the font size tall in common faces.
    return "<svg class=\"lines\" viewBox=\"0 0 " + num(size.width()) + ' ' + num(size.height()) +
           "\" aria-hidden=\"true\" focusable=\"false\"><path fill=\"#000\" d=\"" + blocks +
           "\"/><path fill=\"none\" stroke=\"#000\" stroke-width=\"1\" "
           "vector-effect=\"non-scaling-stroke\" shape-rendering=\"crispEdges\" d=\"" +
           lines + "\"/><g font-family='" + numberFamily + "sans-serif' font-size=\"" +
           num(digitHeight / 0.73) + "\">" + numbers + "</g></svg>";
}

} // namespace

QByteArray jsonString(const QString& text) {
    QByteArray out = "\"";
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == u'"' || c == u'\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F || c == u'<' || c == u'>' || c == u'&' || c == 0x2028 ||
                   c == 0x2029) {
            out += "\\u" + QByteArray::number(c, 16).rightJustified(4, '0');
        } else {
            out += QString(ch).toUtf8();
        }
    }
    return out + '"';
}

QByteArray buildWebPage(CrosswordDocument doc, const WebLook& look, const Language& lang) {
    const bool turned = look.style != 0;
    buildShownGrid(doc, look.style);
    const bool answers = doc.NoAnswers == 0;
    const GridPicture g = gridPicture(doc, answers);
    const std::vector<WebSlot> words = webSlots(doc, turned);
    const int w = g.width;
    const int h = g.height;
    const int cellSize = std::max(look.cellSize, 4);
    const FieldGeometry geo(cellSize, w, h, 0, false);
    const QSize closed = geo.closedSize();

    Fnv key;
    key.add(doc.CrosswordTitle);
    key.add(doc.CrosswordAuthor);
    key.add(w);
    key.add(h);
    for (const WebSlot& s : words) {
        key.add(s.number * 2 + s.direction);
        key.add(static_cast<int>(s.cells.front()));
        key.add(static_cast<int>(s.cells.size()));
    }
    QByteArray letters;
    for (const unsigned char l : g.letters)
        letters += static_cast<char>(l);
    key.add(letters);
    const std::uint32_t seed = static_cast<std::uint32_t>(key.h ^ (key.h >> 32));
    const QByteArray storageKey = QByteArray::number(static_cast<qulonglong>(key.h), 16);

    const QString title = cp1251::toUnicode(doc.CrosswordTitle).trimmed();
    const QString author = cp1251::toUnicode(doc.CrosswordAuthor).trimmed();
    QByteArray locale = lang.ownText(OwnText::QtLocale).trimmed();
    if (locale.isEmpty() || locale.size() > 12 ||
        !std::all_of(locale.begin(), locale.end(), [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) || c == '-';
        }))
        locale = "en";
    else
        locale.replace('_', '-');

    // The look: one geometry pixel is 100cqw / closed width of the grid's box.
    const double unit = 100.0 / closed.width();
    const auto units = [unit](double px) { return "calc(" + num(px * unit) + "cqw)"; };
    const unsigned letterColor =
        contrastOnWhite(look.letterColor) >= 4.5 ? look.letterColor : 0x000000u;
    const QByteArray family = cssFamily(look.letterFamily);
    QByteArray css = webStyle();
    // Cells of about 46 pixels on a desktop, as tall as the window allows; on a phone the
    // width decides.
    css += ".gw{aspect-ratio:" + num(closed.width()) + '/' + num(closed.height()) + '}';
    css += ".board{width:min(100%," + num(std::max(320, w * 46)) + "px,calc((100vh - 17rem) * " +
           num(double(closed.width()) / closed.height()) + "))}";
    css +=
        "@media (max-width:760px){.board{width:100%}.gw{max-width:" + num(std::max(320, w * 64)) +
        "px}}";
    css += ".r{height:" + num(cellSize * 100.0 / closed.height()) + "%}";
    css += ".c{width:" + num(cellSize * 100.0 / closed.width()) + "%}";
    // A cell holds its letter as its own text, with no element of its own: fewer boxes to lay
    // out before the first paint.
    css += ".c.l{padding:" + units(look.letterOffset) + ' ' + units(2) +
           " 0 0;font:" + QByteArray(look.letterItalic ? "italic " : "") +
           (look.letterBold ? "bold " : "normal ") + units(std::max(look.letterPixelSize, 1)) +
           '/' + "normal " + family + "sans-serif;color:" + cssColor(letterColor) + '}';
    css += ".c.cur::after{border-width:" + units(std::max(2.0, cellSize / 8.0)) + '}';

    QByteArray html;
    html.reserve(64 * 1024);
    html += "<!DOCTYPE html>\n<html lang=\"" + locale + "\">\n<head>\n<meta charset=\"utf-8\">\n";
    html += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
    // The page asks for nothing beyond itself.
    html += "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
            "style-src 'unsafe-inline'; script-src 'unsafe-inline'; img-src data:\">\n";
    html += "<meta name=\"generator\" content=\"Clueforge\">\n";
    const QString shownTitle =
        title.isEmpty() ? cp1251::toUnicode(lang.caption(LangEntry::CrosswordMenu)) : title;
    html += "<title>" + escape::xml(shownTitle) + "</title>\n<style>" + css + "</style>\n</head>\n";
    html += "<body>\n<main>\n<header><h1>" + escape::xml(shownTitle) + "</h1>";
    if (!author.isEmpty())
        html +=
            "<p class=\"by\">" +
            escape::xml(cp1251::toUnicode(lang.entry(LangEntry::By)).trimmed() + u' ' + author) +
            "</p>";
    html += "</header>\n";

    // The controls, under the grid: the first thing after it for the keyboard too.
    QByteArray tools = "<div class=\"bar\" role=\"toolbar\" aria-label=\"" +
                       ownHtml(lang, OwnText::WebTools) + "\">";
    const auto button = [&tools, &lang](const char* id, OwnText text) {
        tools += QByteArray("<button type=\"button\" id=\"") + id + "\">" + ownHtml(lang, text) +
                 "</button>";
    };
    if (answers) {
        button("ckl", OwnText::WebCheckLetter);
        button("ckw", OwnText::WebCheckWord);
        button("cka", OwnText::WebCheckAll);
        button("rvl", OwnText::WebRevealLetter);
        button("rvw", OwnText::WebRevealWord);
    }
    button("again", OwnText::WebStartAgain);
    button("print", OwnText::WebPrint);
    tools += "</div>\n";
    // The timer and the counts.
    html += "<p class=\"stats\"><span id=\"tl\">" + ownHtml(lang, OwnText::WebTime) +
            "</span> <span id=\"time\" role=\"timer\" aria-labelledby=\"tl\">0:00</span>";
    if (answers)
        html += " <span>" + ownHtml(lang, OwnText::WebChecks) +
                " <span id=\"nck\">0</span></span> <span>" + ownHtml(lang, OwnText::WebRevealed) +
                " <span id=\"nrv\">0</span></span>";
    html += "</p>\n";
    if (!answers)
        html += "<p class=\"note\">" + ownHtml(lang, OwnText::WebNoAnswers) + "</p>\n";

    // The grid: the cells the solver moves through, under the drawn lines and numbers.
    html += "<div class=\"play\">\n<div class=\"board\">\n<p class=\"now\" id=\"now\"></p>\n";
    html += "<div class=\"gw\" id=\"gw\">";
    html += "<div class=\"g\" role=\"grid\" id=\"grid\" aria-label=\"" +
            ownHtml(lang, OwnText::WebGrid) + "\" aria-describedby=\"now\">";
    const QString rowWord = own(lang, OwnText::CellRow);
    const QString columnWord = own(lang, OwnText::CellColumn);
    const QString numberWord = own(lang, OwnText::CellNumber);
    for (int y = 0; y < h; ++y) {
        bool anyLight = false;
        for (int x = 0; x < w; ++x)
            anyLight = anyLight || g.kind(x, y) == CellKind::Light;
        html +=
            anyLight ? "<div class=\"r\" role=\"row\">" : "<div class=\"r\" aria-hidden=\"true\">";
        for (int x = 0; x < w; ++x) {
            const CellKind kind = g.kind(x, y);
            if (kind != CellKind::Light) {
                html += "<div class=\"c\" aria-hidden=\"true\"></div>";
                continue;
            }
            QString name = rowWord + u' ' + QString::number(y + 1) + QStringLiteral(", ") +
                           columnWord + u' ' + QString::number(x + 1);
            if (const int n = g.number(x, y); n > 0)
                name += QStringLiteral(", ") + numberWord + u' ' + QString::number(n);
            html += "<div class=\"c l\" role=\"gridcell\" id=\"c" + QByteArray::number(y * w + x) +
                    "\" tabindex=\"-1\" aria-label=\"" + escape::xml(name) + "\"></div>";
        }
        html += "</div>";
    }
    html += "</div>";
    html += gridSvg(g, geo, look, cssFamily(look.letterFamily));
    html += "<input class=\"in\" id=\"in\" type=\"text\" tabindex=\"-1\" autocomplete=\"off\" "
            "autocapitalize=\"characters\" autocorrect=\"off\" spellcheck=\"false\" "
            "enterkeyhint=\"next\" aria-label=\"" +
            ownHtml(lang, OwnText::WebLetterEntry) + "\">";
    html += "</div>\n<p id=\"msg\" class=\"msg\" role=\"status\"></p>\n" + tools + "</div>\n";

    // The clues, each a button that begins with its number.
    html += "<div class=\"clues\">";
    std::size_t index = 0;
    for (int d = 0; d < 2; ++d) {
        html += "<section><h2>" + escape::xml(cp1251::toUnicode(lang.heading(d)).trimmed()) +
                "</h2><ul>";
        for (; index < words.size() && words[index].direction == d; ++index) {
            const WebSlot& s = words[index];
            html += "<li><button type=\"button\" class=\"clue\" id=\"q" +
                    QByteArray::number(static_cast<qulonglong>(index)) + "\"><b>" +
                    QByteArray::number(s.number) + ".</b> " + escape::xml(s.clue.trimmed()) +
                    "</button></li>";
        }
        html += "</ul></section>";
    }
    html += "</div>\n</div>\n";
    html += "</main>\n";

    // What the script needs: the words, the scrambled letters and the messages.
    QByteArray data = "{\"w\":" + QByteArray::number(w) + ",\"h\":" + QByteArray::number(h) +
                      ",\"key\":\"" + storageKey + "\",\"k\":" + QByteArray::number(seed) +
                      ",\"s\":[";
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i)
            data += ',';
        data += '[' + QByteArray::number(words[i].number) + ',' +
                QByteArray::number(words[i].direction) + ",[";
        for (std::size_t k = 0; k < words[i].cells.size(); ++k)
            data += (k ? "," : "") + QByteArray::number(words[i].cells[k]);
        data += "]]";
    }
    data += "],\"a\":[";
    if (answers)
        for (int i = 0; i < w * h; ++i) {
            const unsigned char code = g.letters[static_cast<std::size_t>(i)];
            const std::uint32_t letter =
                g.kinds[static_cast<std::size_t>(i)] == CellKind::Light && code
                    ? cp1251::toUnicode(code).toUpper().unicode()
                    : 0u;
            data += (i ? "," : "") + QByteArray::number(letter ^ cellMask(seed, i));
        }
    data += "],\"t\":{";
    const std::pair<const char*, OwnText> texts[] = {
        {"solved", OwnText::WebSolved},
        {"wrong", OwnText::WebWrongLetters},
        {"right", OwnText::WebNoWrongLetters},
        {"again", OwnText::WebStartAgainQuestion},
    };
    for (const auto& [name, which] : texts)
        data += '"' + QByteArray(name) + "\":" + jsonString(own(lang, which)) + ',';
    data += "\"across\":" + jsonString(cp1251::toUnicode(lang.slotName(0, 0)).mid(2)) +
            ",\"down\":" + jsonString(cp1251::toUnicode(lang.slotName(0, 1)).mid(2)) + "}}";
    html += "<script type=\"application/json\" id=\"cf-data\">" + data + "</script>\n";
    html += "<script>" + webScript() + "</script>\n</body>\n</html>\n";
    return html;
}

FileStatus writeWebPage(const QString& path, const QByteArray& page) {
    return saveFileSafely(path,
                          [&page](QIODevice& device) { return device.write(page) == page.size(); });
}

} // namespace publish
