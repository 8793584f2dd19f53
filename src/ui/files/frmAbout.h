#pragma once

#include <QDialog>

class frmForma;
class QLabel;
class QLineEdit;
class QPushButton;

// The crossword's properties: title, author and password (typed twice, shown masked).
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(frmForma& form);

    QLabel* Label1 = nullptr;
    QLineEdit* txtNameKross = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* txtNameAutor = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtPW = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txtPW2 = nullptr;
    QPushButton* kOK = nullptr;
    QPushButton* kNO = nullptr;

    void kOK_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void updateOk();

    frmForma& form_;
};
