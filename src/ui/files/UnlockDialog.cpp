// The password prompt that turns a crossword being solved back into one being edited.
#include "files/frmChange.h"

#include "files/PasswordBox.h"
#include "platform/Message.h"
#include "text/CodePage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmChange::frmChange(AppState& state, platform::Platform& platform, QWidget* parent,
                     const QString& caption)
    : QDialog(parent), state_(state), platform_(platform) {
    setObjectName(QStringLiteral("frmChange"));
    const Language& lang = state_.language;
    Label1 = new QLabel(cp1251::toUnicode(lang.entry(LangEntry::Password)), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    maskAsPassword(txtPassword);
    Label1->setBuddy(txtPassword);
    kOK = new QPushButton(QStringLiteral("OK"), this);
    kOK->setObjectName(QStringLiteral("kOK"));
    kOK->setDefault(true);
    kNO = new QPushButton(cp1251::toUnicode(lang.entry(LangEntry::Cancel)), this);
    kNO->setObjectName(QStringLiteral("kNO"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(txtPassword);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(kOK);
    buttons->addWidget(kNO);
    layout->addLayout(buttons);
    setWindowTitle(caption);
    setMinimumWidth(260);

    connect(kOK, &QPushButton::clicked, this, &frmChange::kOK_Click);
    connect(kNO, &QPushButton::clicked, this, &QDialog::reject);
}

void frmChange::kOK_Click() {
    if (!state_.session.unlock(cp1251::fromUnicode(txtPassword->text()))) {
        platform::message(platform_, this, state_.MessageTitle,
                          state_.language.entry(LangEntry::WrongPassword),
                          platform::Icon::Information);
        return;
    }
    accept();
}
