// The new-crossword dialog: title, columns, rows and "without answers".
#include "grid/NewCrosswordDialog.h"

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

NewCrosswordDialog::NewCrosswordDialog(AppState& state, platform::Platform& platform,
                                       QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform) {
    setObjectName(QStringLiteral("NewCrosswordDialog"));
    titleEdit = named(new QLineEdit(this), "titleEdit");
    widthEdit = named(new QLineEdit(this), "widthEdit");
    heightEdit = named(new QLineEdit(this), "heightEdit");
    withoutAnswersCheck = named(new QCheckBox(this), "withoutAnswersCheck");
    okButton = named(new QPushButton(QStringLiteral("OK"), this), "okButton");
    cancelButton = named(new QPushButton(this), "cancelButton");
    Label1 = named(new QLabel(this), "Label1");
    Label2 = named(new QLabel(this), "Label2");
    Label3 = named(new QLabel(this), "Label3");
    Label4 = named(new QLabel(this), "Label4");
    Label4->setBuddy(titleEdit);
    Label2->setBuddy(widthEdit);
    Label3->setBuddy(heightEdit);
    for (QLabel* l : {Label1, Label2, Label3, Label4})
        l->setWordWrap(true);

    auto* grid = new QGridLayout(this);
    // Label1 explains the dialog; Label4 names the title box below it.
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(Label4, 1, 0, 1, 2);
    grid->addWidget(titleEdit, 2, 0, 1, 2);
    grid->addWidget(Label2, 3, 0);
    grid->addWidget(widthEdit, 3, 1);
    grid->addWidget(Label3, 4, 0);
    grid->addWidget(heightEdit, 4, 1);
    grid->addWidget(withoutAnswersCheck, 5, 0, 1, 2);
    grid->addWidget(okButton, 6, 0);
    grid->addWidget(cancelButton, 6, 1);

    const Language& lang = state_.language;
    auto text = [&lang](LangEntry e) { return cp1251::toUnicode(lang.entry(e)); };
    setWindowTitle(text(LangEntry::NewCrosswordTitle));
    Label1->setText(text(LangEntry::NewCrosswordPrompt));
    Label2->setText(text(LangEntry::Columns));
    Label3->setText(text(LangEntry::Rows));
    Label4->setText(text(LangEntry::Title));
    withoutAnswersCheck->setText(text(LangEntry::NoAnswers));
    cancelButton->setText(text(LangEntry::Cancel));
    okButton->setDefault(true);
    okButton->setEnabled(false);

    for (QLineEdit* box : {widthEdit, heightEdit})
        box->installEventFilter(this);
    for (QLineEdit* box : {titleEdit, widthEdit, heightEdit})
        connect(box, &QLineEdit::textChanged, this, &NewCrosswordDialog::updateOk);
    connect(okButton, &QPushButton::clicked, this, &NewCrosswordDialog::confirm);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

bool NewCrosswordDialog::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box && (box == widthEdit || box == heightEdit)) {
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

void NewCrosswordDialog::updateOk() {
    okButton->setEnabled(numericValueOf(widthEdit) > 0 && numericValueOf(heightEdit) > 0 &&
                         !titleEdit->text().isEmpty());
}

void NewCrosswordDialog::confirm() {
    const auto w = seqtext::toInt32(numericValueOf(widthEdit));
    const auto h = seqtext::toInt32(numericValueOf(heightEdit));
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
    s.session.newGrid(*w, *h, cp1251::fromUnicode(titleEdit->text()),
                      withoutAnswersCheck->isChecked() ? 1 : 0);
    accept();
}
