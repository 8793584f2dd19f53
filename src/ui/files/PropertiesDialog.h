#pragma once

#include "app/AppState.h"
#include "platform/Platform.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The crossword's properties: title, author and password (typed twice, shown masked).
class frmAbout : public QDialog {
    Q_OBJECT
public:
    // caption: the window title, the Properties command's own.
    frmAbout(AppState& state, platform::Platform& platform, QWidget* parent,
             const QString& caption);

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

    AppState& state_;
};
