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
class NewCrosswordDialog : public QDialog {
    Q_OBJECT
public:
    NewCrosswordDialog(AppState& state, platform::Platform& platform, QWidget* parent);

    QLineEdit* titleEdit = nullptr;
    QLineEdit* widthEdit = nullptr;
    QLineEdit* heightEdit = nullptr;
    QCheckBox* withoutAnswersCheck = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;

    void confirm();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateOk();

    AppState& state_;
    platform::Platform& platform_;
};
