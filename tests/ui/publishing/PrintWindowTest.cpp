#include "ExportFolder.h"
#include "commands/PublishingCommands.h"
#include "grid/GridView.h"
#include "support/ui/Commands.h"

#include "grid/FieldGeometry.h"
#include "publishing/PrintOptionsDialog.h"
#include "text/CodePage.h"

#include "support/FileBytes.h"
#include "support/FilledCrossword.h"
#include "support/PdfFile.h"
#include "support/ui/WindowParts.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgRenderer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The program started in Russian with a small crossword being authored: КОТ and ТОК across,
// КИТ and ТОК down around a black centre.
class PrintWindow : public ExportFolder {
protected:
    void SetUp() override {
        ExportFolder::SetUp();
        doc() = houseCrossword().build();
        ASSERT_EQ(doc().Mode, EditMode::ModeAuthor);
        program.state.session.showForSetup(0);
        part::gridView(form())->drawGrid();
        form().updateControlsForMode();
    }

    MainWindow& form() { return *program.form; }

    // The options dialog of the pages answers OK with the answers page on or off; `shown`
    // receives whether it was on when the dialog opened.
    void pagesOptions(bool answers, bool* shown = nullptr) {
        fake().onDialog<PrintOptionsDialog>([answers, shown](PrintOptionsDialog& d) {
            ASSERT_NE(d.answersCheck, nullptr);
            EXPECT_EQ(d.emptyGridOption, nullptr);
            if (shown)
                *shown = d.answersCheck->isChecked();
            d.answersCheck->setChecked(answers);
            d.okButton->click();
        });
    }
    void cancelOptions() {
        fake().onDialog<PrintOptionsDialog>([](PrintOptionsDialog& d) { d.cancelButton->click(); });
    }
    void gridOptions(bool filled) {
        fake().onDialog<PrintOptionsDialog>([filled](PrintOptionsDialog& d) {
            ASSERT_NE(d.filledGridOption, nullptr);
            EXPECT_EQ(d.answersCheck, nullptr);
            EXPECT_TRUE(d.emptyGridOption->isChecked()); // the empty grid unless asked otherwise
            (filled ? d.filledGridOption : d.emptyGridOption)->click();
            d.okButton->click();
        });
    }
};

} // namespace

TEST_F(PrintWindow, PrintsThePagesWithTheCrosswordsTextsAndTheAnswersWhenAsked) {
    EXPECT_EQ(actionNamed(form(), "printAction")->text(), u"Печа&ть..."_s);
    EXPECT_EQ(actionNamed(form(), "exportPdfAction")->text(), u"Экспорт в P&DF..."_s);
    EXPECT_EQ(actionNamed(form(), "exportSvgAction")->text(), u"Экспорт сетки в S&VG..."_s);
    for (const bool answers : {false, true}) {
        SCOPED_TRACE(answers);
        const QString pdf = outPath(answers ? u"answers.pdf"_s : u"plain.pdf"_s);
        fake().onDialog<PrintOptionsDialog>([answers](PrintOptionsDialog& d) {
            EXPECT_EQ(d.windowTitle(), u"Печать"_s);
            EXPECT_EQ(d.answersCheck->text(), u"Ответы на отдельной последней странице"_s);
            EXPECT_EQ(d.cancelButton->text(), u"Отмена"_s);
            d.answersCheck->setChecked(answers);
            d.okButton->click();
        });
        fake().printTo.push_back(pdf);
        actionNamed(form(), "printAction")->trigger();

        EXPECT_TRUE(fake().messages.isEmpty());
        EXPECT_EQ(fake().printed.last(), u"Дом"_s);
        EXPECT_EQ(pdffile::pageCount(pdf), answers ? 2 : 1);
        const QString text = pdffile::text(pdf);
        for (const QString& expected :
             {u"Дом"_s, u"Иванов"_s, u"По горизонтали"_s, u"По вертикали"_s, u"Домашний зверь"_s})
            EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
        // The language's "По горизонтали:" heads the printed list without its colon.
        EXPECT_FALSE(text.contains(u"По горизонтали:"_s));
        EXPECT_EQ(text.contains(u"Ответы"_s), answers);
    }
    EXPECT_TRUE(fake().fileDialogs.isEmpty());
}

TEST_F(PrintWindow, ACancelledPrintSaysNothingAndAFailedOneSaysSo) {
    // The preview closed without printing.
    pagesOptions(false);
    fake().printTo.push_back(QString());
    commandsOf<PublishingCommands>(form()).printCrossword();
    EXPECT_EQ(fake().printed.size(), 1);
    EXPECT_TRUE(fake().messages.isEmpty());

    // A printer that cannot be painted on: here a PDF printer whose file is a folder.
    pagesOptions(false);
    fake().printTo.push_back(out.path());
    commandsOf<PublishingCommands>(form()).printCrossword();
    ASSERT_EQ(fake().messages.size(), 1);
    EXPECT_EQ(fake().messages[0].icon, platform::Icon::Critical);
    EXPECT_EQ(fake().messages[0].text, u"Кроссворд не удалось напечатать."_s);

    // An untitled crossword is queued under the program's name.
    doc().CrosswordTitle.clear();
    pagesOptions(false);
    commandsOf<PublishingCommands>(form()).printCrossword();
    EXPECT_EQ(fake().printed.last(), cp1251::toUnicode(program.state.MessageTitle));
}

TEST_F(PrintWindow, ExportsAPdfWithTheAnswersPageTheOptionsAskFor) {
    doc().CrosswordPath = u"/somewhere/Дом.cfw"_s;
    const struct {
        const char16_t* chosen;
        const char16_t* written;
        bool answers;
    } cases[] = {{u"dom", u"dom.pdf", false},
                 {u"dom.pdf", u"dom.pdf", true}, // replaces the first: asked, Yes
                 {u"dom.v2", u"dom.v2", false}};
    fake().answers = {platform::Answer::Yes};
    for (const auto& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.chosen).toStdString());
        fake().messages.clear();
        pagesOptions(c.answers);
        fake().paths.push_back(outPath(QString::fromUtf16(c.chosen)));
        actionNamed(form(), "exportPdfAction")->trigger();

        const FakePlatform::FileDialog& dialog = fake().fileDialogs.last();
        EXPECT_TRUE(dialog.save);
        EXPECT_EQ(dialog.defaultName, u"Дом"_s);
        EXPECT_EQ(dialog.filter, u"PDF Document (*.pdf)"_s + QChar(0) + u"*.pdf"_s + QChar(0) +
                                     u"All Files (*.*)"_s + QChar(0) + u"*.*"_s);
        const QString written = outPath(QString::fromUtf16(c.written));
        EXPECT_EQ(pdffile::pageCount(written), c.answers ? 2 : 1);
        // Only the file that was there already is asked about.
        EXPECT_EQ(fake().messages.size(), c.answers ? 1 : 0);
        for (const FakePlatform::Message& m : fake().messages) {
            EXPECT_EQ(m.icon, platform::Icon::Warning);
            EXPECT_TRUE(m.text.startsWith(u"Файл "_s + QDir::toNativeSeparators(written)));
        }
    }
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files).size(), 2);
}

TEST_F(PrintWindow, NothingIsWrittenWhenTheUserBacksOut) {
    const QString existing = outPath(u"mine.pdf"_s);
    {
        QFile f(existing);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("mine");
    }
    enum class Out { Options, SaveDialog, KeepExisting };
    for (const Out step : {Out::Options, Out::SaveDialog, Out::KeepExisting}) {
        SCOPED_TRACE(static_cast<int>(step));
        fake().fileDialogs.clear();
        fake().messages.clear();
        for (QAction* command :
             {actionNamed(form(), "exportPdfAction"), actionNamed(form(), "exportSvgAction")}) {
            const bool pdf = command == actionNamed(form(), "exportPdfAction");
            if (step == Out::Options)
                cancelOptions();
            else if (pdf)
                pagesOptions(true);
            else
                gridOptions(true);
            if (step == Out::SaveDialog)
                fake().paths.push_back(QString());
            if (step == Out::KeepExisting) {
                fake().paths.push_back(pdf ? existing : outPath(u"mine.svg"_s));
                fake().answers.push_back(platform::Answer::No);
                if (!pdf)
                    QFile::copy(existing, outPath(u"mine.svg"_s));
            }
            command->trigger();
        }
        EXPECT_EQ(fake().fileDialogs.size(), step == Out::Options ? 0 : 2);
        EXPECT_EQ(fake().messages.size(), step == Out::KeepExisting ? 2 : 0);
        EXPECT_EQ(fileBytes(existing), "mine");
        EXPECT_EQ(QDir(out.path()).entryList(QDir::Files).size(),
                  step == Out::KeepExisting ? 2 : 1);
        // A cancelled choice is not remembered.
        EXPECT_EQ(program.state.settings.PrintAnswers, step != Out::Options);
        QFile::remove(outPath(u"mine.svg"_s));
        program.state.settings.PrintAnswers = false;
    }
}

TEST_F(PrintWindow, AFileThatCannotBeWrittenIsReported) {
    const QByteArray denied = program.state.language.entry(LangEntry::AccessDenied);
    ASSERT_FALSE(denied.isEmpty());
    for (QAction* command :
         {actionNamed(form(), "exportPdfAction"), actionNamed(form(), "exportSvgAction")}) {
        const bool pdf = command == actionNamed(form(), "exportPdfAction");
        SCOPED_TRACE(pdf ? "pdf" : "svg");
        fake().messages.clear();
        pdf ? pagesOptions(false) : gridOptions(false);
        const QString chosen = outPath(u"missing/x"_s);
        fake().paths.push_back(chosen);
        command->trigger();
        ASSERT_EQ(fake().messages.size(), 1);
        EXPECT_EQ(fake().messages[0].icon, platform::Icon::Critical);
        EXPECT_EQ(fake().messages[0].text,
                  u"Файл "_s + QDir::toNativeSeparators(chosen + (pdf ? u".pdf"_s : u".svg"_s)) +
                      QLatin1Char(' ') + cp1251::toUnicode(denied));
    }
    EXPECT_TRUE(QDir(out.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(PrintWindow, ExportsTheGridAsAnSvgPictureEmptyOrFilled) {
    const QSize size = FieldGeometry(program.state.settings.CellSize, 3, 3, 0).closedSize();
    for (const bool filled : {false, true}) {
        SCOPED_TRACE(filled);
        const QString name = filled ? u"filled"_s : u"empty"_s;
        gridOptions(filled);
        fake().paths.push_back(outPath(name));
        actionNamed(form(), "exportSvgAction")->trigger();
        ASSERT_TRUE(fake().messages.isEmpty());
        EXPECT_EQ(fake().fileDialogs.last().filter, u"SVG Image (*.svg)"_s + QChar(0) + u"*.svg"_s +
                                                        QChar(0) + u"All Files (*.*)"_s + QChar(0) +
                                                        u"*.*"_s);
        const QString path = outPath(name + u".svg"_s);
        QSvgRenderer svg(path);
        ASSERT_TRUE(svg.isValid());
        // The picture's own coordinates; its width and height are the writer's millimetres.
        EXPECT_EQ(svg.viewBoxF(), QRectF(QPointF(0, 0), QSizeF(size)));
        const QString text = QString::fromUtf8(fileBytes(path));
        EXPECT_TRUE(text.contains(u"Дом"_s)); // its title
        EXPECT_EQ(text.contains(u"К"_s), filled);
    }
}

TEST_F(PrintWindow, TheAnswersChoiceIsRememberedInTheSettingsFile) {
    const QString ini = program.state.SettingsFolder + QLatin1String(Settings::kFileName);
    const struct {
        bool tick;
        bool shownBefore; // as the dialog opened
        int lines;        // of the settings file written at the end
    } steps[] = {{true, false, 12}, {false, true, 11}, {true, false, 12}};
    for (const auto& s : steps) {
        bool shown = !s.shownBefore;
        pagesOptions(s.tick, &shown);
        fake().paths.push_back(outPath(u"x.pdf"_s));
        fake().answers.push_back(platform::Answer::Yes);
        actionNamed(form(), "exportPdfAction")->trigger();
        EXPECT_EQ(shown, s.shownBefore);
        EXPECT_EQ(program.state.settings.PrintAnswers, s.tick);
        form().saveSettingsFile();
        const QByteArray written = fileBytes(ini);
        EXPECT_EQ(written.count("\r\n"), s.lines);
        EXPECT_EQ(written.endsWith(" 0 \r\nTrue\r\n"), s.tick);
    }
}

TEST_F(PrintWindow, OnlyACrosswordWrittenOrSolvedIsPrintedOrExported) {
    // The solver's paper copy is tried in the solving tests.
    for (const EditMode mode : {EditMode::ModeIncomplete, EditMode::ModeOpenFailed,
                                EditMode::ModeAuthorNoAnswers, EditMode::ModeDrawGrid}) {
        doc().Mode = mode;
        form().updateControlsForMode();
        for (QAction* command :
             {actionNamed(form(), "printAction"), actionNamed(form(), "exportPdfAction"),
              actionNamed(form(), "exportSvgAction")})
            EXPECT_FALSE(command->isEnabled());
        commandsOf<PublishingCommands>(form()).printCrossword();
        commandsOf<PublishingCommands>(form()).exportPdf();
        commandsOf<PublishingCommands>(form()).exportSvg();
    }
    EXPECT_TRUE(fake().ranDialogs.isEmpty());
    EXPECT_TRUE(fake().printed.isEmpty());
    EXPECT_TRUE(fake().fileDialogs.isEmpty());
}
