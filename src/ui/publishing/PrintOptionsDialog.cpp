// The options asked before printing or exporting the crossword.
#include "export/frmPrintOptions.h"

#include "app/Named.h"
#include "text/CodePage.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmPrintOptions::frmPrintOptions(AppState& state, QWidget* parent, PrintOutput output,
                                 const QString& title)
    : QDialog(parent), state_(state) {
    setObjectName(QStringLiteral("frmPrintOptions"));
    setWindowTitle(title);
    setModal(true);
    auto text = [&state](OwnText which) { return cp1251::toUnicode(state.ownText(which)); };
    auto* layout = new QVBoxLayout(this);
    if (output == PrintOutput::Pages) {
        chAnswers = named(new QCheckBox(text(OwnText::AnswersPage), this), "chAnswers");
        chAnswers->setChecked(state.settings.PrintAnswers);
        layout->addWidget(chAnswers);
    } else {
        optEmpty = named(new QRadioButton(text(OwnText::EmptyGrid), this), "optEmpty");
        optFilled = named(new QRadioButton(text(OwnText::FilledGrid), this), "optFilled");
        optEmpty->setChecked(true);
        layout->addWidget(optEmpty);
        layout->addWidget(optFilled);
    }

    kOK = named(new QPushButton(QStringLiteral("OK"), this), "kOK");
    kNO = named(new QPushButton(cp1251::toUnicode(state.language.caption(LangEntry::Cancel)), this),
                "kNO");
    if (kNO->text().isEmpty())
        kNO->setText(QStringLiteral("Cancel"));
    kOK->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(kOK);
    buttons->addWidget(kNO);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setMinimumWidth(300);
    connect(kOK, &QPushButton::clicked, this, &frmPrintOptions::kOK_Click);
    connect(kNO, &QPushButton::clicked, this, &QDialog::reject);
}

bool frmPrintOptions::answersPage() const {
    return chAnswers && chAnswers->isChecked();
}

bool frmPrintOptions::filledGrid() const {
    return optFilled && optFilled->isChecked();
}

void frmPrintOptions::kOK_Click() {
    // Written with the other settings when the program ends.
    if (chAnswers)
        state_.settings.PrintAnswers = chAnswers->isChecked();
    accept();
}
