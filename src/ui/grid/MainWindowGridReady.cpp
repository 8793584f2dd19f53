// The "grid ready" button: the drawn grid analysed into slots for the author.
#include "app/frmForma.h"
#include "text/CodePage.h"
#include "text/Mnemonics.h"
#include "text/SequentialText.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

void frmForma::kReshotkaGotova_Click() {
    if (state_.doc().Mode != EditMode::ModeDrawGrid)
        return;
    const QByteArray question =
        cp1251::fromUnicode(withoutMnemonics(kReshotkaGotova->text())) + '?';
    if (message(question, platform::Icon::Warning, platform::Buttons::YesNo,
                platform::Answer::Yes) == platform::Answer::Yes)
        acceptDrawnGrid();
}

void frmForma::acceptDrawnGrid() {
    const Language& lang = state_.language;
    if (!state_.session.gridReady()) {
        message(lang.entry(LangEntry::NoWords), platform::Icon::Critical);
        return;
    }
    const CrosswordDocument& doc = state_.doc();
    drawGrid();
    lblSlov->setText(
        cp1251::toUnicode(lang.entry(LangEntry::Words) + seqtext::strNumber(doc.WordCount)));
    if (doc.NoAnswers == 1) {
        setCaptionBytes(lang.caption(LangEntry::CrosswordMenu) + ": \"" + doc.CrosswordTitle +
                        "\" (" + lang.entry(LangEntry::NoAnswers) + ')');
    } else {
        setCaptionBytes(lang.entry(LangEntry::CaptionStart) + ' ' +
                        lang.entry(LangEntry::EnteringWords));
        txtVoprosOtvet->setFocus(Qt::OtherFocusReason);
        lblVoprosOtvet->setText(cp1251::toUnicode(lang.entry(LangEntry::Clue)));
        if (doc.CurrentSlot > 0)
            ShowCurrentSlot();
    }
}
