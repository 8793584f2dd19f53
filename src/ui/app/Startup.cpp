// Start-up: settings, letter font, the main window and its language.
#include "app/MainM.h"

#include "app/frmForma.h"
#include "app/language/LoadJazikM.h"

#include <QAction>
#include <QCoreApplication>

std::unique_ptr<frmForma> startUp(AppState& state, platform::Platform& platform) {
    state.loadSettings();
    auto form = std::make_unique<frmForma>(state, platform);
    form->NewFont();
    // A name that could lead out of the Language folder was not chosen in the language dialog.
    if (!isLanguageFileName(state.settings.LanguageFileName))
        state.settings.LanguageFileName = "Russian.txt";
    form->LoadJazik(state.settings.LanguageFileName);
    QCoreApplication::processEvents();
    form->show();
    const int style = state.settings.ChosenStyle == 1 ? 1 : 0;
    form->OptionsStyle[static_cast<std::size_t>(style)]->setChecked(true);
    state.session.showChosenStyle();
    return form;
}
