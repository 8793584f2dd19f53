// A language in the main window: captions of menus and panel, mode texts, the Language command.
#include "app/MainWindow.h"
#include "app/StatusBarView.h"
#include "app/WrapCheckBox.h"
#include "app/language/LanguageDialog.h"
#include "app/language/LanguageFile.h"
#include "commands/AuthoringCommands.h"
#include "commands/FileCommands.h"
#include "commands/PublishingCommands.h"
#include "text/CodePage.h"
#include "text/Mnemonics.h"
#include "words/WordSearchWindow.h"

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

void MainWindow::applyCaption(int entry, const QByteArray& text) {
    // The controls captioned straight from an entry; the other entries are read where used.
    const std::pair<LangEntry, QObject*> targets[] = {
        {LangEntry::FileMenu, fileMenu},
        {LangEntry::OpenAnswers, fileCommands_->openAnswersAction()},
        {LangEntry::Save, fileCommands_->saveAction()},
        {LangEntry::SaveAs, fileCommands_->saveAsAction()},
        {LangEntry::Exit, exitAction},
        {LangEntry::CrosswordMenu, crosswordMenu},
        {LangEntry::NewCrossword, fileCommands_->newCrosswordAction()},
        {LangEntry::OpenCrossword, fileCommands_->openCrosswordAction()},
        {LangEntry::ChangeCrossword, fileCommands_->unlockAction()},
        {LangEntry::FinishGrid, gridReadyButton},
        {LangEntry::Properties, fileCommands_->propertiesAction()},
        {LangEntry::FindWords, wordSearchAction},
        {LangEntry::DeleteAnswer, authoringCommands_->deleteAnswerAction()},
        {LangEntry::ExportHtml, publishingCommands_->exportHtmlAction()},
        {LangEntry::OptionsMenu, optionsMenu},
        {LangEntry::CellAndFontSize, cellSizeAction},
        {LangEntry::ClassicStyle, styleActions[0]},
        {LangEntry::RightToLeftStyle, styleActions[1]},
        {LangEntry::HelpMenu, helpMenu},
        {LangEntry::ViewHelp, helpAction},
        {LangEntry::AboutProgram, aboutAction},
        {LangEntry::Answer, answerLabel},
        {LangEntry::Statistics, statisticsLabel},
        {LangEntry::Symmetry, symmetryCheck},
        {LangEntry::Across, acrossLabel},
        {LangEntry::Down, downLabel},
        {LangEntry::Cell, coordinatesLabel},
        {LangEntry::Clear, clearGridButton},
    };
    for (const auto& [e, target] : targets)
        if (entryNumber(e) == entry)
            setCaption(target, cp1251::toUnicode(text));
}

void MainWindow::applyBuiltInCaptions() {
    for (int n = 1; n <= Language::kLastEntry; ++n)
        if (const QByteArray caption = builtInCaption(n); !caption.isEmpty())
            applyCaption(n, caption);
    languageAction->setText(QStringLiteral("&Language"));
    applyOwnCaptions();
}

void MainWindow::loadLanguage(const QByteArray& fileName) {
    const LanguageOpenError error = loadLanguageFile(state_, fileName);
    if (error != LanguageOpenError::None) {
        const QString path = QDir::toNativeSeparators(languageFilePath(state_, fileName));
        message(languageFailureText(state_.language, cp1251::fromUnicode(path), error),
                platform::Icon::Critical);
        return;
    }
    const Language& lang = state_.language;
    platform_.setLanguage(cp1251::toUnicode(lang.ownText(OwnText::QtLocale)).trimmed());
    languageAction->setText(QStringLiteral("&Language: ") + cp1251::toUnicode(lang.name));
    for (int n = 1; n <= Language::kLastEntry; ++n)
        applyCaption(n, lang.entry(n));
    applyOwnCaptions();
    statusBarView_->retranslate();
    if (findWord)
        findWord->setCaption(withoutMnemonics(wordSearchAction->text()));
    showModeTexts();
}

void MainWindow::showModeTexts() {
    showModeTexts(state_.doc().Mode);
}

void MainWindow::showModeTexts(EditMode shownAs) {
    const ModeTexts t = modeTexts(state_, shownAs);
    if (t.caption)
        setCaptionBytes(*t.caption);
    if (t.wordCountLabel)
        wordCountLabel->setText(cp1251::toUnicode(*t.wordCountLabel));
    if (t.clueEditLabel)
        clueEditLabel->setText(cp1251::toUnicode(*t.clueEditLabel));
}

void MainWindow::chooseLanguage() {
    LanguageDialog dialog(state_, platform_, this);
    if (platform_.runDialog(dialog) == QDialog::Accepted && !dialog.chosenFile().isEmpty())
        loadLanguage(dialog.chosenFile());
}
