#pragma once

#include <QByteArray>
#include <QDialog>
#include <QList>

class frmForma;
class QLabel;
class QListWidget;
class QPushButton;

// The language dialog: the languages of every *.txt in the Language folder, by the name each
// file starts with. OK (or a double click) loads the selected one.
class frmLang : public QDialog {
    Q_OBJECT
public:
    explicit frmLang(frmForma& form);

    QListWidget* DirT = nullptr; // language names
    QListWidget* File = nullptr; // the Language folder's *.txt files, never shown
    QLabel* Label1 = nullptr;
    QLabel* Inform = nullptr; // file name of the selected language
    QPushButton* OK = nullptr;
    QPushButton* NO = nullptr;

    void OK_Click();

private:
    void fillLists();
    void DirT_Click();
    int selectedRow() const;

    frmForma& form_;
    QList<int> rowFile_; // index into File of each row of DirT
};
