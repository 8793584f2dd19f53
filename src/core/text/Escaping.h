// Texts of the crossword as each format we write takes them: one helper per format, every one
// turning control characters into blanks, since none of these formats may hold them raw (XML
// forbids most of them outright, and a page or a clue list would show them as boxes).
#pragma once

#include <QByteArray>
#include <QString>

namespace escape {

// Whether the byte c of a Windows-1251 text is a control character: C0 (0x00 to 0x1F) or DEL.
// (0x80 to 0x9F are letters and signs there.)
constexpr bool isControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

// Whether the Unicode character c is a control character: C0, DEL, C1 (U+0080 to U+009F), or
// the line and paragraph separators, which break a line where no other character does and end
// a string in older JavaScript.
constexpr bool isControl(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

// XML character data and attribute values, for SVG, the PDF's metadata and the web page (whose
// HTML takes the same): & < > " ' as entities, in UTF-8.
QByteArray xml(const QString& text);

// The HTML page's texts, in Windows-1251 as the page is: & < > " ' as entities.
QByteArray html(const QByteArray& cp1251Text);

// A text with its control characters as blanks, for formats that escape the rest themselves
// (the PDF's document information, written by the PDF writer).
QString withoutControls(const QString& text);

// ipuz texts, whose light HTML the readers interpret: & < > as entities, the rest as it is.
QString ipuz(const QString& text);

} // namespace escape
