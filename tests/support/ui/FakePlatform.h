#pragma once

#include "platform/Platform.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

// A scriptable stand-in for the desktop: records every call and answers from queues.
class FakePlatform : public platform::Platform {
public:
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

    QList<Message> messages;
    QList<FileDialog> fileDialogs;
    QList<platform::FontChoice> fontDialogs; // what each font dialog was preset to
    QList<Opened> opened;
    QStringList languages; // each language the standard dialogs were set to

    platform::Answer messageBox(QWidget* parent, const QString& text, const QString& title,
                                platform::Icon icon, platform::Buttons buttons,
                                platform::Answer defaultButton) override;
    QString getOpenFileName(QWidget* parent, const QString& title, const QString& initialFolder,
                            const QString& filter) override;
    QString getSaveFileName(QWidget* parent, const QString& title, const QString& initialFolder,
                            const QString& defaultName, const QString& filter) override;
    bool chooseFont(QWidget* parent, platform::FontChoice& font) override;
    void openDocument(const QString& target, const QString& workingFolder) override;
    void setLanguage(const QString& locale) override { languages.append(locale); }
};
