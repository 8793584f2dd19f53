// The password prompt that turns a crossword being solved back into one being edited.
#include "files/frmChange.h"

#include "app/frmForma.h"
#include "files/PasswordBox.h"
#include "text/CodePage.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmChange::frmChange(frmForma& form) : QDialog(&form), form_(form) {
    setObjectName(QStringLiteral("frmChange"));
    const Language& lang = form_.state().language;
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
    setWindowTitle(form_.KrossChange->text());
    setMinimumWidth(260);

    connect(kOK, &QPushButton::clicked, this, &frmChange::kOK_Click);
    connect(kNO, &QPushButton::clicked, this, &QDialog::reject);
}

void frmChange::kOK_Click() {
    AppState& s = form_.state();
    if (!s.session.unlock(cp1251::fromUnicode(txtPassword->text()))) {
        form_.message(s.language.entry(LangEntry::WrongPassword), platform::Icon::Information);
        return;
    }
    hide();
    form_.drawGrid();
    form_.UpdateControlsForMode();
    if (s.doc().CurrentSlot > 0)
        form_.ShowCurrentSlot();
    form_.ShowModeTexts();
    accept();
}

void frmForma::KrossChange_Click() {
    if (ConfirmDiscardChanges() == 1)
        return;
    frmChange dialog(*this);
    dialog.exec();
}
