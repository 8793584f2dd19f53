// The Help menu: the help document of the loaded language and the program information window.
#include "app/AboutDialog.h"
#include "app/MainWindow.h"
#include "text/CodePage.h"
#include "words/OpenDocument.h"

void MainWindow::showHelp() {
    setCursor(Qt::WaitCursor);
    // HelpFile names the document inside the program folder; language files may write "\".
    QString name = cp1251::toUnicode(state().language.entry(LangEntry::HelpFile));
    name.replace(u'\\', u'/');
    OpenDocument(platform_, state_.ProgramFolder, state_.ProgramFolder + name);
    unsetCursor();
}

void MainWindow::showAbout() {
    AboutDialog dialog(state_, platform_, this);
    platform_.runDialog(dialog);
}
