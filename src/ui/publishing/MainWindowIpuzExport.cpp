// The author's crossword as an ipuz file, for other crossword programs.
#include "app/MainWindow.h"
#include "ipuz/IpuzFile.h"

void MainWindow::exportIpuz() {
    if (state_.doc().Mode != EditMode::ModeAuthor)
        return;
    commitTypedClue();
    exportFile("ipuz crossword (*.ipuz)", "*.ipuz", QStringLiteral(".ipuz"),
               [this](const QString& path) { return ipuz::writeIpuzFile(path, state_.doc()); });
}
