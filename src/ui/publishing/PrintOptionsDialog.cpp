// The options asked before printing or exporting the crossword.
#include "publishing/PrintOptionsDialog.h"

#include "app/Named.h"
#include "text/CodePage.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

PrintOptionsDialog::PrintOptionsDialog(AppState& state, QWidget* parent, PrintOutput output,
                                 const QString& title)
    : QDialog(parent), state_(state) {
    setObjectName(QStringLiteral("PrintOptionsDialog"));
    setWindowTitle(title);
    setModal(true);
    auto text = [&state](OwnText which) { return cp1251::toUnicode(state.ownText(which)); };
    auto* layout = new QVBoxLayout(this);
    if (output == PrintOutput::Pages) {
        answersCheck = named(new QCheckBox(text(OwnText::AnswersPage), this), "answersCheck");
        answersCheck->setChecked(state.settings.PrintAnswers);
        layout->addWidget(answersCheck);
    } else {
        emptyGridOption = named(new QRadioButton(text(OwnText::EmptyGrid), this), "emptyGridOption");
        filledGridOption = named(new QRadioButton(text(OwnText::FilledGrid), this), "filledGridOption");
        emptyGridOption->setChecked(true);
        layout->addWidget(emptyGridOption);
        layout->addWidget(filledGridOption);
    }

    okButton = named(new QPushButton(QStringLiteral("OK"), this), "okButton");
    cancelButton = named(new QPushButton(cp1251::toUnicode(state.language.caption(LangEntry::Cancel)), this),
                "cancelButton");
    if (cancelButton->text().isEmpty())
        cancelButton->setText(QStringLiteral("Cancel"));
    okButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setMinimumWidth(300);
    connect(okButton, &QPushButton::clicked, this, &PrintOptionsDialog::confirm);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

bool PrintOptionsDialog::answersPage() const {
    return answersCheck && answersCheck->isChecked();
}

bool PrintOptionsDialog::filledGrid() const {
    return filledGridOption && filledGridOption->isChecked();
}

void PrintOptionsDialog::confirm() {
    // Written with the other settings when the program ends.
    if (answersCheck)
        state_.settings.PrintAnswers = answersCheck->isChecked();
    accept();
}
