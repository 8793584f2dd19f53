// The crossword properties dialog: title, author and password.
#include "files/frmAbout.h"

#include "files/PasswordBox.h"
#include "text/CodePage.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <tuple>

frmAbout::frmAbout(AppState& state, platform::Platform&, QWidget* parent, const QString& caption)
    : QDialog(parent), state_(state) {
    setObjectName(QStringLiteral("frmAbout"));
    const Language& lang = state_.language;
    auto labelled = [this, &lang](QLabel*& label, const char* labelName, QLineEdit*& box,
                                  const char* boxName, LangEntry entry) {
        label = new QLabel(cp1251::toUnicode(lang.entry(entry)), this);
        label->setObjectName(QLatin1String(labelName));
        box = new QLineEdit(this);
        box->setObjectName(QLatin1String(boxName));
        label->setBuddy(box);
    };
    labelled(Label1, "Label1", txtNameKross, "txtNameKross", LangEntry::Title);
    labelled(Label2, "Label2", txtNameAutor, "txtNameAutor", LangEntry::Author);
    labelled(Label3, "Label3", txtPW, "txtPW", LangEntry::Password);
    labelled(Label4, "Label4", txtPW2, "txtPW2", LangEntry::ConfirmPassword);
    for (QLineEdit* box : {txtPW, txtPW2})
        maskAsPassword(box);
    kOK = new QPushButton(QStringLiteral("OK"), this);
    kOK->setObjectName(QStringLiteral("kOK"));
    kNO = new QPushButton(cp1251::toUnicode(lang.entry(LangEntry::Cancel)), this);
    kNO->setObjectName(QStringLiteral("kNO"));
    kOK->setDefault(true);
    kOK->setEnabled(false);

    auto* layout = new QVBoxLayout(this);
    for (QWidget* w : std::initializer_list<QWidget*>{Label1, txtNameKross, Label2, txtNameAutor,
                                                      Label3, txtPW, Label4, txtPW2})
        layout->addWidget(w);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(kOK);
    buttons->addWidget(kNO);
    layout->addLayout(buttons);
    setWindowTitle(caption);
    setMinimumWidth(300);

    for (QLineEdit* box : {txtNameKross, txtNameAutor, txtPW, txtPW2})
        connect(box, &QLineEdit::textChanged, this, &frmAbout::updateOk);
    for (QLineEdit* box : {txtNameKross, txtNameAutor})
        box->installEventFilter(this);
    connect(kOK, &QPushButton::clicked, this, &frmAbout::kOK_Click);
    connect(kNO, &QPushButton::clicked, this, &QDialog::reject);

    const CrosswordDocument& doc = state_.doc();
    txtNameAutor->setText(cp1251::toUnicode(doc.CrosswordAuthor));
    txtNameKross->setText(cp1251::toUnicode(doc.CrosswordTitle));
    if (!doc.CrosswordTitle.isEmpty()) {
        const QString password =
            cp1251::toUnicode(UnscrambleText(doc.Scramble, doc.CrosswordPassword));
        txtPW->setText(password);
        txtPW2->setText(password);
    }
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
    // Escape cancels only from the two name boxes (see eventFilter), never from a password box.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmAbout::updateOk() {
    kOK->setEnabled(txtPW2->text() == txtPW->text() && !txtPW->text().isEmpty() &&
                    !txtNameAutor->text().isEmpty() && !txtNameKross->text().isEmpty());
}

void frmAbout::kOK_Click() {
    if (!kOK->isEnabled())
        return;
    state_.session.setProperties(cp1251::fromUnicode(txtNameKross->text()),
                                 cp1251::fromUnicode(txtNameAutor->text()),
                                 cp1251::fromUnicode(txtPW2->text()));
    accept();
}
