#pragma once

#include "app/AppState.h"
#include "platform/Platform.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The new-crossword dialog: title, columns, rows and "without answers". Accepted once the
// session started the new grid; the window then shows it for drawing.
class frmRazmer : public QDialog {
    Q_OBJECT
public:
    frmRazmer(AppState& state, platform::Platform& platform, QWidget* parent);

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

    AppState& state_;
    platform::Platform& platform_;
};
