// The settings file: whatever it holds, the values must be usable, survive writing, and the
// program must start with them and draw a grid.
#include "FuzzSupport.h"

#include "app/Settings.h"
#include "grid/GridLimits.h"
#include "grid/GridView.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    Settings s;
    readSettings(in, s);
    if (!gridlimits::cellSizeAllowed(s.CellSize) || s.NumberSize < 1 || s.NumberSize > 3 ||
        (s.ChosenStyle != 0 && s.ChosenStyle != 1))
        fuzzFailure("unusable settings accepted");

    FuzzInput back = writtenBy([&s](QIODevice& device) { return writeSettings(device, s); });
    Settings again;
    readSettings(back, again);
    // A name is written as a plain line and read as a field: a comma, a quote, a line break
    // or blanks at either end cannot come back as they were. Everything else must.
    const auto survives = [](const QByteArray& name) {
        const QByteArray blanks(" \t");
        return !name.contains(',') && !name.contains('"') && !name.contains('\r') &&
               !name.contains('\n') &&
               (name.isEmpty() ||
                (!blanks.contains(name.front()) && !blanks.contains(name.back())));
    };
    if (survives(s.LanguageFileName) && survives(s.LetterFontName) && again != s)
        fuzzFailure("settings changed on the way through the file");

    // The window the program starts with takes these settings: its letter font, cell size and
    // style.
    static FuzzWindow w;
    w.state.settings = s;
    MainWindow& form = *w.form;
    AppState& state = w.state;
    form.applyLetterFont();
    // A crossword with letters, drawn in the font and colour the file chose.
    form.openFileFromCommandLine(QStringLiteral(CLUEFORGE_SAMPLES "/Sample-en.cfw"));
    if (state.doc().Mode != EditMode::ModeSolve)
        fuzzFailure("the sample crossword did not open");
    for (int style : {0, 1}) {
        state.session.showForSetup(style == 0 ? s.ChosenStyle : 1 - s.ChosenStyle);
        form.findChild<GridView*>()->drawGrid();
    }
    return 0;
}
