#pragma once

#include "app/AppState.h"
#include "platform/Platform.h"

#include <QDialog>
#include <QString>

#include <array>

class PictureBox;
class QLabel;
class QPushButton;

// The program information window. Its texts are fixed and never translated.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kAuthor = "Clueforge developers";
    static constexpr const char* kEmail = "team@clueforge.example";
    static constexpr const char* kSite = "https://clueforge.example/";

    AboutDialog(AppState& state, platform::Platform& platform, QWidget* parent);

    // Label2 has members 0, 1 and 3 to 6; index 2 stays empty.
    std::array<QLabel*, 7> Label2{};
    QLabel* Label1 = nullptr; // the link to the site; its address is Label1Tag
    QString Label1Tag;
    PictureBox* Picture1 = nullptr;
    QLabel* Image1 = nullptr;
    QPushButton* OK = nullptr;

    void Label1_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const AppState& state_;
    platform::Platform& platform_;
};
