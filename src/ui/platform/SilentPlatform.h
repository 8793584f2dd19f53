#pragma once

#include "platform/Platform.h"

#include <optional>

namespace platform {

// A desktop that shows nothing: benchmarks and fuzz targets run the window on it. Every
// question gets `answer` (else its default button), a Save dialog `savePath` ("" cancels it),
// the other dialogs are cancelled unseen, and the critical messages are counted: each means
// that what ran failed.
class SilentPlatform : public Platform {
public:
    std::optional<Answer> answer;
    QString savePath;
    int failures = 0;

    Answer messageBox(QWidget*, const QString&, const QString&, Icon icon, Buttons,
                      Answer defaultButton) override {
        if (icon == Icon::Critical)
            ++failures;
        return answer.value_or(defaultButton);
    }
    QString getOpenFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString getSaveFileName(QWidget*, const QString&, const QString&, const QString&,
                            const QString&) override {
        return savePath;
    }
    bool chooseFont(QWidget*, FontChoice&) override { return false; }
    void openDocument(const QString&, const QString&) override {}
    void setLanguage(const QString&) override {}
    int runDialog(QDialog&) override { return 0; }
    PrintResult print(QWidget*, const QString&,
                      const std::function<bool(QPagedPaintDevice&)>&) override {
        return PrintResult::Cancelled;
    }
};

} // namespace platform
