#include "app/AboutDialog.h"
#include "app/AppState.h"
#include "app/MainWindow.h"
#include "grid/PictureBox.h"

#include "support/LanguageEntries.h"
#include "support/ProgramFolder.h"
#include "support/ui/FakePlatform.h"
#include "support/ui/WindowParts.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Notes the main window's pointer while the document is handed over.
class CursorWatchingPlatform : public FakePlatform {
public:
    QWidget* watched = nullptr;
    QList<Qt::CursorShape> cursors;
    void openDocument(const QString& target, const QString& workingFolder) override {
        if (watched)
            cursors.append(watched->cursor().shape());
        FakePlatform::openDocument(target, workingFolder);
    }
};

struct Fixture {
    TempProgramFolder folder;
    AppState state{folder.path()};
    CursorWatchingPlatform fake;
    MainWindow form{state, fake};
    Fixture() { fake.watched = &form; }
};

QString withoutTrailingSeparator(QString folder) {
    folder.chop(1);
    return folder;
}

} // namespace

TEST(Help, OpensTheDocumentTheLanguageNamesInTheProgramFolder) {
    const struct {
        QByteArray entry1;
        QString target; // after ProgramFolder
    } cases[] = {
        {"Clueforge.ru.htm", QStringLiteral("Clueforge.ru.htm")},
        {"Help\\guide.htm", QStringLiteral("Help/guide.htm")},
        {"", QString()}, // the folder itself
    };
    for (const auto& c : cases) {
        Fixture f;
        setEntries(f.state.language, {{LangEntry::HelpFile, c.entry1}});
        part::helpAction(f.form)->trigger();
        ASSERT_EQ(f.fake.opened.size(), 1) << c.entry1.constData();
        EXPECT_EQ(f.fake.opened[0].target, f.state.ProgramFolder + c.target);
        EXPECT_EQ(f.fake.opened[0].workingFolder, withoutTrailingSeparator(f.state.ProgramFolder));
        EXPECT_EQ(f.fake.cursors, QList<Qt::CursorShape>{Qt::WaitCursor});
        EXPECT_EQ(f.form.cursor().shape(), Qt::ArrowCursor);
    }
}

TEST(ProgramInformation, ShowsItsFixedTextsAndEmblem) {
    Fixture f;
    setEntries(f.state.language, {{LangEntry::AboutProgram, "About"}}); // never used here
    AboutDialog dialog(f.state, f.fake, &f.form);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(u"О программе"));
    const struct {
        const char* name;
        QString text;
    } labels[] = {
        {"Label2_0", QStringLiteral(u"Дата: 25 мая 2004 год -")},
        {"Label2_1", QStringLiteral(u"9 ноября 2009 год")},
        {"Label2_3", QStringLiteral(u"Автор: Clueforge developers")},
        {"Label2_4", QStringLiteral(u"E-mail: team@clueforge.example")},
        {"Label2_5", QStringLiteral(u"Сайт:")},
        {"Label2_6", QStringLiteral(u"Версия: v6.3")},
    };
    for (const auto& l : labels) {
        auto* label = dialog.findChild<QLabel*>(QLatin1String(l.name));
        ASSERT_NE(label, nullptr) << l.name;
        EXPECT_EQ(label->text(), l.text) << l.name;
    }
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("Label2_2")), nullptr);
    EXPECT_EQ(dialog.OK->text(), QStringLiteral("OK"));

    ASSERT_EQ(dialog.Picture1->pictureWidth(), 80);
    ASSERT_EQ(dialog.Picture1->pictureHeight(), 45);
    const struct {
        int x, y;
        QColor color;
    } pixels[] = {
        {0, 0, Qt::white},           {79, 14, Qt::white},        {0, 15, QColor(0, 0, 255)},
        {79, 30, QColor(0, 0, 255)}, {0, 31, QColor(255, 0, 0)}, {79, 44, QColor(255, 0, 0)},
    };
    for (const auto& p : pixels)
        EXPECT_EQ(dialog.Picture1->pixel(p.x, p.y), p.color) << p.x << "," << p.y;
}

TEST(ProgramInformation, TheLinkOpensTheSiteAndOkCloses) {
    Fixture f;
    AboutDialog dialog(f.state, f.fake, &f.form);
    dialog.show();
    EXPECT_EQ(dialog.Picture1->size(), QSize(80, 45)); // the layout keeps the emblem whole
    f.fake.watched = &dialog;
    QTest::mouseClick(dialog.Label1, Qt::LeftButton);
    ASSERT_EQ(f.fake.opened.size(), 1);
    EXPECT_EQ(f.fake.opened[0].target, dialog.Label1Tag);
    EXPECT_TRUE(dialog.Label1Tag.startsWith(QStringLiteral("https://")));
    EXPECT_EQ(f.fake.cursors, QList<Qt::CursorShape>{Qt::WaitCursor});

    QTest::mouseClick(dialog.OK, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(ProgramInformation, HelpAboutRunsIt) {
    Fixture f;
    bool shown = false;
    f.fake.onDialog<AboutDialog>([&](AboutDialog& dialog) {
        shown = dialog.isVisible();
        EXPECT_EQ(dialog.parentWidget(), &f.form);
        dialog.OK->click();
    });
    part::aboutAction(f.form)->trigger();
    EXPECT_TRUE(shown);
    EXPECT_EQ(f.fake.ranDialogs, QStringList{QStringLiteral("AboutDialog")});
}
