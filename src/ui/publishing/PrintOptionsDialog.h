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
class frmPrintOptions : public QDialog {
    Q_OBJECT
public:
    frmPrintOptions(AppState& state, QWidget* parent, PrintOutput output, const QString& title);

    // Only the controls of the output are made; the others stay null.
    QCheckBox* chAnswers = nullptr;
    QRadioButton* optEmpty = nullptr;
    QRadioButton* optFilled = nullptr;
    QPushButton* kOK = nullptr;
    QPushButton* kNO = nullptr;

    bool answersPage() const;
    bool filledGrid() const;

private:
    void kOK_Click();

    AppState& state_;
};
