// The password prompt that turns a crossword being solved back into one being edited.
#include "files/UnlockDialog.h"

#include "files/PasswordBox.h"
#include "platform/Message.h"
#include "text/CodePage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

UnlockDialog::UnlockDialog(AppState& state, platform::Platform& platform, QWidget* parent,
                     const QString& caption)
    : QDialog(parent), state_(state), platform_(platform) {
    setObjectName(QStringLiteral("UnlockDialog"));
    const Language& lang = state_.language;
    Label1 = new QLabel(cp1251::toUnicode(lang.entry(LangEntry::Password)), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    passwordEdit = new QLineEdit(this);
    passwordEdit->setObjectName(QStringLiteral("passwordEdit"));
    maskAsPassword(passwordEdit);
    Label1->setBuddy(passwordEdit);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    cancelButton = new QPushButton(cp1251::toUnicode(lang.entry(LangEntry::Cancel)), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(passwordEdit);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);
    setWindowTitle(caption);
    setMinimumWidth(260);

    connect(okButton, &QPushButton::clicked, this, &UnlockDialog::confirm);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void UnlockDialog::confirm() {
    if (!state_.session.unlock(cp1251::fromUnicode(passwordEdit->text()))) {
        platform::message(platform_, this, state_.MessageTitle,
                          state_.language.entry(LangEntry::WrongPassword),
                          platform::Icon::Information);
        return;
    }
    accept();
}
