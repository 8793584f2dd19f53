#include "app/WrapCheckBox.h"
#include "app/language/LanguageDialog.h"
#include "files/FileCommon.h"
#include "grid/NewCrosswordDialog.h"
#include "support/ui/Commands.h"
#include "support/ui/RunningProgram.h"
#include "support/ui/WindowParts.h"
#include "text/CodePage.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>

namespace {

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The window started on a program folder that holds the shipped Russian file.
struct Program : RunningProgram {
    explicit Program(bool withRussian = true) {
        if (withRussian)
            installLanguage("Russian.txt");
    }
    QString languagePath(const char* file) const {
        return QDir::toNativeSeparators(folder.path() + QStringLiteral("Language/") +
                                        QLatin1String(file));
    }
    // The Language command, with `act` choosing in its dialog and closing it.
    void chooseLanguage(std::function<void(LanguageDialog&)> act) {
        fake.onDialog<LanguageDialog>(std::move(act));
        part::languageAction(*form)->trigger();
    }
};

} // namespace

TEST(LanguageWindow, StartUpLoadsTheRussianFile) {
    Program p;
    MainWindow& f = p.start();
    EXPECT_TRUE(p.fake.messages.isEmpty());
    EXPECT_EQ(f.windowTitle(), u("Clueforge"));
    EXPECT_EQ(p.state.MessageTitle, "Clueforge");
    EXPECT_EQ(part::fileMenu(f)->title(), u("&Файл"));
    EXPECT_EQ(part::languageAction(f)->text(), u("Language: Русский"));
    EXPECT_EQ(part::gridReadyButton(f)->text(), u("Решётка готова"));
    EXPECT_EQ(part::coordinatesLabel(f)->text(), u("Координаты:"));
}

TEST(LanguageWindow, MissingFileAtStartUpKeepsTheBuiltInCaptions) {
    Program p(false);
    MainWindow& f = p.start();
    ASSERT_EQ(p.fake.messages.size(), 1);
    const FakePlatform::Message& m = p.fake.messages.front();
    EXPECT_EQ(m.icon, platform::Icon::Critical);
    EXPECT_EQ(m.buttons, platform::Buttons::Ok);
    EXPECT_EQ(m.text, u("Файл ") + p.languagePath("Russian.txt") + u(" "));
    EXPECT_EQ(m.title, QString());
    EXPECT_EQ(part::fileMenu(f)->title(), u("&Файл"));
    EXPECT_EQ(part::languageAction(f)->text(), u("Language"));
    EXPECT_EQ(part::clearGridButton(f)->text(), u("Очистить"));
    EXPECT_EQ(p.state.settings.LanguageFileName, "Russian.txt");
    EXPECT_TRUE(f.isVisible());
}

// The settings file may be edited by hand; the language dialog only ever offers files of the
// Language folder itself.
TEST(LanguageWindow, SettingsNameOutsideTheLanguageFolderStartsWithTheDefault) {
    const char* names[] = {
        "../Secret.txt", "..\\Secret.txt", "Sub/Secret.txt", "Sub\\Secret.txt", "..", "",
        nullptr /* the absolute path */};
    for (const char* name : names) {
        Program p;
        const QByteArray secret = "Secret\r\n3 Leaked\r\n2 Leaked\r\n";
        p.folder.write(QStringLiteral("Secret.txt"), secret);
        p.folder.write(QStringLiteral("Language/Sub/Secret.txt"), secret);
        const QByteArray setting =
            name ? QByteArray(name) : (p.folder.path() + QStringLiteral("Secret.txt")).toUtf8();
        SCOPED_TRACE(setting.toStdString());
        p.folder.write(QStringLiteral("Clueforge.ini"), "6.3\r\n" + setting + "\r\n");
        MainWindow& f = p.start();
        EXPECT_TRUE(p.fake.messages.isEmpty());
        EXPECT_EQ(p.state.settings.LanguageFileName, "Russian.txt");
        EXPECT_EQ(part::languageAction(f)->text(), u("Language: Русский"));
        EXPECT_EQ(part::fileMenu(f)->title(), u("&Файл"));
        EXPECT_EQ(p.state.MessageTitle, "Clueforge");
    }
}

TEST(LanguageWindow, LoadAppliesMenusLabelsAndTheCaptionOfTheMode) {
    Program p;
    p.folder.write(QStringLiteral("Language/Test.txt"),
                   "Testish\r\n2 Title\r\n3 F&ile\r\n5 Save one\r\n5 Save two\r\n8 &Cross\r\n"
                   "12\r\nGrid done\r\n20 Mirrored\r\n24 About\r\n51 Number or answer:\r\n"
                   "53 Answer:\r\n54 Left:\r\n55 by\r\n66 Symmetric\r\n69 Cell\r\n73 Clear\r\n");
    MainWindow& f = p.start();
    CrosswordDocument& doc = p.state.session.documentForSetup();
    doc.Mode = EditMode::ModeSolve;
    doc.CrosswordTitle = "Birds";
    doc.CrosswordAuthor = "Ann";
    doc.WordCount = 12;
    doc.SolvedCount = 2;

    f.loadLanguage("Test.txt");
    EXPECT_TRUE(p.fake.messages.isEmpty());
    EXPECT_EQ(p.state.settings.LanguageFileName, "Test.txt");
    EXPECT_EQ(part::languageAction(f)->text(), u("Language: Testish"));
    EXPECT_EQ(f.windowTitle(), u("Cross: \"Birds\" by Ann"));
    EXPECT_EQ(part::wordCountLabel(f)->text(), u("Left: 10"));
    EXPECT_EQ(part::clueEditLabel(f)->text(), u("Number or answer:"));
    const std::pair<QString, QString> captions[] = {
        {part::fileMenu(f)->title(), u("F&ile")},
        {actionNamed(f, "saveAction")->text(), u("Save two")},
        {part::crosswordMenu(f)->title(), u("&Cross")},
        {part::gridReadyButton(f)->text(), u("Grid done")},
        {part::styleActions(f)[1]->text(), u("Mirrored")},
        {part::aboutAction(f)->text(), u("About")},
        {part::answerLabel(f)->text(), u("Answer:")},
        {part::symmetryCheck(f)->caption(), u("Symmetric")},
        {part::coordinatesLabel(f)->text(), u("Cell")},
        {part::clearGridButton(f)->text(), u("Clear")},
        {actionNamed(f, "newCrosswordAction")->text(), QString()}, // not in the file
        {part::acrossLabel(f)->text(), QString()},
    };
    for (const auto& [shown, expected] : captions)
        EXPECT_EQ(shown, expected);
}

TEST(LanguageWindow, MissingEntryBlanksItsButtonButDialogsKeepTheEarlierText) {
    Program p;
    p.folder.write(QStringLiteral("Language/Bare.txt"), "Bare\r\n3 File\r\n");
    MainWindow& f = p.start();
    f.loadLanguage("Bare.txt");
    EXPECT_EQ(part::gridReadyButton(f)->text(), QString());
    NewCrosswordDialog dialog(p.state, p.fake, &f);
    EXPECT_EQ(dialog.cancelButton->text(), u("Отмена"));
}

// Past the limit a file is not read at all, and the message says so: in the language loaded
// before, or in the built-in texts when there is none yet.
TEST(LanguageWindow, AFileOverTheLimitIsNamedWithTheLimit) {
    const auto oversize = [](Program& p, const char* file) {
        QFile f(p.folder.path() + QStringLiteral("Language/") + QLatin1String(file));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.resize(kMaxFileBytes + 1)); // sparse: no disk taken
    };
    Program atStart;
    oversize(atStart, "Russian.txt");
    atStart.start();
    ASSERT_EQ(atStart.fake.messages.size(), 1);
    EXPECT_EQ(atStart.fake.messages.front().text,
              u("Файл ") + atStart.languagePath("Russian.txt") +
                  u(" The file is larger than the program reads, in MB: 64"));
    EXPECT_EQ(part::languageAction(*atStart.form)->text(), u("Language"));

    Program later;
    later.folder.write(QStringLiteral("Language/Huge.txt"), "Huge\r\n");
    oversize(later, "Huge.txt");
    MainWindow& f = later.start();
    ASSERT_TRUE(later.fake.messages.isEmpty());
    f.loadLanguage("Huge.txt");
    ASSERT_EQ(later.fake.messages.size(), 1);
    EXPECT_EQ(later.fake.messages.front().text,
              u("Файл ") + later.languagePath("Huge.txt") +
                  u(" не удаётся открыть. Файл больше, чем читает программа, МБ: 64"));
    EXPECT_EQ(later.state.settings.LanguageFileName, "Russian.txt");
}

TEST(LanguageWindow, FileThatCannotBeOpenedIsReportedAndChangesNothing) {
    Program p;
    QDir(p.folder.path()).mkpath(QStringLiteral("Language/Folder.txt"));
    p.folder.write(QStringLiteral("Secret.txt"), "Secret\r\n3 Leaked\r\n");
    MainWindow& f = p.start();
    const QString title = f.windowTitle();
    const QString options = part::languageAction(f)->text();

    struct Case {
        const char* file;
        const char* tail;
    };
    for (const Case& c :
         {Case{"Missing.txt", " не найден."}, Case{"Folder.txt", " не удаётся открыть."},
          Case{"../Secret.txt", " не найден."}}) {
        p.fake.messages.clear();
        f.loadLanguage(c.file);
        ASSERT_EQ(p.fake.messages.size(), 1) << c.file;
        const FakePlatform::Message& m = p.fake.messages.front();
        EXPECT_EQ(m.icon, platform::Icon::Critical);
        EXPECT_EQ(m.title, u("Clueforge"));
        EXPECT_EQ(m.text, u("Файл ") + p.languagePath(c.file) + u(c.tail));
    }
    EXPECT_EQ(p.state.settings.LanguageFileName, "Russian.txt");
    EXPECT_EQ(f.windowTitle(), title);
    EXPECT_EQ(part::languageAction(f)->text(), options);
    EXPECT_EQ(part::fileMenu(f)->title(), u("&Файл"));
}

TEST(LanguageDialog, OneLanguage) {
    Program p;
    MainWindow& f = p.start();
    LanguageDialog dialog(p.state, p.fake, &f);
    ASSERT_EQ(dialog.languageList->count(), 1);
    EXPECT_EQ(dialog.languageList->item(0)->text(), u("Русский"));
    EXPECT_EQ(dialog.windowTitle(), u("Выбор языка"));
    EXPECT_EQ(dialog.Label1->text(), u("Доступные языки:"));
    EXPECT_EQ(dialog.NO->text(), u("Отмена"));
    EXPECT_EQ(dialog.OK->text(), u("OK"));
    EXPECT_EQ(dialog.Inform->text(), QString());
    dialog.languageList->setCurrentRow(0);
    EXPECT_EQ(dialog.Inform->text(), u("Russian.txt"));
}

TEST(LanguageDialog, ThreeFilesOneUnreadable) {
    Program p;
    p.installLanguage("English.txt");
    p.folder.write(QStringLiteral("Language/notes.md"), "Not a language\r\n");
    ASSERT_TRUE(QFile::link(p.folder.path() + QStringLiteral("gone.txt"),
                            p.folder.path() + QStringLiteral("Language/Broken.txt")));
    MainWindow& f = p.start();

    p.chooseLanguage([](LanguageDialog& dialog) {
        EXPECT_EQ(dialog.fileList->count(), 3);
        ASSERT_EQ(dialog.languageList->count(), 2);
        EXPECT_EQ(dialog.languageList->item(0)->text(), u("English"));
        EXPECT_EQ(dialog.languageList->item(1)->text(), u("Русский"));
        dialog.languageList->setCurrentRow(0);
        EXPECT_EQ(dialog.Inform->text(), u("English.txt"));
        dialog.OK_Click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    });
    EXPECT_EQ(p.state.settings.LanguageFileName, "English.txt");
    EXPECT_EQ(part::languageAction(f)->text(), u("Language: English"));
    EXPECT_EQ(part::fileMenu(f)->title(), u("&File"));

    p.chooseLanguage([](LanguageDialog& dialog) { // now in English
        EXPECT_EQ(dialog.windowTitle(), u("Choose Language"));
        dialog.languageList->setCurrentRow(1);
        EXPECT_EQ(dialog.Inform->text(), u("Russian.txt"));
        emit dialog.languageList->itemDoubleClicked(dialog.languageList->item(1));
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    });
    EXPECT_EQ(p.state.settings.LanguageFileName, "Russian.txt");
    EXPECT_EQ(part::fileMenu(f)->title(), u("&Файл"));
    EXPECT_TRUE(p.fake.messages.isEmpty());
}

TEST(LanguageDialog, CancelOrNoSelectionLoadsNothing) {
    Program p;
    p.installLanguage("English.txt");
    MainWindow& f = p.start();
    p.chooseLanguage([](LanguageDialog& dialog) {
        dialog.OK_Click(); // nothing selected
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    });
    p.chooseLanguage([](LanguageDialog& dialog) {
        dialog.languageList->setCurrentRow(0);
        dialog.NO->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    });
    EXPECT_EQ(p.state.settings.LanguageFileName, "Russian.txt");
    EXPECT_EQ(part::fileMenu(f)->title(), u("&Файл"));
}

TEST(LanguageDialog, EmptyOrMissingFolder) {
    struct Case {
        const char* what;
        bool loadedFirst;
        bool removeFolder;
        const char* title;
        const char* label;
        const char* cancel;
    };
    const Case cases[] = {
        {"no language files", true, false, "Выбор языка", "Доступные языки:", "Отмена"},
        {"no Language folder", true, true, "Select of language", "List:", "Cancel"},
        {"nothing loaded yet", false, false, "Select of language", "List:", "Cancel"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Program p(c.loadedFirst);
        MainWindow& f = p.start();
        QFile::remove(p.folder.path() + QStringLiteral("Language/Russian.txt"));
        if (c.removeFolder)
            QDir(p.folder.path()).rmdir(QStringLiteral("Language"));
        LanguageDialog dialog(p.state, p.fake, &f);
        EXPECT_EQ(dialog.languageList->count(), 0);
        EXPECT_EQ(dialog.fileList->count(), 0);
        EXPECT_EQ(dialog.windowTitle(), u(c.title));
        EXPECT_EQ(dialog.Label1->text(), u(c.label));
        EXPECT_EQ(dialog.NO->text(), u(c.cancel));
    }
}

TEST(LanguageDialog, TheUsersOwnFilesAreOfferedBesideTheShippedOnesAndWinOnTheirName) {
    Program p;
    p.installLanguage("English.txt");
    TempProgramFolder user;
    p.state.UserFolder = user.path();
    // Windows-1251 with CR LF, as the shipped ones.
    user.write(QStringLiteral("Language/English.txt"), "My English\r\n3 Document\r\n");
    user.write(QStringLiteral("Language/Deutsch.txt"), "Deutsch\r\n3 Datei\r\n");
    MainWindow& f = p.start();
    EXPECT_TRUE(p.fake.messages.isEmpty());
    p.chooseLanguage([](LanguageDialog& dialog) {
        ASSERT_EQ(dialog.languageList->count(), 3);
        EXPECT_EQ(dialog.languageList->item(0)->text(), u("Deutsch"));
        EXPECT_EQ(dialog.languageList->item(1)->text(), u("My English"));
        EXPECT_EQ(dialog.languageList->item(2)->text(), u("Русский"));
        dialog.languageList->setCurrentRow(1);
        dialog.OK_Click();
    });
    EXPECT_EQ(p.state.settings.LanguageFileName, "English.txt");
    EXPECT_EQ(part::fileMenu(f)->title(), u("Document"));
    EXPECT_TRUE(p.fake.messages.isEmpty());
}

TEST(LanguageWindow, TheStandardDialogsFollowTheLoadedLanguage) {
    Program p;
    p.installLanguage("English.txt");
    // A file without the entry leaves them in Qt's English.
    p.folder.write(QStringLiteral("Language/Old.txt"), "Old\r\n3 File\r\n");
    MainWindow& f = p.start();
    f.loadLanguage("English.txt");
    f.loadLanguage("Old.txt");
    f.loadLanguage("Missing.txt"); // not loaded: nothing changes
    EXPECT_EQ(p.fake.languages,
              (QStringList{QStringLiteral("ru"), QStringLiteral("en"), QStringLiteral("en")}));
}
