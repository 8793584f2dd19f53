// `clueforge --convert IN OUT`: a crossword converted without a window.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class AppState;

struct ConvertRun {
    int exitCode = 0;   // convert::kConverted ... kPasswordRequired
    QByteArray message; // on failure, in the language (Windows-1251)
};

struct ConvertOptions {
    // What a crossword file is saved with, as typed; also what opens the answers of a crossword
    // with a password.
    std::optional<QString> password;
    bool answers = false; // the PDF's answers pages, the SVG's letters
    bool web = false;     // an .html output is the page to solve in a browser
};

// Converts `in` to `out` by their extensions, with the state's settings (the cell size, the
// letter font) and language. Nothing is written on failure.
ConvertRun convertCrossword(const AppState& state, const QString& in, const QString& out,
                            const ConvertOptions& options);
