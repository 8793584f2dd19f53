// The "grid ready" button: the drawn grid analysed into slots for the author.
#include "app/MainWindow.h"
#include "text/CodePage.h"
#include "text/Mnemonics.h"
#include "text/SequentialText.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

void MainWindow::finishGrid() {
    if (state_.doc().Mode != EditMode::ModeDrawGrid)
        return;
    const QByteArray question =
        cp1251::fromUnicode(withoutMnemonics(gridReadyButton->text())) + '?';
    if (message(question, platform::Icon::Warning, platform::Buttons::YesNo,
                platform::Answer::Yes) == platform::Answer::Yes)
        acceptDrawnGrid();
}

void MainWindow::acceptDrawnGrid() {
    const Language& lang = state_.language;
    if (!state_.session.gridReady()) {
        message(lang.entry(LangEntry::NoWords), platform::Icon::Critical);
        return;
    }
    const CrosswordDocument& doc = state_.doc();
    wordCountLabel->setText(
        cp1251::toUnicode(lang.entry(LangEntry::Words) + seqtext::strNumber(doc.WordCount)));
    if (doc.NoAnswers == 1) {
        setCaptionBytes(lang.caption(LangEntry::CrosswordMenu) + ": \"" + doc.CrosswordTitle +
                        "\" (" + lang.entry(LangEntry::NoAnswers) + ')');
    } else {
        setCaptionBytes(lang.entry(LangEntry::CaptionStart) + ' ' +
                        lang.entry(LangEntry::EnteringWords));
        clueEdit->setFocus(Qt::OtherFocusReason);
        clueEditLabel->setText(cp1251::toUnicode(lang.entry(LangEntry::Clue)));
    }
}
