#include "app/language/LanguageFile.h"
#include "app/AppState.h"
#include "app/language/Language.h"
#include "support/ProgramFolder.h"
#include "text/CodePage.h"
#include "text/Mnemonics.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray cp(const char* utf8) {
    return cp1251::fromUnicode(QString::fromUtf8(utf8));
}

void load(Language& language, QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    readLanguage(buffer, language);
}

// Dialog filters are NUL-separated; "|" stands for NUL here.
QByteArray nulSeparated(QByteArray text) {
    return text.replace('|', '\0');
}

Language loaded(const QByteArray& bytes) {
    Language language;
    load(language, bytes);
    return language;
}

} // namespace

TEST(LanguageReader, ReadsNameAndEntriesInTheirForms) {
    const Language l = loaded("\"Test, quoted\"\r\n"
                              "3 File menu\r\n"
                              "4,Comma delimited, rest kept\r\n"
                              "5\r\n"
                              "Next line, whole\r\n"
                              "6 \r\n"
                              "  spaces kept  \r\n"
                              "58 trailing blank \r\n"
                              "8 &Cross\n"
                              "30 Cancel");
    EXPECT_EQ(l.name, "Test, quoted");
    EXPECT_TRUE(l.loaded);
    EXPECT_EQ(l.entry(3), "File menu");
    EXPECT_EQ(l.entry(4), "Comma delimited, rest kept");
    EXPECT_EQ(l.entry(5), "Next line, whole");
    EXPECT_EQ(l.entry(6), "  spaces kept  ");
    EXPECT_EQ(l.entry(58), "trailing blank ");
    EXPECT_EQ(l.entry(8), "&Cross");
    EXPECT_EQ(l.entry(30), "Cancel");
}

TEST(LanguageReader, DropsNumbersOutsideTheTablesAndKeepsTheLastDuplicate) {
    const Language l = loaded("Name\r\n"
                              "0 zero\r\n"
                              "76 seventy-six\r\n"
                              "100 hundred\r\n"
                              "101 own first\r\n"
                              "199 own last\r\n"
                              "200 two hundred\r\n"
                              "-5 negative\r\n"
                              "x not a number\r\n"
                              "5 first\r\n"
                              "5 second\r\n"
                              "75 last\r\n");
    EXPECT_EQ(l.entry(5), "second");
    EXPECT_EQ(l.entry(75), "last");
    EXPECT_EQ(l.entry(0), "");
    EXPECT_EQ(l.entry(76), "");
    EXPECT_EQ(l.own.front(), "own first");
    EXPECT_EQ(l.own.back(), "own last");
    for (int n = 1; n <= Language::kLastEntry; ++n) {
        if (n != 5 && n != 75) {
            EXPECT_EQ(l.entry(n), "") << "entry " << n;
        }
    }
}

TEST(LanguageReader, EmptyFileGivesAnEmptyNameAndEmptyTables) {
    Language l;
    l.entries[12] = "before";
    l.entries[30] = "kept";
    load(l, "");
    EXPECT_TRUE(l.loaded);
    EXPECT_EQ(l.name, "");
    EXPECT_EQ(l.entry(12), "");
    EXPECT_EQ(l.entry(30), "kept");
}

TEST(LanguageReader, NumberOnTheLastLineWithoutTextChangesNothing) {
    Language l = loaded("Name\r\n12 grid\r\n12\r\n");
    EXPECT_EQ(l.entry(12), "grid");
}

TEST(LanguageReader, OnlyTheDialogTableOutlivesTheNextLoad) {
    Language l = loaded("First\r\n12 Grid ready\r\n30 Cancel\r\n48 Author\r\n101 Own\r\n");
    load(l, "Second\r\n3 File\r\n");
    EXPECT_EQ(l.name, "Second");
    EXPECT_EQ(l.entry(12), "");       // buttons and menus: blank when missing
    EXPECT_EQ(l.entry(48), "");       // the same for the strings after the dialog table
    EXPECT_EQ(l.entry(30), "Cancel"); // the dialog table keeps the earlier file's text
    EXPECT_EQ(l.ownText(OwnText::GridTooLarge), builtInOwnText(OwnText::GridTooLarge));
}

TEST(LanguageReader, OwnTextsComeFromTheFileOrFallBackToEnglish) {
    const Language l = loaded("Name\r\n102 Zu groß\r\n");
    EXPECT_EQ(l.ownText(OwnText::PictureTooLarge), "Zu groß");
    EXPECT_EQ(l.ownText(OwnText::GridTooLarge), builtInOwnText(OwnText::GridTooLarge));
    EXPECT_FALSE(l.ownText(OwnText::GridTooLarge).isEmpty());
}

TEST(LanguageStrings, FiltersAndOverwriteQuestion) {
    Language before;
    EXPECT_EQ(before.crosswordFileFilter(),
              cp("Кроссворд") + nulSeparated(" (*.cfw)|*.cfw|All Files (*.*)|*.*"));

    const Language l =
        loaded("Name\r\n8 &Crossword\r\n57 Answers\r\n58 exists.\r\n59 Replace?\r\n");
    EXPECT_EQ(l.crosswordFileFilter(), nulSeparated("Crossword (*.cfw)|*.cfw|All Files (*.*)|*.*"));
    EXPECT_EQ(l.AnswersFileFilter(), nulSeparated("Answers (*.otv)|*.otv|All Files (*.*)|*.*"));
    EXPECT_EQ(l.OverwriteQuestion(), " exists.\r\nReplace?");
}

TEST(LanguageStrings, CaptionsAreBuiltInUntilTheFirstLoad) {
    Language l;
    EXPECT_EQ(l.caption(3), cp("Файл"));
    EXPECT_EQ(l.caption(12), cp("Решётка готова"));
    EXPECT_EQ(l.caption(2), "");
    load(l, "Name\r\n");
    EXPECT_EQ(l.caption(3), "");
    EXPECT_EQ(fileFailureText(Language(), "/x/y.txt", LangEntry::NotFound),
              cp("Файл") + " /x/y.txt ");
}

TEST(ModeTextsTest, EveryModeAfterALoad) {
    AppState state(QStringLiteral("/nowhere"));
    load(state.language, "Name\r\n2 Title\r\n8 Cross\r\n29 no answers\r\n48 Editor\r\n"
                         "49 drawing\r\n50 filling\r\n51 solve label\r\n52 author label\r\n"
                         "54 Words:\r\n55 by\r\n");
    CrosswordDocument& doc = state.session.documentForSetup();
    doc.CrosswordTitle = "Birds";
    doc.CrosswordAuthor = "Ann";
    doc.WordCount = 25;
    doc.SolvedCount = 5;

    struct Case {
        EditMode mode;
        std::optional<QByteArray> caption, wordCountLabel, clueEditLabel;
    };
    const Case cases[] = {
        {EditMode::ModeEmpty, "Title", {}, {}},
        {EditMode::ModeDrawGrid, "Editor drawing", {}, {}},
        {EditMode::ModeAuthor, "Editor filling", "Words: 25", "author label"},
        {EditMode::ModeAuthorNoAnswers, "Cross: \"Birds\"", "Words: 20", {}},
        {EditMode::ModeSolveNoAnswers, "Cross: \"Birds\" (no answers)", "Words: 20", "solve label"},
        {EditMode::ModeSolve, "Cross: \"Birds\" by Ann", "Words: 20", "solve label"},
        {EditMode::ModeIncomplete, {}, {}, {}},
        {EditMode::ModeOpenFailed, {}, {}, {}},
    };
    for (const Case& c : cases) {
        doc.Mode = c.mode;
        const ModeTexts t = modeTexts(state);
        EXPECT_EQ(t.caption, c.caption) << modeValue(c.mode);
        EXPECT_EQ(t.wordCountLabel, c.wordCountLabel) << modeValue(c.mode);
        EXPECT_EQ(t.clueEditLabel, c.clueEditLabel) << modeValue(c.mode);
    }

    // More solved than there are words: the count goes negative with its sign, no blank.
    doc.Mode = EditMode::ModeSolve;
    doc.SolvedCount = 30;
    EXPECT_EQ(modeTexts(state).wordCountLabel, "Words:-5");
}

TEST(LanguageFile, LoadsFromTheLanguageFolder) {
    TempProgramFolder folder;
    folder.write(QStringLiteral("Language/Test.txt"), "Test\r\n2 Message title\r\n");
    folder.write(QStringLiteral("Language/sub/Nested.txt"), "Nested\r\n");
    AppState state(folder.path());

    EXPECT_EQ(loadLanguageFile(state, "Test.txt"), LanguageOpenError::None);
    EXPECT_EQ(state.settings.LanguageFileName, "Test.txt");
    EXPECT_EQ(state.MessageTitle, "Message title");
    EXPECT_EQ(state.language.name, "Test");

    // A name with a folder never comes from the language dialog: it is refused, whichever
    // separator it uses, and so is one that leads out of the folder.
    EXPECT_EQ(languageFilePath(folder.path(), "sub\\Nested.txt"),
              folder.path() + QStringLiteral("Language/sub/Nested.txt"));
    folder.write(QStringLiteral("Outside.txt"), "Outside\r\n");
    for (const char* name :
         {"sub\\Nested.txt", "sub/Nested.txt", "../Outside.txt", "..\\Outside.txt", "..", "."}) {
        EXPECT_FALSE(isLanguageFileName(name)) << name;
        EXPECT_EQ(loadLanguageFile(state, name), LanguageOpenError::NotFound) << name;
    }
    EXPECT_EQ(state.language.name, "Test");
    EXPECT_EQ(state.settings.LanguageFileName, "Test.txt");
    for (const char* name : {"Test.txt", "a..b.txt", ".hidden.txt"})
        EXPECT_TRUE(isLanguageFileName(name)) << name;
}

TEST(LanguageFile, OpenFailuresChangeNothing) {
    TempProgramFolder folder;
    folder.write(QStringLiteral("Language/Test.txt"), "Test\r\n2 Title\r\n12 Ready\r\n");
    QDir(folder.path()).mkpath(QStringLiteral("Language/Folder.txt"));
    AppState state(folder.path());
    ASSERT_EQ(loadLanguageFile(state, "Test.txt"), LanguageOpenError::None);

    EXPECT_EQ(loadLanguageFile(state, "Missing.txt"), LanguageOpenError::NotFound);
    EXPECT_EQ(loadLanguageFile(state, "Folder.txt"), LanguageOpenError::Other);
    EXPECT_EQ(failureEntry(LanguageOpenError::NotFound), LangEntry::NotFound);
    EXPECT_EQ(failureEntry(LanguageOpenError::Other), LangEntry::NotOpened);
    EXPECT_EQ(state.settings.LanguageFileName, "Test.txt");
    EXPECT_EQ(state.MessageTitle, "Title");
    EXPECT_EQ(state.language.entry(LangEntry::FinishGrid), "Ready");
}

TEST(LanguageFile, ReadsOnlyTheNameForTheDialog) {
    TempProgramFolder folder;
    folder.write(QStringLiteral("Language/A.txt"), cp("Русский, язык\r\n3 Файл\r\n"));
    EXPECT_EQ(readLanguageName(folder.path() + QStringLiteral("Language/A.txt")), cp("Русский"));
    EXPECT_EQ(readLanguageName(folder.path() + QStringLiteral("Language/B.txt")), std::nullopt);
}

// The files that ship with the program: every entry the program uses, our own texts, and the
// built-in Russian captions as the wording of the Russian file.
TEST(ShippedLanguageFiles, AreCompleteWindows1251WithCrLf) {
    struct Shipped {
        const char* file;
        const char* name;
        const char* help;
    };
    for (const Shipped& s : {Shipped{"Russian.txt", "Русский", "Clueforge.ru.htm"},
                             Shipped{"English.txt", "English", "Clueforge.en.htm"}}) {
        SCOPED_TRACE(s.file);
        QFile file(QStringLiteral(CLUEFORGE_RESOURCES "/Language/") + QLatin1String(s.file));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        ASSERT_TRUE(bytes.endsWith("\r\n"));
        EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
        EXPECT_EQ(bytes.count('\r'), bytes.count("\r\n"));
        EXPECT_FALSE(bytes.contains('\x98'));         // unassigned in Windows-1251
        EXPECT_FALSE(bytes.contains("\xEF\xBB\xBF")); // no UTF-8 mark
        const QString text = cp1251::toUnicode(bytes);
        for (QChar c : text)
            EXPECT_TRUE(c >= u' ' || c == u'\r' || c == u'\n') << int(c.unicode());

        const Language l = loaded(bytes);
        EXPECT_EQ(l.name, cp(s.name));
        EXPECT_EQ(l.entry(LangEntry::HelpFile), s.help);
        for (int n = 1; n <= Language::kLastEntry; ++n) {
            if (n != 23) {
                EXPECT_FALSE(l.entry(n).isEmpty()) << "entry " << n;
            }
        }
        for (OwnText own : {OwnText::GridTooLarge,
                            OwnText::PictureTooLarge,
                            OwnText::CellSizeOutOfRange,
                            OwnText::CellSizeTooLarge,
                            OwnText::CellSizeReduced,
                            OwnText::FillGrid,
                            OwnText::FillAgain,
                            OwnText::Filling,
                            OwnText::Filled,
                            OwnText::NoWordFits,
                            OwnText::NoFillExists,
                            OwnText::NoFillInLimit,
                            OwnText::SuggestWords,
                            OwnText::NoSuggestions,
                            OwnText::HardestSlot,
                            OwnText::Print,
                            OwnText::ExportPdf,
                            OwnText::ExportSvg,
                            OwnText::AnswersPage,
                            OwnText::AnswersHeading,
                            OwnText::EmptyGrid,
                            OwnText::FilledGrid,
                            OwnText::NotPrinted,
                            OwnText::editMenu,
                            OwnText::Undo,
                            OwnText::Redo,
                            OwnText::RevealLetter,
                            OwnText::RevealWord,
                            OwnText::SolvingTime,
                            OwnText::LettersRevealed,
                            OwnText::WordsRevealed,
                            OwnText::Revealed}) {
            const QByteArray& text = l.own[static_cast<std::size_t>(static_cast<int>(own) - 101)];
            EXPECT_FALSE(text.isEmpty()) << static_cast<int>(own);
            // The English file says what the program says without one.
            if (QLatin1String(s.file) == QLatin1String("English.txt")) {
                EXPECT_EQ(text, builtInOwnText(own)) << static_cast<int>(own);
            }
        }
        if (QLatin1String(s.file) != QLatin1String("Russian.txt"))
            continue;
        for (int n = 1; n <= Language::kLastEntry; ++n) {
            if (n != 69 && !builtInCaption(n).isEmpty()) {
                EXPECT_EQ(l.entry(n), builtInCaption(n)) << "entry " << n;
            }
        }
    }
}

// The names keep the numbers the language files carry.
TEST(ShippedLanguageFiles, NamedEntriesReadTheirTexts) {
    QFile file(QStringLiteral(CLUEFORGE_RESOURCES "/Language/English.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const Language l = loaded(file.readAll());
    const std::pair<LangEntry, const char*> cases[] = {
        {LangEntry::HelpFile, "Clueforge.en.htm"},
        {LangEntry::FileMenu, "&File"},
        {LangEntry::CrosswordMenu, "&Crossword"},
        {LangEntry::AboutProgram, "&About Clueforge"},
        {LangEntry::NewCrosswordTitle, "New Crossword"},
        {LangEntry::Cancel, "Cancel"},
        {LangEntry::IncompleteNeedsPassword,
         "Some words of this crossword have no answer. Enter the password to complete it."},
        {LangEntry::Found, "found "},
        {LangEntry::AvailableLanguages, "Available languages:"},
        {LangEntry::EnteringWords, "entering words and clues"},
        {LangEntry::Words, "Words:"},
        {LangEntry::AccessDenied, "cannot be written: access denied."},
        {LangEntry::NotWritten, "could not be written."},
        {LangEntry::NotFound, "was not found."},
        {LangEntry::NotOpened, "could not be opened."},
        {LangEntry::Cell, "Cell:"},
        {LangEntry::SaveAnswersQuestion, "Your answers have not been saved. Save them?"},
        {LangEntry::DictionaryHint, "Double-click a word to look it up in the online dictionary."},
    };
    for (const auto& [e, text] : cases)
        EXPECT_EQ(l.entry(e), text) << entryNumber(e);
    EXPECT_EQ(l.entry(LangEntry::None), "");
    // Menus show the mnemonic; a caption used as text leaves its mark out.
    EXPECT_EQ(l.caption(LangEntry::FileMenu), "File");
    EXPECT_EQ(l.caption(LangEntry::SaveAs), "Save As...");
}

TEST(LanguageStrings, CaptionsAsTextLoseTheirMnemonicMarks) {
    const std::pair<const char*, const char*> cases[] = {
        {"&File", "File"},   {"E&xit", "Exit"}, {"R&&D", "R&D"},          {"R&&&D", "R&D"},
        {"Trail&", "Trail"}, {"&&", "&"},       {"No marks", "No marks"}, {"", ""},
    };
    for (const auto& [caption, text] : cases) {
        EXPECT_EQ(withoutMnemonics(QByteArray(caption)), text) << caption;
        EXPECT_EQ(withoutMnemonics(QString::fromLatin1(caption)), QString::fromLatin1(text))
            << caption;
    }
    // A label that has no mnemonic shows a '&' as it is, and so do texts made of it.
    const Language labels = loaded("Name\r\n3 &File\r\n67 Q&A:\r\n");
    EXPECT_EQ(labels.caption(LangEntry::FileMenu), "File");
    EXPECT_EQ(labels.caption(LangEntry::Across), "Q&A:");
    // An older file without marks reads as before.
    const Language l = loaded("Name\r\n3 File\r\n8 Crossword\r\n");
    EXPECT_EQ(l.caption(LangEntry::FileMenu), "File");
    EXPECT_EQ(l.crosswordFileFilter(), nulSeparated("Crossword (*.cfw)|*.cfw|All Files (*.*)|*.*"));
}
