#pragma once

#include "platform/Platform.h"

#include <QTranslator>

#include <memory>

namespace platform {

// The real desktop: Qt's message boxes, file and font dialogs, the print preview and
// QDesktopServices.
class QtPlatform : public Platform {
public:
    Answer messageBox(QWidget* parent, const QString& text, const QString& title, Icon icon,
                      Buttons buttons, Answer defaultButton) override;
    QString getOpenFileName(QWidget* parent, const QString& title, const QString& initialFolder,
                            const QString& filter) override;
    QString getSaveFileName(QWidget* parent, const QString& title, const QString& initialFolder,
                            const QString& defaultName, const QString& filter) override;
    bool chooseFont(QWidget* parent, FontChoice& font) override;
    int runDialog(QDialog& dialog) override;
    PrintResult print(QWidget* parent, const QString& documentName,
                      const std::function<bool(QPagedPaintDevice&)>& paint) override;
    void openDocument(const QString& target, const QString& workingFolder) override;
    // Installs Qt's own translation (qtbase_<locale>.qm from Qt's translations folder).
    void setLanguage(const QString& locale) override;

private:
    std::unique_ptr<QTranslator> translator_; // removes itself from the application when gone
};

} // namespace platform
