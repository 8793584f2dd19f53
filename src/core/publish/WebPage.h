// The crossword as one self-contained web page to solve in any browser, offline.
#pragma once

#include "files/FileCommon.h"

#include <QByteArray>
#include <QString>

struct CrosswordDocument;
struct Language;

namespace publish {

// How the page's grid looks, in the pixels of the program's cell geometry; the browser scales
// the whole grid to the room it has.
struct WebLook {
    int cellSize = 20;
    int numberSize = 1; // 1 to 3: digits 7 × numberSize pixels tall, as the pictures' dotted ones
    int style = 0;      // 0 classic, otherwise the turned style, as the screen shows it
    QString letterFamily; // the letter font's family; the page falls back to sans-serif
    int letterPixelSize = 13;
    bool letterBold = true;
    bool letterItalic = false;
    unsigned letterColor = 0; // 0xRRGGBB
    int letterOffset = 0;     // how far below a cell's top the letter's box starts
};

// The page, UTF-8: the grid drawn from FieldGeometry with the look, the clues, and the
// solver's controls in the language's words. `doc` is the author's crossword (with its answers,
// or without them: then the page cannot check); its shown grid is rebuilt in the look's style.
// The answers travel scrambled cell by cell, never as text.
QByteArray buildWebPage(CrosswordDocument doc, const WebLook& look, const Language& lang);

// The page saved whole or not at all.
FileStatus writeWebPage(const QString& path, const QByteArray& page);

// A JSON string with its quotes, safe inside a <script> element: no "<", ">", "&", control
// characters or line separators raw.
QByteArray jsonString(const QString& text);

} // namespace publish
