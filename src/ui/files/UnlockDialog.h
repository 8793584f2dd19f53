#pragma once

#include "app/AppState.h"
#include "platform/Platform.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The password prompt that turns a crossword being solved back into one being edited. It is
// accepted once the session took the password; the window then shows the crossword for editing.
class UnlockDialog : public QDialog {
    Q_OBJECT
public:
    // caption: the window title, the Change command's own.
    UnlockDialog(AppState& state, platform::Platform& platform, QWidget* parent,
                 const QString& caption);

    QLabel* Label1 = nullptr;
    QLineEdit* passwordEdit = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

    void confirm();

private:
    AppState& state_;
    platform::Platform& platform_;
};
