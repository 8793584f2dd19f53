// A language file loaded into the real window, which captions its controls from it, in every
// mode.
#include "FuzzSupport.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzWindow w;
    static const bool folder = QDir(w.folder.path()).mkpath(QStringLiteral("Language"));
    if (!folder)
        fuzzFailure("cannot make the language folder");
    w.put("Language/L.txt",
          QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    for (int mode = 0; mode <= 8; ++mode) {
        w.state.session.documentForSetup().Mode = static_cast<EditMode>(mode);
        if (mode == 0)
            w.form->loadLanguage("L.txt");
        else
            w.form->showModeTexts();
        (void)w.state.language.crosswordFileFilter();
        (void)w.state.language.AnswersFileFilter();
        (void)w.state.language.OverwriteQuestion();
    }
    return 0;
}
