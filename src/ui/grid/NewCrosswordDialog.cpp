// The new-crossword dialog: title, columns, rows and "without answers".
#include "grid/frmRazmer.h"

#include "app/Named.h"
#include "grid/GridLimits.h"
#include "platform/Message.h"
#include "text/CodePage.h"
#include "text/SequentialText.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

double numericValueOf(const QLineEdit* box) {
    return seqtext::numericValue(cp1251::fromUnicode(box->text()));
}

} // namespace

frmRazmer::frmRazmer(AppState& state, platform::Platform& platform, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform) {
    setObjectName(QStringLiteral("frmRazmer"));
    txtNameKross = named(new QLineEdit(this), "txtNameKross");
    txtX = named(new QLineEdit(this), "txtX");
    txtY = named(new QLineEdit(this), "txtY");
    chNoOtvet = named(new QCheckBox(this), "chNoOtvet");
    kOK = named(new QPushButton(QStringLiteral("OK"), this), "kOK");
    kNO = named(new QPushButton(this), "kNO");
    Label1 = named(new QLabel(this), "Label1");
    Label2 = named(new QLabel(this), "Label2");
    Label3 = named(new QLabel(this), "Label3");
    Label4 = named(new QLabel(this), "Label4");
    Label4->setBuddy(txtNameKross);
    Label2->setBuddy(txtX);
    Label3->setBuddy(txtY);
    for (QLabel* l : {Label1, Label2, Label3, Label4})
        l->setWordWrap(true);

    auto* grid = new QGridLayout(this);
    // Label1 explains the dialog; Label4 names the title box below it.
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(Label4, 1, 0, 1, 2);
    grid->addWidget(txtNameKross, 2, 0, 1, 2);
    grid->addWidget(Label2, 3, 0);
    grid->addWidget(txtX, 3, 1);
    grid->addWidget(Label3, 4, 0);
    grid->addWidget(txtY, 4, 1);
    grid->addWidget(chNoOtvet, 5, 0, 1, 2);
    grid->addWidget(kOK, 6, 0);
    grid->addWidget(kNO, 6, 1);

    const Language& lang = state_.language;
    auto text = [&lang](LangEntry e) { return cp1251::toUnicode(lang.entry(e)); };
    setWindowTitle(text(LangEntry::NewCrosswordTitle));
    Label1->setText(text(LangEntry::NewCrosswordPrompt));
    Label2->setText(text(LangEntry::Columns));
    Label3->setText(text(LangEntry::Rows));
    Label4->setText(text(LangEntry::Title));
    chNoOtvet->setText(text(LangEntry::NoAnswers));
    kNO->setText(text(LangEntry::Cancel));
    kOK->setDefault(true);
    kOK->setEnabled(false);

    for (QLineEdit* box : {txtX, txtY})
        box->installEventFilter(this);
    for (QLineEdit* box : {txtNameKross, txtX, txtY})
        connect(box, &QLineEdit::textChanged, this, &frmRazmer::updateOk);
    connect(kOK, &QPushButton::clicked, this, &frmRazmer::kOK_Click);
    connect(kNO, &QPushButton::clicked, this, &QDialog::reject);
}

bool frmRazmer::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box && (box == txtX || box == txtY)) {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Escape) {
                reject();
                return true;
            }
            const QString text = key->text();
            // Typed characters other than digits are dropped; Backspace, Tab and Enter keep
            // their work.
            if (!text.isEmpty()) {
                const char16_t c = text.at(0).unicode();
                const bool control = c < 32 || c == 127;
                if (!control && !(c >= u'0' && c <= u'9'))
                    return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmRazmer::updateOk() {
    kOK->setEnabled(numericValueOf(txtX) > 0 && numericValueOf(txtY) > 0 &&
                    !txtNameKross->text().isEmpty());
}

void frmRazmer::kOK_Click() {
    const auto w = seqtext::toInt32(numericValueOf(txtX));
    const auto h = seqtext::toInt32(numericValueOf(txtY));
    AppState& s = state_;
    auto refuse = [&](OwnText text) {
        platform::message(platform_, this, s.MessageTitle, s.ownText(text),
                          platform::Icon::Critical);
    };
    if (!w || !h || !gridlimits::gridSizeAllowed(*w, *h)) {
        refuse(OwnText::GridTooLarge);
        return;
    }
    if (!gridlimits::pictureFits(*w, *h, s.settings.CellSize)) {
        refuse(OwnText::PictureTooLarge);
        return;
    }
    s.session.newGrid(*w, *h, cp1251::fromUnicode(txtNameKross->text()),
                      chNoOtvet->isChecked() ? 1 : 0);
    accept();
}
