#pragma once

#include "app/AppState.h"
#include "platform/Platform.h"

#include <QDialog>

#include <array>

class PictureBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The cell size, number size and letter font dialog, with a one-cell preview. Accepted once
// the session took the new cell size; the window then redraws the grid at it.
class frmRazKletok : public QDialog {
    Q_OBJECT
public:
    // caption: the window title, the command's own; numberStrips: the digits of the three
    // number sizes, which the preview copies; gridPicture: the grid picture, whose letter font a
    // cancel takes back; letterFontStrikethrough: handed to the font dialog and back.
    frmRazKletok(AppState& state, platform::Platform& platform, QWidget* parent,
                 const QString& caption, const std::array<PictureBox*, 3>& numberStrips,
                 const PictureBox& gridPicture, bool& letterFontStrikethrough);

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

signals:
    // The settings' letter font changed: chosen here, or taken back by a cancel.
    void letterFontChanged();

protected:
    void done(int result) override;

private:
    void txtSzKletok_Change();
    void refuse(const QByteArray& text);

    AppState& state_;
    platform::Platform& platform_;
    std::array<PictureBox*, 3> numberStrips_;
    const PictureBox& grid_;
    bool& strikethrough_;
    bool confirmed_ = false;
    bool strikethroughAtStart_ = false;
};
