#pragma once

#include "app/AppState.h"
#include "platform/Platform.h"

#include <QDialog>
#include <QFont>

#include <array>

class PictureBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The cell size, number size and letter font dialog, with a one-cell preview. Accepted once
// the session took the new cell size; the window then redraws the grid at it.
class CellSizeDialog : public QDialog {
    Q_OBJECT
public:
    // caption: the window title, the command's own; numberStrips: the digits of the three
    // number sizes, which the preview copies; gridPicture: the grid picture, whose letter font a
    // cancel takes back; letterFontStrikethrough: handed to the font dialog and back.
    CellSizeDialog(AppState& state, platform::Platform& platform, QWidget* parent,
                   const QString& caption, const std::array<PictureBox*, 3>& numberStrips,
                   const PictureBox& gridPicture, bool& letterFontStrikethrough);

    QLineEdit* cellSizeEdit = nullptr;
    QComboBox* numberSizeBox = nullptr;
    QPushButton* fontButton = nullptr;
    PictureBox* previewPicture = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;

    // Gives the preview and the export picture the letter font of the settings.
    void applyChosenFont();
    // Draws the preview cell from the size box and the number size.
    void showPreview();
    void askLetterFont();
    void confirm();

signals:
    // The settings' letter font changed: chosen here, or taken back by a cancel.
    void letterFontChanged();

protected:
    void done(int result) override;

private:
    void cellSizeEdited();
    void refuse(const QByteArray& text);

    AppState& state_;
    platform::Platform& platform_;
    std::array<PictureBox*, 3> numberStrips_;
    const PictureBox& grid_;
    bool& strikethrough_;
    bool confirmed_ = false;
    bool strikethroughAtStart_ = false;
    QFont fontAtStart_;
};
