#pragma once

#include <QByteArray>
#include <QString>

struct CrosswordDocument;
class QIODevice;

// Where an exported crossword's page and its two pictures go.
struct ExportNames {
    QString page;
    QString gridPicture;
    QString answersPicture;
    // The pictures' file names without folders, as the page refers to them.
    QString gridPictureName;
    QString answersPictureName;
};

// The page is the chosen path, with ".htm" added when its file name has no dot; the pictures
// take the part of the file name before its first dot, so they always lie beside the page. A
// page that would carry a picture's name gets ".htm" added. The path is a local one from the
// Save dialog: only the platform's separators end a folder (a backslash only on Windows).
ExportNames exportNames(const QString& chosenPath);

// The file name of the crossword without folder and without its four-character extension.
QString suggestedExportName(const QString& crosswordPath);

// Captions the page borrows from the window, in Windows-1251.
struct PageCaptions {
    QByteArray kross;  // the crossword menu
    QByteArray across; // the across heading
    QByteArray down;   // the down heading
    QByteArray byWord; // the word before the author's name
};

// The whole page, one line in Windows-1251 ended by CR LF. Texts of the crossword and of the
// language are escaped (escape::html), so a clue such as "a < b" cannot break the page. Picture
// names are file names without folders; what a URL would read as something else ("%", "#", "?" ...)
// is percent-encoded in the references.
QByteArray buildHtmlPage(const CrosswordDocument& doc, const PageCaptions& captions,
                         const QString& gridPictureName, const QString& answersPictureName);

// Writes the page as built. False when a write failed.
bool writeHtmlPage(QIODevice& device, const QByteArray& page);
