// The author's crossword as one self-contained page to solve in a browser.
#include "app/MainWindow.h"
#include "publishing/Exports.h"

void MainWindow::exportWebPage() {
    if (state_.doc().Mode != EditMode::ModeAuthor)
        return;
    commitTypedClue();
    const QByteArray description = state_.ownText(OwnText::WebPages) + " (*.html)";
    exportFile(description.constData(), "*.html", QStringLiteral(".html"),
               [this](const QString& path) {
                   return writeWebExport(path, state_.doc(), state_.language, state_.settings);
               });
}
