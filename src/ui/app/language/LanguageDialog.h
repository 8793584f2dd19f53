#pragma once

#include "app/AppState.h"
#include "platform/Platform.h"

#include <QByteArray>
#include <QDialog>
#include <QList>

class QLabel;
class QListWidget;
class QPushButton;

// The language dialog: the languages of every *.txt in the Language folder, by the name each
// file starts with. OK (or a double click) accepts the selected one, which the window then loads.
class LanguageDialog : public QDialog {
    Q_OBJECT
public:
    LanguageDialog(AppState& state, platform::Platform& platform, QWidget* parent);

    QListWidget* languageList = nullptr; // language names
    QListWidget* fileList = nullptr;     // the Language folder's *.txt files, never shown
    QLabel* Label1 = nullptr;
    QLabel* Inform = nullptr; // file name of the selected language
    QPushButton* OK = nullptr;
    QPushButton* NO = nullptr;

    void OK_Click();
    // The file name (Windows-1251) of the language OK accepted; empty when none was selected.
    const QByteArray& chosenFile() const { return chosenFile_; }

private:
    void fillLists();
    void languageChosen();
    int selectedRow() const;

    const AppState& state_;
    QByteArray chosenFile_;
    QList<int> rowFile_; // index into fileList of each row of languageList
};
