#include "app/WrapCheckBox.h"
#include "app/language/frmLang.h"
#include "grid/frmRazmer.h"
#include "support/ui/RunningProgram.h"
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
    void chooseLanguage(std::function<void(frmLang&)> act) {
        fake.onDialog<frmLang>(std::move(act));
        form->OptionsLanguage->trigger();
    }
};

} // namespace

TEST(LanguageWindow, StartUpLoadsTheRussianFile) {
    Program p;
    frmForma& f = p.start();
    EXPECT_TRUE(p.fake.messages.isEmpty());
    EXPECT_EQ(f.windowTitle(), u("Clueforge"));
    EXPECT_EQ(p.state.MessageTitle, "Clueforge");
    EXPECT_EQ(f.File->title(), u("&Файл"));
    EXPECT_EQ(f.OptionsLanguage->text(), u("Language: Русский"));
    EXPECT_EQ(f.kReshotkaGotova->text(), u("Решётка готова"));
    EXPECT_EQ(f.lblKoordinaty->text(), u("Координаты:"));
}

TEST(LanguageWindow, MissingFileAtStartUpKeepsTheBuiltInCaptions) {
    Program p(false);
    frmForma& f = p.start();
    ASSERT_EQ(p.fake.messages.size(), 1);
    const FakePlatform::Message& m = p.fake.messages.front();
    EXPECT_EQ(m.icon, platform::Icon::Critical);
    EXPECT_EQ(m.buttons, platform::Buttons::Ok);
    EXPECT_EQ(m.text, u("Файл ") + p.languagePath("Russian.txt") + u(" "));
    EXPECT_EQ(m.title, QString());
    EXPECT_EQ(f.File->title(), u("&Файл"));
    EXPECT_EQ(f.OptionsLanguage->text(), u("Language"));
    EXPECT_EQ(f.kClearPole->text(), u("Очистить"));
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
        frmForma& f = p.start();
        EXPECT_TRUE(p.fake.messages.isEmpty());
        EXPECT_EQ(p.state.settings.LanguageFileName, "Russian.txt");
        EXPECT_EQ(f.OptionsLanguage->text(), u("Language: Русский"));
        EXPECT_EQ(f.File->title(), u("&Файл"));
        EXPECT_EQ(p.state.MessageTitle, "Clueforge");
    }
}

TEST(LanguageWindow, LoadAppliesMenusLabelsAndTheCaptionOfTheMode) {
    Program p;
    p.folder.write(QStringLiteral("Language/Test.txt"),
                   "Testish\r\n2 Title\r\n3 F&ile\r\n5 Save one\r\n5 Save two\r\n8 &Cross\r\n"
                   "12\r\nGrid done\r\n20 Mirrored\r\n24 About\r\n51 Number or answer:\r\n"
                   "53 Answer:\r\n54 Left:\r\n55 by\r\n66 Symmetric\r\n69 Cell\r\n73 Clear\r\n");
    frmForma& f = p.start();
    CrosswordDocument& doc = p.state.session.documentForSetup();
    doc.Mode = EditMode::ModeSolve;
    doc.CrosswordTitle = "Birds";
    doc.CrosswordAuthor = "Ann";
    doc.WordCount = 12;
    doc.SolvedCount = 2;

    f.LoadJazik("Test.txt");
    EXPECT_TRUE(p.fake.messages.isEmpty());
    EXPECT_EQ(p.state.settings.LanguageFileName, "Test.txt");
    EXPECT_EQ(f.OptionsLanguage->text(), u("Language: Testish"));
    EXPECT_EQ(f.windowTitle(), u("Cross: \"Birds\" by Ann"));
    EXPECT_EQ(f.lblSlov->text(), u("Left: 10"));
    EXPECT_EQ(f.lblVoprosOtvet->text(), u("Number or answer:"));
    const std::pair<QString, QString> captions[] = {
        {f.File->title(), u("F&ile")},
        {f.FileSave->text(), u("Save two")},
        {f.Kross->title(), u("&Cross")},
        {f.kReshotkaGotova->text(), u("Grid done")},
        {f.OptionsStyle[1]->text(), u("Mirrored")},
        {f.HelpAbout->text(), u("About")},
        {f.lblOtvet->text(), u("Answer:")},
        {f.ChSimmetrija->caption(), u("Symmetric")},
        {f.lblKoordinaty->text(), u("Cell")},
        {f.kClearPole->text(), u("Clear")},
        {f.KrossNew->text(), QString()}, // not in the file
        {f.lblGorizont->text(), QString()},
    };
    for (const auto& [shown, expected] : captions)
        EXPECT_EQ(shown, expected);
}

TEST(LanguageWindow, MissingEntryBlanksItsButtonButDialogsKeepTheEarlierText) {
    Program p;
    p.folder.write(QStringLiteral("Language/Bare.txt"), "Bare\r\n3 File\r\n");
    frmForma& f = p.start();
    f.LoadJazik("Bare.txt");
    EXPECT_EQ(f.kReshotkaGotova->text(), QString());
    frmRazmer dialog(p.state, p.fake, &f);
    EXPECT_EQ(dialog.kNO->text(), u("Отмена"));
}

TEST(LanguageWindow, FileThatCannotBeOpenedIsReportedAndChangesNothing) {
    Program p;
    QDir(p.folder.path()).mkpath(QStringLiteral("Language/Folder.txt"));
    p.folder.write(QStringLiteral("Secret.txt"), "Secret\r\n3 Leaked\r\n");
    frmForma& f = p.start();
    const QString title = f.windowTitle();
    const QString options = f.OptionsLanguage->text();

    struct Case {
        const char* file;
        const char* tail;
    };
    for (const Case& c :
         {Case{"Missing.txt", " не найден."}, Case{"Folder.txt", " не удаётся открыть."},
          Case{"../Secret.txt", " не найден."}}) {
        p.fake.messages.clear();
        f.LoadJazik(c.file);
        ASSERT_EQ(p.fake.messages.size(), 1) << c.file;
        const FakePlatform::Message& m = p.fake.messages.front();
        EXPECT_EQ(m.icon, platform::Icon::Critical);
        EXPECT_EQ(m.title, u("Clueforge"));
        EXPECT_EQ(m.text, u("Файл ") + p.languagePath(c.file) + u(c.tail));
    }
    EXPECT_EQ(p.state.settings.LanguageFileName, "Russian.txt");
    EXPECT_EQ(f.windowTitle(), title);
    EXPECT_EQ(f.OptionsLanguage->text(), options);
    EXPECT_EQ(f.File->title(), u("&Файл"));
}

TEST(LanguageDialog, OneLanguage) {
    Program p;
    frmForma& f = p.start();
    frmLang dialog(p.state, p.fake, &f);
    ASSERT_EQ(dialog.DirT->count(), 1);
    EXPECT_EQ(dialog.DirT->item(0)->text(), u("Русский"));
    EXPECT_EQ(dialog.windowTitle(), u("Выбор языка"));
    EXPECT_EQ(dialog.Label1->text(), u("Доступные языки:"));
    EXPECT_EQ(dialog.NO->text(), u("Отмена"));
    EXPECT_EQ(dialog.OK->text(), u("OK"));
    EXPECT_EQ(dialog.Inform->text(), QString());
    dialog.DirT->setCurrentRow(0);
    EXPECT_EQ(dialog.Inform->text(), u("Russian.txt"));
}

TEST(LanguageDialog, ThreeFilesOneUnreadable) {
    Program p;
    p.installLanguage("English.txt");
    p.folder.write(QStringLiteral("Language/notes.md"), "Not a language\r\n");
    ASSERT_TRUE(QFile::link(p.folder.path() + QStringLiteral("gone.txt"),
                            p.folder.path() + QStringLiteral("Language/Broken.txt")));
    frmForma& f = p.start();

    p.chooseLanguage([](frmLang& dialog) {
        EXPECT_EQ(dialog.File->count(), 3);
        ASSERT_EQ(dialog.DirT->count(), 2);
        EXPECT_EQ(dialog.DirT->item(0)->text(), u("English"));
        EXPECT_EQ(dialog.DirT->item(1)->text(), u("Русский"));
        dialog.DirT->setCurrentRow(0);
        EXPECT_EQ(dialog.Inform->text(), u("English.txt"));
        dialog.OK_Click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    });
    EXPECT_EQ(p.state.settings.LanguageFileName, "English.txt");
    EXPECT_EQ(f.OptionsLanguage->text(), u("Language: English"));
    EXPECT_EQ(f.File->title(), u("&File"));

    p.chooseLanguage([](frmLang& dialog) { // now in English
        EXPECT_EQ(dialog.windowTitle(), u("Choose Language"));
        dialog.DirT->setCurrentRow(1);
        EXPECT_EQ(dialog.Inform->text(), u("Russian.txt"));
        emit dialog.DirT->itemDoubleClicked(dialog.DirT->item(1));
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    });
    EXPECT_EQ(p.state.settings.LanguageFileName, "Russian.txt");
    EXPECT_EQ(f.File->title(), u("&Файл"));
    EXPECT_TRUE(p.fake.messages.isEmpty());
}

TEST(LanguageDialog, CancelOrNoSelectionLoadsNothing) {
    Program p;
    p.installLanguage("English.txt");
    frmForma& f = p.start();
    p.chooseLanguage([](frmLang& dialog) {
        dialog.OK_Click(); // nothing selected
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    });
    p.chooseLanguage([](frmLang& dialog) {
        dialog.DirT->setCurrentRow(0);
        dialog.NO->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    });
    EXPECT_EQ(p.state.settings.LanguageFileName, "Russian.txt");
    EXPECT_EQ(f.File->title(), u("&Файл"));
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
        frmForma& f = p.start();
        QFile::remove(p.folder.path() + QStringLiteral("Language/Russian.txt"));
        if (c.removeFolder)
            QDir(p.folder.path()).rmdir(QStringLiteral("Language"));
        frmLang dialog(p.state, p.fake, &f);
        EXPECT_EQ(dialog.DirT->count(), 0);
        EXPECT_EQ(dialog.File->count(), 0);
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
    frmForma& f = p.start();
    EXPECT_TRUE(p.fake.messages.isEmpty());
    p.chooseLanguage([](frmLang& dialog) {
        ASSERT_EQ(dialog.DirT->count(), 3);
        EXPECT_EQ(dialog.DirT->item(0)->text(), u("Deutsch"));
        EXPECT_EQ(dialog.DirT->item(1)->text(), u("My English"));
        EXPECT_EQ(dialog.DirT->item(2)->text(), u("Русский"));
        dialog.DirT->setCurrentRow(1);
        dialog.OK_Click();
    });
    EXPECT_EQ(p.state.settings.LanguageFileName, "English.txt");
    EXPECT_EQ(f.File->title(), u("Document"));
    EXPECT_TRUE(p.fake.messages.isEmpty());
}

TEST(LanguageWindow, TheStandardDialogsFollowTheLoadedLanguage) {
    Program p;
    p.installLanguage("English.txt");
    // A file without the entry leaves them in Qt's English.
    p.folder.write(QStringLiteral("Language/Old.txt"), "Old\r\n3 File\r\n");
    frmForma& f = p.start();
    f.LoadJazik("English.txt");
    f.LoadJazik("Old.txt");
    f.LoadJazik("Missing.txt"); // not loaded: nothing changes
    EXPECT_EQ(p.fake.languages,
              (QStringList{QStringLiteral("ru"), QStringLiteral("en"), QStringLiteral("en")}));
}
