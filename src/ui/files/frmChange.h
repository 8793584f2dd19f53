#pragma once

#include <QDialog>

class frmForma;
class QLabel;
class QLineEdit;
class QPushButton;

// The password prompt that turns a crossword being solved back into one being edited.
class frmChange : public QDialog {
    Q_OBJECT
public:
    explicit frmChange(frmForma& form);

    QLabel* Label1 = nullptr;
    QLineEdit* txtPassword = nullptr;
    QPushButton* kOK = nullptr;
    QPushButton* kNO = nullptr;

    void kOK_Click();

private:
    frmForma& form_;
};
