// A language file, then what the window builds from it in every mode.
#include "FuzzSupport.h"

#include "app/AppState.h"
#include "app/language/Language.h"
#include "app/language/LoadJazikM.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static AppState state(QStringLiteral("/nonexistent/"));
    FuzzInput in(data, size);
    readLanguage(in, state.language);
    (void)state.language.KrossFileFilter();
    (void)state.language.AnswersFileFilter();
    (void)state.language.OverwriteQuestion();
    for (int mode = 0; mode <= 8; ++mode) {
        state.doc.Mode = static_cast<EditMode>(mode);
        (void)modeTexts(state);
    }
    return 0;
}
