#pragma once

#include <QDialog>

class frmForma;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The new-crossword dialog: title, columns, rows and "without answers".
class frmRazmer : public QDialog {
    Q_OBJECT
public:
    explicit frmRazmer(frmForma& form);

    QLineEdit* txtNameKross = nullptr;
    QLineEdit* txtX = nullptr;
    QLineEdit* txtY = nullptr;
    QCheckBox* chNoOtvet = nullptr;
    QPushButton* kOK = nullptr;
    QPushButton* kNO = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;

    void kOK_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateOk();

    frmForma& form_;
};
