// Reading language files, and the texts the main window takes from them.
#include "app/language/LanguageFile.h"

#include "app/AppState.h"
#include "app/language/Language.h"
#include "files/FileCommon.h"
#include "text/CodePage.h"
#include "text/SequentialText.h"

#include <QFile>
#include <QFileInfo>

namespace {

// No caption or message comes near this; a longer line is cut rather than held whole.
constexpr qsizetype kMaxText = 64 * 1024;
// A thousand times a shipped language file; what lies beyond is not read.
constexpr qint64 kMaxFile = 4 * 1024 * 1024;

bool replacedByEveryLoad(int n) {
    return n < Language::kFirstKept || n > Language::kLastKept;
}

} // namespace

QString languageFilePath(const QString& programFolder, const QByteArray& fileName) {
    QString name = cp1251::toUnicode(fileName);
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return programFolder + QStringLiteral("Language/") + name;
}

QString languageFilePath(const AppState& state, const QByteArray& fileName) {
    const QString relative = languageFilePath(QString(), fileName);
    return state.folderHolding(relative) + relative;
}

bool isLanguageFileName(const QByteArray& fileName) {
    return !fileName.isEmpty() && fileName != "." && fileName != ".." && !fileName.contains('/') &&
           !fileName.contains('\\');
}

void readLanguage(QIODevice& device, Language& language) {
    seqtext::SequentialReader in(device, kMaxText, kMaxFile);
    Language next = language;
    next.name = in.readTextField().value_or(QByteArray());
    for (int n = 1; n <= Language::kLastEntry; ++n)
        if (replacedByEveryLoad(n))
            next.entries[static_cast<std::size_t>(n)].clear();
    next.own.fill(QByteArray());

    while (const std::optional<double> number = in.readNumberField()) {
        const std::optional<QByteArray> text = in.readLine();
        if (!text)
            break; // a number on the last line has no text to go with it
        const int n = seqtext::toInt32(*number).value_or(0);
        if (n >= 1 && n <= Language::kLastEntry)
            next.entries[static_cast<std::size_t>(n)] = *text;
        else if (n >= Language::kFirstOwn && n <= Language::kLastOwn)
            next.own[static_cast<std::size_t>(n - Language::kFirstOwn)] = *text;
    }
    next.loaded = true;
    language = std::move(next);
}

LanguageOpenError loadLanguageFile(AppState& state, const QByteArray& fileName) {
    if (!isLanguageFileName(fileName))
        return LanguageOpenError::NotFound;
    QFile file(languageFilePath(state, fileName));
    if (const FileStatus status = openForReading(file); status != FileStatus::Ok) {
        if (status == FileStatus::NotFound)
            return LanguageOpenError::NotFound;
        const QFileInfo info(file.fileName());
        return info.isFile() && info.size() > kMaxFileBytes ? LanguageOpenError::TooLarge
                                                            : LanguageOpenError::Other;
    }
    readLanguage(file, state.language);
    state.settings.LanguageFileName = fileName;
    state.MessageTitle = state.language.entry(LangEntry::ProgramName);
    return LanguageOpenError::None;
}

std::optional<QByteArray> readLanguageName(const QString& path) {
    QFile file(path);
    if (openForReading(file) != FileStatus::Ok)
        return std::nullopt;
    seqtext::SequentialReader in(file, kMaxText, kMaxFile);
    return in.readTextField().value_or(QByteArray());
}

QByteArray fileFailureText(const Language& language, const QByteArray& pathOrName,
                           LangEntry entry) {
    return language.caption(LangEntry::FileMenu) + ' ' + pathOrName + ' ' + language.entry(entry);
}

QByteArray languageFailureText(const Language& language, const QByteArray& path,
                               LanguageOpenError error) {
    QByteArray text = fileFailureText(language, path, failureEntry(error));
    if (error == LanguageOpenError::TooLarge) {
        // Before any file is read the entry is empty and the text ends in its blank already.
        if (!text.endsWith(' '))
            text += ' ';
        text +=
            language.ownText(OwnText::FileTooLarge) + ' ' + QByteArray::number(kMaxFileBytes >> 20);
    }
    return text;
}

ModeTexts modeTexts(const AppState& state) {
    return modeTexts(state, state.doc().Mode);
}

ModeTexts modeTexts(const AppState& state, EditMode shownAs) {
    const Language& l = state.language;
    const CrosswordDocument& doc = state.doc();
    const QByteArray titled =
        l.caption(LangEntry::CrosswordMenu) + ": \"" + doc.CrosswordTitle + '"';
    const QByteArray open =
        l.entry(LangEntry::Words) + seqtext::strNumber(doc.WordCount - doc.SolvedCount);
    ModeTexts t;
    switch (shownAs) {
    case EditMode::ModeEmpty:
        t.caption = l.entry(LangEntry::ProgramName);
        break;
    case EditMode::ModeDrawGrid:
        t.caption = l.entry(LangEntry::CaptionStart) + ' ' + l.entry(LangEntry::DrawingGrid);
        break;
    case EditMode::ModeAuthor:
        t.caption = l.entry(LangEntry::CaptionStart) + ' ' + l.entry(LangEntry::EnteringWords);
        t.wordCountLabel = l.entry(LangEntry::Words) + seqtext::strNumber(doc.WordCount);
        t.clueEditLabel = l.entry(LangEntry::Clue);
        break;
    case EditMode::ModeAuthorNoAnswers:
        t.caption = titled;
        t.wordCountLabel = open;
        break;
    case EditMode::ModeSolveNoAnswers:
        t.caption = titled + " (" + l.entry(LangEntry::NoAnswers) + ')';
        t.wordCountLabel = open;
        t.clueEditLabel = l.entry(LangEntry::WordNumberOrAnswer);
        break;
    case EditMode::ModeSolve:
        t.caption = titled + ' ' + l.entry(LangEntry::By) + ' ' + doc.CrosswordAuthor;
        t.wordCountLabel = open;
        t.clueEditLabel = l.entry(LangEntry::WordNumberOrAnswer);
        break;
    case EditMode::ModeIncomplete:
    case EditMode::ModeOpenFailed:
        break;
    }
    return t;
}
