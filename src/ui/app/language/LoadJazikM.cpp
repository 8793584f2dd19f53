// A language in the main window: captions of menus and panel, mode texts, the Language command.
#include "app/language/LoadJazikM.h"
#include "app/WrapCheckBox.h"
#include "app/frmForma.h"
#include "app/language/frmLang.h"
#include "text/CodePage.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {

void setCaption(QObject* target, const QString& text) {
    if (auto* menu = qobject_cast<QMenu*>(target))
        menu->setTitle(text);
    else if (auto* action = qobject_cast<QAction*>(target))
        action->setText(text);
    else if (auto* check = qobject_cast<WrapCheckBox*>(target))
        check->setCaption(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(target))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(target))
        label->setText(text);
}

} // namespace

void frmForma::applyCaption(int entry, const QByteArray& text) {
    // The controls captioned straight from an entry; the other entries are read where used.
    const std::pair<int, QObject*> targets[] = {
        {3, File},
        {4, FileOpenOtvet},
        {5, FileSave},
        {6, FileSaveAs},
        {7, FileExit},
        {8, Kross},
        {9, KrossNew},
        {10, KrossOpen},
        {11, KrossChange},
        {12, kReshotkaGotova},
        {13, KrossAbout},
        {14, KrossFoundWord},
        {15, KrossDelOtwet},
        {16, KrossCopyWord},
        {17, Options},
        {18, OptionsRazmerKF},
        {19, OptionsStyle[0]},
        {20, OptionsStyle[1]},
        {21, Help},
        {22, HelpCallHelp},
        {24, HelpAbout},
        {53, lblOtvet},
        {65, lblStatistika},
        {66, ChSimmetrija},
        {67, lblGorizont},
        {68, lblVertikal},
        {69, lblKoordinaty},
        {73, kClearPole},
    };
    for (const auto& [n, target] : targets)
        if (n == entry)
            setCaption(target, cp1251::toUnicode(text));
}

void frmForma::applyBuiltInCaptions() {
    for (int n = 1; n <= Language::kLastEntry; ++n)
        if (const QByteArray caption = builtInCaption(n); !caption.isEmpty())
            applyCaption(n, caption);
    OptionsLanguage->setText(QStringLiteral("Language"));
}

void frmForma::LoadJazik(const QByteArray& fileName) {
    const LanguageOpenError error = loadLanguageFile(state_, fileName);
    if (error != LanguageOpenError::None) {
        const QString path = QDir::toNativeSeparators(languageFilePath(state_, fileName));
        message(fileFailureText(state_.language, cp1251::fromUnicode(path), failureEntry(error)),
                platform::Icon::Critical);
        return;
    }
    const Language& lang = state_.language;
    platform_.setLanguage(cp1251::toUnicode(lang.ownText(OwnText::QtLocale)).trimmed());
    OptionsLanguage->setText(QStringLiteral("Language: ") + cp1251::toUnicode(lang.name));
    for (int n = 1; n <= Language::kLastEntry; ++n)
        applyCaption(n, lang.entry(n));
    ShowModeTexts();
}

void frmForma::ShowModeTexts() {
    const ModeTexts t = modeTexts(state_);
    if (t.caption)
        setCaptionBytes(*t.caption);
    if (t.lblSlov)
        lblSlov->setText(cp1251::toUnicode(*t.lblSlov));
    if (t.lblVoprosOtvet)
        lblVoprosOtvet->setText(cp1251::toUnicode(*t.lblVoprosOtvet));
}

void frmForma::OptionsLanguage_Click() {
    frmLang dialog(*this);
    dialog.exec();
}
