// What command classes share: their context's messages and file dialogs, named actions and the
// mode table's enabling.
#include "commands/CommandContext.h"

#include "app/ModeTable.h"
#include "app/language/LanguageFile.h"
#include "files/FileCommon.h"
#include "platform/Message.h"
#include "solve/SolvingSummary.h"
#include "text/CodePage.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>

platform::Answer CommandContext::message(const QByteArray& text, platform::Icon icon,
                                         platform::Buttons buttons,
                                         platform::Answer defaultButton) const {
    return platform::message(platform, parent, state.MessageTitle, text, icon, buttons,
                             defaultButton);
}

void CommandContext::reportLetterConflict(QLineEdit& box, int position, unsigned char crossing,
                                          unsigned char typed) const {
    const QByteArray text = state.language.entry(LangEntry::LetterMismatch) + ' ' +
                            static_cast<char>(crossing) + ", " + static_cast<char>(typed);
    message(text, platform::Icon::Critical);
    // The box takes the focus to show the offending letter.
    box.setFocus(Qt::OtherFocusReason);
    box.setSelection(position - 1, 1);
}

void CommandContext::reportSolved() const {
    message(solvedMessage(state.language, state.session.solvingSummary()),
            platform::Icon::Information);
}

bool CommandContext::replaceConfirmed(const QString& path) const {
    const Language& lang = state.language;
    return message(lang.caption(LangEntry::FileMenu) + ' ' +
                       cp1251::fromUnicode(QDir::toNativeSeparators(path)) +
                       lang.OverwriteQuestion(),
                   platform::Icon::Warning, platform::Buttons::YesNo,
                   platform::Answer::No) == platform::Answer::Yes;
}

QString CommandContext::chooseFile(bool isSave, const QString& defaultName,
                                   const QByteArray& filter) const {
    const QString qtFilter = cp1251::toUnicode(filter);
    const QString path =
        isSave ? platform.getSaveFileName(parent, QString(), state.saveDialogFolder(), defaultName,
                                          qtFilter)
               : platform.getOpenFileName(parent, QString(), state.SamplesFolder, qtFilter);
    if (path.isEmpty())
        return {};
    // The next dialog opens where the user last chose a file.
    state.SamplesFolder = path.left(path.size() - fileNameWithoutFolder(path).size());
    return path;
}

namespace commands {

QAction* makeAction(QObject* owner, const char* name) {
    auto* action = new QAction(owner);
    action->setObjectName(QLatin1String(name));
    return action;
}

void enableForMode(const AppState& state,
                   std::initializer_list<std::pair<unsigned, QAction*>> actions) {
    const modetable::Row& row = modetable::rowFor(state.doc().Mode);
    for (const auto& [bit, action] : actions)
        action->setEnabled((row.actions & bit) != 0);
}

void setStandardKeys(QAction* action, QKeySequence::StandardKey key, const char* fallback) {
    QList<QKeySequence> sequences = QKeySequence::keyBindings(key);
    if (sequences.isEmpty() && fallback)
        sequences.append(QKeySequence(QLatin1String(fallback)));
    action->setShortcuts(sequences);
}

} // namespace commands
