#pragma once

#include "platform/Platform.h"

namespace platform {

// The real desktop: Qt's message boxes, file dialogs and font dialog, and QDesktopServices.
class QtPlatform : public Platform {
public:
    Answer messageBox(QWidget* parent, const QString& text, const QString& title, Icon icon,
                      Buttons buttons, Answer defaultButton) override;
    QString getOpenFileName(QWidget* parent, const QString& title, const QString& initialFolder,
                            const QString& filter) override;
    QString getSaveFileName(QWidget* parent, const QString& title, const QString& initialFolder,
                            const QString& defaultName, const QString& filter) override;
    bool chooseFont(QWidget* parent, FontChoice& font) override;
    void openDocument(const QString& target, const QString& workingFolder) override;
};

} // namespace platform
