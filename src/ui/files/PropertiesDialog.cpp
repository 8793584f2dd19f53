// The crossword properties dialog: title, author and password.
#include "files/PropertiesDialog.h"

#include "files/PasswordBox.h"
#include "text/CodePage.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <tuple>

PropertiesDialog::PropertiesDialog(AppState& state, platform::Platform&, QWidget* parent, const QString& caption)
    : QDialog(parent), state_(state) {
    setObjectName(QStringLiteral("PropertiesDialog"));
    const Language& lang = state_.language;
    auto labelled = [this, &lang](QLabel*& label, const char* labelName, QLineEdit*& box,
                                  const char* boxName, LangEntry entry) {
        label = new QLabel(cp1251::toUnicode(lang.entry(entry)), this);
        label->setObjectName(QLatin1String(labelName));
        box = new QLineEdit(this);
        box->setObjectName(QLatin1String(boxName));
        label->setBuddy(box);
    };
    labelled(Label1, "Label1", titleEdit, "titleEdit", LangEntry::Title);
    labelled(Label2, "Label2", authorEdit, "authorEdit", LangEntry::Author);
    labelled(Label3, "Label3", passwordEdit, "passwordEdit", LangEntry::Password);
    labelled(Label4, "Label4", passwordRepeatEdit, "passwordRepeatEdit", LangEntry::ConfirmPassword);
    for (QLineEdit* box : {passwordEdit, passwordRepeatEdit})
        maskAsPassword(box);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    cancelButton = new QPushButton(cp1251::toUnicode(lang.entry(LangEntry::Cancel)), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    okButton->setDefault(true);
    okButton->setEnabled(false);

    auto* layout = new QVBoxLayout(this);
    for (QWidget* w : std::initializer_list<QWidget*>{Label1, titleEdit, Label2, authorEdit,
                                                      Label3, passwordEdit, Label4, passwordRepeatEdit})
        layout->addWidget(w);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);
    setWindowTitle(caption);
    setMinimumWidth(300);

    for (QLineEdit* box : {titleEdit, authorEdit, passwordEdit, passwordRepeatEdit})
        connect(box, &QLineEdit::textChanged, this, &PropertiesDialog::updateOk);
    for (QLineEdit* box : {titleEdit, authorEdit})
        box->installEventFilter(this);
    connect(okButton, &QPushButton::clicked, this, &PropertiesDialog::confirm);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    const CrosswordDocument& doc = state_.doc();
    authorEdit->setText(cp1251::toUnicode(doc.CrosswordAuthor));
    titleEdit->setText(cp1251::toUnicode(doc.CrosswordTitle));
    if (!doc.CrosswordTitle.isEmpty()) {
        const QString password =
            cp1251::toUnicode(UnscrambleText(doc.Scramble, doc.CrosswordPassword));
        passwordEdit->setText(password);
        passwordRepeatEdit->setText(password);
    }
}

bool PropertiesDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void PropertiesDialog::keyPressEvent(QKeyEvent* event) {
    // Escape cancels only from the two name boxes (see eventFilter), never from a password box.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void PropertiesDialog::updateOk() {
    okButton->setEnabled(passwordRepeatEdit->text() == passwordEdit->text() && !passwordEdit->text().isEmpty() &&
                    !authorEdit->text().isEmpty() && !titleEdit->text().isEmpty());
}

void PropertiesDialog::confirm() {
    if (!okButton->isEnabled())
        return;
    state_.session.setProperties(cp1251::fromUnicode(titleEdit->text()),
                                 cp1251::fromUnicode(authorEdit->text()),
                                 cp1251::fromUnicode(passwordRepeatEdit->text()));
    accept();
}
