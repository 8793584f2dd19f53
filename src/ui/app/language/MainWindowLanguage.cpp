// A language in the main window: captions of menus and panel, mode texts, the Language command.
#include "app/language/LoadJazikM.h"
#include "app/WrapCheckBox.h"
#include "app/frmForma.h"
#include "app/language/frmLang.h"
#include "text/CodePage.h"
#include "text/Mnemonics.h"
#include "words/frmFindWord.h"

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
    const std::pair<LangEntry, QObject*> targets[] = {
        {LangEntry::FileMenu, File},
        {LangEntry::OpenAnswers, FileOpenOtvet},
        {LangEntry::Save, FileSave},
        {LangEntry::SaveAs, FileSaveAs},
        {LangEntry::Exit, FileExit},
        {LangEntry::CrosswordMenu, Kross},
        {LangEntry::NewCrossword, KrossNew},
        {LangEntry::OpenCrossword, KrossOpen},
        {LangEntry::ChangeCrossword, KrossChange},
        {LangEntry::FinishGrid, kReshotkaGotova},
        {LangEntry::Properties, KrossAbout},
        {LangEntry::FindWords, KrossFoundWord},
        {LangEntry::DeleteAnswer, KrossDelOtwet},
        {LangEntry::ExportHtml, KrossCopyWord},
        {LangEntry::OptionsMenu, Options},
        {LangEntry::CellAndFontSize, OptionsRazmerKF},
        {LangEntry::ClassicStyle, OptionsStyle[0]},
        {LangEntry::RightToLeftStyle, OptionsStyle[1]},
        {LangEntry::HelpMenu, Help},
        {LangEntry::ViewHelp, HelpCallHelp},
        {LangEntry::AboutProgram, HelpAbout},
        {LangEntry::Answer, lblOtvet},
        {LangEntry::Statistics, lblStatistika},
        {LangEntry::Symmetry, ChSimmetrija},
        {LangEntry::Across, lblGorizont},
        {LangEntry::Down, lblVertikal},
        {LangEntry::Cell, lblKoordinaty},
        {LangEntry::Clear, kClearPole},
    };
    for (const auto& [e, target] : targets)
        if (entryNumber(e) == entry)
            setCaption(target, cp1251::toUnicode(text));
}

void frmForma::applyBuiltInCaptions() {
    for (int n = 1; n <= Language::kLastEntry; ++n)
        if (const QByteArray caption = builtInCaption(n); !caption.isEmpty())
            applyCaption(n, caption);
    OptionsLanguage->setText(QStringLiteral("Language"));
    applyOwnCaptions();
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
    applyOwnCaptions();
    if (findWord)
        findWord->setCaption(withoutMnemonics(KrossFoundWord->text()));
    ShowModeTexts();
}

void frmForma::ShowModeTexts() {
    ShowModeTexts(state_.doc().Mode);
}

void frmForma::ShowModeTexts(EditMode shownAs) {
    const ModeTexts t = modeTexts(state_, shownAs);
    if (t.caption)
        setCaptionBytes(*t.caption);
    if (t.lblSlov)
        lblSlov->setText(cp1251::toUnicode(*t.lblSlov));
    if (t.lblVoprosOtvet)
        lblVoprosOtvet->setText(cp1251::toUnicode(*t.lblVoprosOtvet));
}

void frmForma::OptionsLanguage_Click() {
    frmLang dialog(state_, platform_, this);
    if (platform_.runDialog(dialog) == QDialog::Accepted && !dialog.chosenFile().isEmpty())
        LoadJazik(dialog.chosenFile());
}
