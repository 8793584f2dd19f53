#include "FilesWindow.h"
#include "commands/FileCommands.h"
#include "support/ui/Commands.h"
#include "support/ui/WindowParts.h"

#include "files/PropertiesDialog.h"
#include "files/UnlockDialog.h"
#include "solve/Solving.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>

namespace {

using Properties = FilesWindow;

TEST_F(Properties, OkNeedsTitleAuthorAndTheSamePasswordTwice) {
    CrosswordDocument untitled = house().build();
    untitled.CrosswordTitle.clear();
    untitled.CrosswordAuthor.clear();
    author(untitled);
    struct Case {
        const char* title;
        const char* author;
        const char* pw;
        const char* pw2;
        bool ok;
    };
    for (const Case& c :
         {Case{"Дом", "Иванов", "пароль", "пароль", true},
          Case{"", "Иванов", "пароль", "пароль", false}, Case{"Дом", "", "пароль", "пароль", false},
          Case{"Дом", "Иванов", "", "", false}, Case{"Дом", "Иванов", "пароль", "Пароль", false},
          Case{"Дом", "Иванов", "пароль", "", false}}) {
        PropertiesDialog dialog(p.state, fake(), form,
                                actionNamed(*form, "propertiesAction")->text());
        EXPECT_FALSE(dialog.okButton->isEnabled());
        dialog.titleEdit->setText(u(c.title));
        dialog.authorEdit->setText(u(c.author));
        dialog.passwordEdit->setText(u(c.pw));
        dialog.passwordRepeatEdit->setText(u(c.pw2));
        EXPECT_EQ(dialog.okButton->isEnabled(), c.ok)
            << c.title << '|' << c.author << '|' << c.pw << '|' << c.pw2;
    }
}

TEST_F(Properties, ShowsTheCrosswordWithItsPasswordMasked) {
    author(house().build());
    fake().onDialog<PropertiesDialog>([&](PropertiesDialog& dialog) {
        EXPECT_EQ(actionNamed(*form, "propertiesAction")->text(), u("P&roperties"));
        EXPECT_EQ(dialog.windowTitle(), u("Properties")); // without the mnemonic mark
        EXPECT_EQ(dialog.titleEdit->text(), u("Дом"));
        EXPECT_EQ(dialog.authorEdit->text(), u("Иванов"));
        EXPECT_EQ(dialog.passwordEdit->text(), u("Секрет"));
        EXPECT_EQ(dialog.passwordRepeatEdit->text(), u("Секрет"));
        EXPECT_TRUE(dialog.okButton->isEnabled());
        EXPECT_TRUE(dialog.okButton->isDefault());
        for (QLineEdit* box : {dialog.passwordEdit, dialog.passwordRepeatEdit}) {
            EXPECT_EQ(box->echoMode(), QLineEdit::Password);
            box->ensurePolished();
            EXPECT_EQ(box->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, box),
                      '*');
        }
        EXPECT_EQ(dialog.titleEdit->echoMode(), QLineEdit::Normal);
        EXPECT_EQ(dialog.Label3->text(), u("Password:"));
        EXPECT_EQ(dialog.Label3->buddy(), dialog.passwordEdit);
        EXPECT_EQ(dialog.cancelButton->text(), u("Cancel"));
        dialog.cancelButton->click();
    });
    commandsOf<FileCommands>(*form).editProperties();
}

TEST_F(Properties, OkStoresTheScrambledPasswordUnderTheTitlesTables) {
    struct Case {
        const char* title;
        const char* author;
        const char* password;
        bool changed;
    };
    for (const Case& c :
         {Case{"Дом", "Иванов", "Секрет", false}, Case{"Дом", "Петров", "Секрет", true},
          Case{"Дом", "Иванов", "другой", true}, Case{"Дом 2", "Иванов", "Секрет", true}}) {
        author(house().build());
        doc().Modified = false;
        const ScrambleTables before = doc().Scramble;
        PropertiesDialog dialog(p.state, fake(), form,
                                actionNamed(*form, "propertiesAction")->text());
        dialog.titleEdit->setText(u(c.title));
        dialog.authorEdit->setText(u(c.author));
        dialog.passwordEdit->setText(u(c.password));
        dialog.passwordRepeatEdit->setText(u(c.password));
        dialog.okButton->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        const QByteArray title = cp1251::fromUnicode(u(c.title));
        EXPECT_EQ(doc().CrosswordTitle, title);
        EXPECT_EQ(doc().CrosswordAuthor, cp1251::fromUnicode(u(c.author)));
        EXPECT_EQ(doc().Scramble, BuildScrambleTables(title));
        EXPECT_EQ(doc().Scramble == before, title == cp(u"Дом")) << c.title;
        EXPECT_EQ(doc().CrosswordPassword,
                  ScrambleText(doc().Scramble, cp1251::fromUnicode(u(c.password))));
        EXPECT_EQ(doc().Modified, c.changed) << c.title << ' ' << c.author << ' ' << c.password;
        EXPECT_EQ(doc().Mode, EditMode::ModeAuthor);
    }
}

TEST_F(Properties, EscapeCancelsOnlyFromTheNameBoxes) {
    for (auto box : {&PropertiesDialog::titleEdit, &PropertiesDialog::authorEdit}) {
        author(house().build());
        bool stayedOpen = false;
        fake().onDialog<PropertiesDialog>([&](PropertiesDialog& d) {
            d.authorEdit->setText(u("Петров"));
            d.passwordRepeatEdit->setText(u("другой"));
            QTest::keyClick(d.passwordEdit, Qt::Key_Escape);
            QTest::keyClick(d.passwordRepeatEdit, Qt::Key_Escape);
            stayedOpen = d.isVisible();
            QTest::keyClick(d.*box, Qt::Key_Escape);
            if (d.isVisible()) {
                ADD_FAILURE() << "Escape did not close the dialog";
                d.reject();
            }
        });
        commandsOf<FileCommands>(*form).editProperties();
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(doc().CrosswordAuthor, cp(u"Иванов"));
        EXPECT_EQ(doc().CrosswordPassword, ScrambleText(doc().Scramble, cp(u"Секрет")));
    }
}

TEST_F(Properties, SavingWithoutTitleOrAuthorAsksForThemFirst) {
    for (bool confirm : {false, true}) {
        CrosswordDocument anonymous = house().build();
        anonymous.CrosswordAuthor.clear();
        author(anonymous);
        fake().fileDialogs.clear();
        fake().onDialog<PropertiesDialog>([&](PropertiesDialog& d) {
            if (!confirm) {
                d.cancelButton->click();
                return;
            }
            d.authorEdit->setText(u("Петров"));
            d.okButton->click();
        });
        fake().paths.push_back(at(u("saved.cfw")));
        commandsOf<FileCommands>(*form).save();
        EXPECT_EQ(fake().fileDialogs.size(), confirm ? 1 : 0);
        EXPECT_EQ(doc().CrosswordPath.isEmpty(), !confirm);
        fake().paths.clear();
    }
    CrosswordDocument saved;
    ASSERT_EQ(ReadCrosswordFile(at(u("saved.cfw")), saved).status, FileStatus::Ok);
    EXPECT_EQ(saved.CrosswordAuthor, cp(u"Петров"));
}

class PasswordPromptTest : public FilesWindow {
protected:
    // The house crossword being solved in the right-to-left style, one word found, unsaved.
    void SetUp() override {
        FilesWindow::SetUp();
        writeCrossword(at(u("Дом.cfw")), house().build());
        p.state.settings.ChosenStyle = 1;
        open(at(u("Дом.cfw")));
        ASSERT_EQ(p.state.session.shownStyle(), 1);
        // Typed as it reads from right to left.
        ASSERT_TRUE(CheckSolverAnswer(doc(), cp(u"ток"), 1).hit);
        ASSERT_EQ(doc().SolvedFlags.at(1, 0), 1);
        doc().Modified = true;
        fake().answers.push_back(platform::Answer::No); // leave the answers unsaved
    }
};

TEST_F(PasswordPromptTest, WrongPasswordIsRefusedAndTheRightOneSwitchesToEditing) {
    bool stayedOpen = false;
    fake().onDialog<UnlockDialog>([&](UnlockDialog& d) {
        EXPECT_EQ(d.passwordEdit->echoMode(), QLineEdit::Password);
        EXPECT_EQ(d.windowTitle(), u("Edit"));
        for (const char* wrong : {"секрет", "", "Секрет "}) {
            d.passwordEdit->setText(u(wrong));
            d.okButton->click();
        }
        stayedOpen = d.isVisible() && doc().Mode == EditMode::ModeSolve;
        d.passwordEdit->setText(u("Секрет"));
        d.okButton->click();
        if (d.isVisible()) {
            ADD_FAILURE() << "the right password did not close the dialog";
            d.reject();
        }
    });
    commandsOf<FileCommands>(*form).unlock();
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(fake().messages.size(), 4); // the unsaved-answers question, three refusals
    for (int i = 1; i < 4; ++i) {
        EXPECT_EQ(fake().messages[i].text, u("Wrong password."));
        EXPECT_EQ(fake().messages[i].icon, platform::Icon::Information);
    }
    EXPECT_EQ(doc().Mode, EditMode::ModeAuthor);
    EXPECT_EQ(p.state.session.shownStyle(), 0);
    EXPECT_EQ(doc().SolvedCount, 0);
    EXPECT_EQ(doc().SolvedFlags.at(1, 0), 0);
    EXPECT_FALSE(doc().Modified);
    EXPECT_EQ(form->windowTitle(), u("Clueforge — entering words and clues"));
    EXPECT_EQ(part::clueEditLabel(*form)->text(), u("Clue:"));
    EXPECT_EQ(part::wordCountLabel(*form)->text(), u("Words: 4"));
    EXPECT_TRUE(part::clueEdit(*form)->isVisible());
    // The classic style again, with every answer of the author shown.
    EXPECT_EQ(doc().ShownSlotTable.at(3, 1, 0), 2);
    EXPECT_EQ(fixtures::shownLetters(doc(), 3, 0), cp(u"ТОК"));
}

TEST_F(PasswordPromptTest, CancelKeepsSolving) {
    fake().onDialog<UnlockDialog>([](UnlockDialog& d) {
        d.passwordEdit->setText(QStringLiteral("x"));
        QTest::keyClick(d.passwordEdit, Qt::Key_Escape);
        if (d.isVisible()) {
            ADD_FAILURE() << "Escape did not close the dialog";
            d.reject();
        }
    });
    commandsOf<FileCommands>(*form).unlock();
    EXPECT_EQ(doc().Mode, EditMode::ModeSolve);
    EXPECT_EQ(doc().SolvedFlags.at(1, 0), 1);
    EXPECT_EQ(p.state.session.shownStyle(), 1);
    EXPECT_EQ(fake().messages.size(), 1);
}

} // namespace
