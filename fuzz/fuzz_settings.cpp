// The settings file: whatever it holds, the values must be usable and survive writing.
#include "FuzzSupport.h"

#include "app/Settings.h"
#include "grid/GridLimits.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    Settings s;
    readSettings(in, s);
    if (!gridlimits::cellSizeAllowed(s.CellSize) || s.NumberSize < 1 || s.NumberSize > 3 ||
        (s.ChosenStyle != 0 && s.ChosenStyle != 1))
        fuzzFailure("unusable settings accepted");

    FuzzOutput out;
    writeSettings(out, s);
    QByteArray written = out.bytes();
    QBuffer back(&written);
    back.open(QIODevice::ReadOnly);
    Settings again;
    readSettings(back, again);
    // Names with a comma or line break cannot come back whole; everything else must.
    if (!s.LanguageFileName.contains(',') && !s.LetterFontName.contains(',') &&
        !s.LanguageFileName.contains('"') && !s.LetterFontName.contains('"') && again != s &&
        !s.LanguageFileName.contains('\r') && !s.LetterFontName.contains('\r') &&
        !s.LanguageFileName.contains('\n') && !s.LetterFontName.contains('\n'))
        fuzzFailure("settings changed on the way through the file");
    return 0;
}
