// Start-up: settings, letter font, the main window and its language.
#include "app/Startup.h"

#include "app/MainWindow.h"
#include "app/language/LanguageFile.h"

#include <QAction>
#include <QCoreApplication>

std::unique_ptr<MainWindow> startUp(AppState& state, platform::Platform& platform) {
    state.loadSettings();
    auto form = std::make_unique<MainWindow>(state, platform);
    form->applyLetterFont();
    // A name that could lead out of the Language folder was not chosen in the language dialog.
    if (!isLanguageFileName(state.settings.LanguageFileName))
        state.settings.LanguageFileName = "Russian.txt";
    form->loadLanguage(state.settings.LanguageFileName);
    QCoreApplication::processEvents();
    form->show();
    const int style = state.settings.ChosenStyle == 1 ? 1 : 0;
    form->findChild<QAction*>(QStringLiteral("styleActions_%1").arg(style))->setChecked(true);
    state.session.showChosenStyle();
    return form;
}
