#pragma once

#include "app/AppState.h"

#include <QDialog>

class QCheckBox;
class QPushButton;
class QRadioButton;

// What is put out: the printed pages (printer, PDF) or the grid picture (SVG).
enum class PrintOutput { Pages, GridPicture };

// What a print or an export puts out, asked before the print preview or the Save dialog: for
// the pages (printer, PDF) whether the answers follow on a page of their own, remembered in the
// settings on OK; for the grid picture (SVG) the empty grid or the filled one.
class PrintOptionsDialog : public QDialog {
    Q_OBJECT
public:
    PrintOptionsDialog(AppState& state, QWidget* parent, PrintOutput output, const QString& title);

    // Only the controls of the output are made; the others stay null.
    QCheckBox* answersCheck = nullptr;
    QRadioButton* emptyGridOption = nullptr;
    QRadioButton* filledGridOption = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

    bool answersPage() const;
    bool filledGrid() const;

private:
    void confirm();

    AppState& state_;
};
