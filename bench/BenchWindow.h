#pragma once

#include "app/AppState.h"
#include "app/MainWindow.h"
#include "platform/Platform.h"

#include <QTemporaryDir>

namespace bench {

// The desktop for the window benchmarks: the Save dialog answers savePath, every question
// Yes; a critical message is counted, as it means the measured command failed.
class BenchPlatform : public platform::Platform {
public:
    QString savePath;
    int failures = 0;

    platform::Answer messageBox(QWidget*, const QString&, const QString&, platform::Icon icon,
                                platform::Buttons, platform::Answer) override {
        if (icon == platform::Icon::Critical)
            ++failures;
        return platform::Answer::Yes;
    }
    QString getOpenFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString getSaveFileName(QWidget*, const QString&, const QString&, const QString&,
                            const QString&) override {
        return savePath;
    }
    bool chooseFont(QWidget*, platform::FontChoice&) override { return false; }
    void openDocument(const QString&, const QString&) override {}
    void setLanguage(const QString&) override {}
    // No dialog of the window is wanted here: each is cancelled unseen.
    int runDialog(QDialog&) override { return 0; }
    platform::PrintResult print(QWidget*, const QString&,
                                const std::function<bool(QPagedPaintDevice&)>&) override {
        return platform::PrintResult::Cancelled;
    }
};

// The main window on an empty program folder with the default settings (cell size 20), never
// shown.
struct Window {
    QTemporaryDir folder;
    AppState app{folder.path()};
    BenchPlatform platform;
    MainWindow form{app, platform};
    Window() { form.applyLetterFont(); }
};

} // namespace bench
