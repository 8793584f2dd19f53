#pragma once

#include "app/AppState.h"
#include "platform/Platform.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The crossword's properties: title, author and password (typed twice, shown masked).
class PropertiesDialog : public QDialog {
    Q_OBJECT
public:
    // caption: the window title, the Properties command's own.
    PropertiesDialog(AppState& state, platform::Platform& platform, QWidget* parent,
                     const QString& caption);

    QLabel* Label1 = nullptr;
    QLineEdit* titleEdit = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* authorEdit = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* passwordEdit = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* passwordRepeatEdit = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

    void confirm();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void updateOk();

    AppState& state_;
};
