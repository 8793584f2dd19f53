#pragma once

#include <QDialog>

class frmForma;
class PictureBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The cell size, number size and letter font dialog, with a one-cell preview.
class frmRazKletok : public QDialog {
    Q_OBJECT
public:
    explicit frmRazKletok(frmForma& form);

    QLineEdit* txtSzKletok = nullptr;
    QComboBox* SzNomer = nullptr;
    QPushButton* kFont = nullptr;
    PictureBox* picKletka = nullptr;
    QPushButton* kOK = nullptr;
    QPushButton* kNO = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;

    // Gives the preview and the export picture the letter font of the settings.
    void NewFontK();
    // Draws the preview cell from the size box and the number size.
    void ShowKletka();
    void kFont_Click();
    void kOK_Click();

protected:
    void done(int result) override;

private:
    void txtSzKletok_Change();
    void refuse(const QByteArray& text);

    frmForma& form_;
    bool confirmed_ = false;
    bool strikethroughAtStart_ = false;
};
