#pragma once

#include "platform/Platform.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>

// A scriptable stand-in for the desktop: records every call and answers from queues.
class FakePlatform : public platform::Platform {
public:
    // A scripted dialog never run is a failure too: the test expected the program to ask.
    ~FakePlatform() override;

    struct Message {
        QString text;
        QString title;
        platform::Icon icon;
        platform::Buttons buttons;
        platform::Answer defaultButton;
    };
    struct FileDialog {
        bool save;
        QString title;
        QString initialFolder;
        QString defaultName;
        QString filter;
    };
    struct Opened {
        QString target;
        QString workingFolder;
    };

    // Answers in order; with the queue empty a message box answers its default button.
    std::deque<platform::Answer> answers;
    // Paths the file dialogs return in order; "" is a cancel; empty queue answers "".
    std::deque<QString> paths;
    // Fonts the font dialog returns; nullopt is a cancel; empty queue cancels.
    std::deque<std::optional<platform::FontChoice>> fonts;

    // Where the print preview prints, in order: a PDF file of that path, painted on a printer
    // set up as the real one starts (defaultPrintLayout); "" is a cancel; an empty queue
    // cancels.
    std::deque<QString> printTo;

    // What the program's modal dialogs do, in order: each handler runs on the dialog, shown
    // but without an event loop, and returns what the dialog's exec() would. A dialog with no
    // handler left fails the test and answers Rejected.
    std::deque<std::function<int(QDialog&)>> dialogs;

    // Scripts the next dialog, which must be a D; `act` fills it in and closes it, as the user
    // would. The dialog answers its result.
    template <typename D> void onDialog(std::function<void(D&)> act) {
        dialogs.push_back([act = std::move(act)](QDialog& dialog) {
            auto* typed = qobject_cast<D*>(&dialog);
            if (!typed) {
                ADD_FAILURE() << "expected " << D::staticMetaObject.className() << ", got "
                              << dialog.metaObject()->className();
                dialog.reject();
                return int(QDialog::Rejected);
            }
            act(*typed);
            if (dialog.isVisible()) {
                ADD_FAILURE() << D::staticMetaObject.className() << " was left open";
                dialog.reject();
            }
            return dialog.result();
        });
    }

    QList<Message> messages;
    QList<FileDialog> fileDialogs;
    QList<platform::FontChoice> fontDialogs; // what each font dialog was preset to
    QList<Opened> opened;
    QStringList languages;  // each language the standard dialogs were set to
    QStringList ranDialogs; // the object name of each dialog run, in order
    QStringList printed;    // the document name of each print call

    platform::Answer messageBox(QWidget* parent, const QString& text, const QString& title,
                                platform::Icon icon, platform::Buttons buttons,
                                platform::Answer defaultButton) override;
    QString getOpenFileName(QWidget* parent, const QString& title, const QString& initialFolder,
                            const QString& filter) override;
    QString getSaveFileName(QWidget* parent, const QString& title, const QString& initialFolder,
                            const QString& defaultName, const QString& filter) override;
    bool chooseFont(QWidget* parent, platform::FontChoice& font) override;
    int runDialog(QDialog& dialog) override;
    platform::PrintResult print(QWidget* parent, const QString& documentName,
                                const std::function<bool(QPagedPaintDevice&)>& paint) override;
    void openDocument(const QString& target, const QString& workingFolder) override;
    void setLanguage(const QString& locale) override { languages.append(locale); }
};
