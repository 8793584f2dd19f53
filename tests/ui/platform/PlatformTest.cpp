#include "platform/Platform.h"
#include "grid/PictureBox.h"
#include "platform/QtPlatform.h"
#include "support/ui/ModalDialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(FileFilter, NulSeparatedPairsBecomeQtFilters) {
    using platform::qtFileFilter;
    const QChar nul(0);
    EXPECT_EQ(qtFileFilter(QStringLiteral("Crossword (*.cfw)") + nul + QStringLiteral("*.cfw") +
                           nul + QStringLiteral("All Files (*.*)") + nul + QStringLiteral("*.*")),
              QStringLiteral("Crossword (*.cfw);;All Files (*.*)"));
    EXPECT_EQ(qtFileFilter(QStringLiteral("HTML Document (*.htm; *.html)") + nul +
                           QStringLiteral("*.htm;*.html")),
              QStringLiteral("HTML Document (*.htm *.html)"));
    // A caption without patterns, or with an ampersand, still filters by its patterns.
    EXPECT_EQ(qtFileFilter(QStringLiteral("&Answers") + nul + QStringLiteral("*.otv")),
              QStringLiteral("&Answers (*.otv)"));
    EXPECT_EQ(qtFileFilter(QString()), QString());
}

TEST(PictureBox, LinesLeaveOutTheirEndPointAndBoxesIncludeBothCorners) {
    PictureBox pic;
    pic.setBackColor(Qt::white);
    pic.setPictureSize(20, 20);
    pic.clear();
    pic.line(2, 3, 8, 3, Qt::black);
    EXPECT_EQ(pic.pixel(2, 3), QColor(Qt::black));
    EXPECT_EQ(pic.pixel(7, 3), QColor(Qt::black));
    EXPECT_EQ(pic.pixel(8, 3), QColor(Qt::white));
    pic.fillBox(10, 10, 12, 11, Qt::green);
    EXPECT_EQ(pic.pixel(10, 10), QColor(Qt::green));
    EXPECT_EQ(pic.pixel(12, 11), QColor(Qt::green));
    EXPECT_EQ(pic.pixel(13, 11), QColor(Qt::white));
    EXPECT_EQ(pic.pixel(12, 12), QColor(Qt::white));
    pic.box(14, 14, 18, 18, Qt::red);
    EXPECT_EQ(pic.pixel(18, 18), QColor(Qt::red));
    EXPECT_EQ(pic.pixel(14, 16), QColor(Qt::red));
    EXPECT_EQ(pic.pixel(16, 16), QColor(Qt::white));
    EXPECT_FALSE(pic.pixel(20, 0).isValid());
    EXPECT_FALSE(pic.pixel(-1, 0).isValid());
}

TEST(PictureBox, ResizingKeepsWhatFitsAndClearingUsesTheBackground) {
    PictureBox pic;
    pic.setBackColor(Qt::blue);
    pic.setPictureSize(10, 10);
    pic.clear();
    pic.fillBox(0, 0, 4, 4, Qt::red);
    pic.setPictureSize(30, 5);
    EXPECT_EQ(pic.size(), QSize(30, 5));
    EXPECT_EQ(pic.pixel(4, 4), QColor(Qt::red));
    EXPECT_EQ(pic.pixel(29, 0), QColor(Qt::blue));
    pic.clear();
    EXPECT_EQ(pic.pixel(4, 4), QColor(Qt::blue));
}

TEST(PictureBox, CopiesBandsAndSavesReadableBitmaps) {
    PictureBox strip;
    strip.setBackColor(Qt::white);
    strip.setPictureSize(10, 4);
    strip.clear();
    strip.fillBox(5, 0, 9, 3, Qt::yellow);
    PictureBox target;
    target.setBackColor(Qt::black);
    target.setPictureSize(20, 20);
    target.clear();
    target.copyBand(strip, 5, 0, 5, 4, 7, 7);
    EXPECT_EQ(target.pixel(7, 7), QColor(Qt::yellow));
    EXPECT_EQ(target.pixel(11, 10), QColor(Qt::yellow));
    EXPECT_EQ(target.pixel(12, 10), QColor(Qt::black));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("grid.bmp"));
    ASSERT_TRUE(target.saveBmp(path));
    const QImage back(path);
    ASSERT_EQ(back.size(), QSize(20, 20));
    EXPECT_EQ(QColor(back.pixel(7, 7)), QColor(Qt::yellow));
    EXPECT_EQ(QColor(back.pixel(0, 0)), QColor(Qt::black));
    EXPECT_FALSE(target.saveBmp(dir.filePath(QStringLiteral("missing/folder/x.bmp"))));
}

TEST(PictureBox, PrintsTextInItsFontAndColour) {
    PictureBox pic;
    pic.setBackColor(Qt::white);
    pic.setPictureSize(60, 40);
    pic.clear();
    pic.setForeColor(Qt::red);
    QFont font;
    font.setPixelSize(20);
    pic.setPictureFont(font);
    EXPECT_GT(pic.textWidth(QStringLiteral("W")), 0);
    EXPECT_GT(pic.textHeight(QStringLiteral("W")), 10);
    pic.printText(5, 5, QStringLiteral("W"));
    int red = 0;
    for (int x = 0; x < 60; ++x)
        for (int y = 0; y < 40; ++y)
            if (pic.pixel(x, y).red() > 200 && pic.pixel(x, y).green() < 100) {
                ++red;
                EXPECT_GE(x, 5);
                EXPECT_GE(y, 5);
            }
    EXPECT_GT(red, 10);
}

namespace {

// The buttons of the message box QtPlatform shows, read while it is up; it is then answered No.
QStringList shownButtons(platform::QtPlatform& desktop) {
    QStringList texts;
    whenShown<QMessageBox>([&texts](QMessageBox& box) {
        for (QAbstractButton* button : box.buttons())
            texts.append(button->text().remove(u'&'));
        box.button(QMessageBox::No)->click();
    });
    const platform::Answer answer = desktop.messageBox(
        nullptr, QStringLiteral("?"), QStringLiteral("Clueforge"), platform::Icon::Warning,
        platform::Buttons::YesNoCancel, platform::Answer::Yes);
    EXPECT_EQ(answer, platform::Answer::No);
    texts.sort();
    return texts;
}

} // namespace

TEST(QtPlatformDialogs, RunDialogRunsItModallyAndAnswersItsResult) {
    platform::QtPlatform desktop;
    for (const int result : {int(QDialog::Accepted), int(QDialog::Rejected)}) {
        QDialog dialog;
        bool modal = false;
        whenShown<QDialog>([&](QDialog& shown) {
            modal = &shown == &dialog;
            shown.done(result);
        });
        EXPECT_EQ(desktop.runDialog(dialog), result);
        EXPECT_TRUE(modal);
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST(QtPlatformLanguage, MessageBoxButtonsFollowTheLanguageOfTheProgram) {
    platform::QtPlatform desktop;
    const QStringList english{QStringLiteral("Cancel"), QStringLiteral("No"),
                              QStringLiteral("Yes")};
    EXPECT_EQ(shownButtons(desktop), english);
    desktop.setLanguage(QStringLiteral("ru"));
    EXPECT_EQ(shownButtons(desktop), (QStringList{QStringLiteral(u"Да"), QStringLiteral(u"Нет"),
                                                  QStringLiteral(u"Отмена")}))
        << "qt6-translations-l10n installed?";
    desktop.setLanguage(QStringLiteral("en"));
    EXPECT_EQ(shownButtons(desktop), english);
    // A name that is no locale, or one without a translation, leaves Qt's English.
    for (const char* name : {"../../etc/passwd", "", "xx"}) {
        desktop.setLanguage(QLatin1String(name));
        EXPECT_EQ(shownButtons(desktop), english) << name;
    }
}

// The preview starts on A4 portrait with 15 mm margins and paints through the callback; its
// print button paints the printer, and a printer that cannot be painted on is a failure.
TEST(QtPlatformPrint, PreviewAndPrinterArePaintedThroughTheCallback) {
    platform::QtPlatform desktop;
    QTemporaryDir dir;
    QList<QPageLayout> layouts;
    QStringList names;
    const auto paint = [&](QPagedPaintDevice& device) {
        layouts.append(device.pageLayout());
        if (auto* printer = dynamic_cast<QPrinter*>(&device))
            names.append(printer->docName());
        QPainter p;
        if (!p.begin(&device))
            return false;
        p.drawRect(0, 0, 100, 100);
        return p.end();
    };
    const auto printTo = [](const QString& path) {
        whenShown<QPrintPreviewDialog>([path](QPrintPreviewDialog& preview) {
            preview.printer()->setOutputFormat(QPrinter::PdfFormat);
            preview.printer()->setOutputFileName(path);
            whenShown<QPrintDialog>([](QPrintDialog& print) { print.accept(); });
            for (QAction* a : preview.findChildren<QAction*>())
                if (a->text() == QStringLiteral("Print")) {
                    a->trigger();
                    return;
                }
            ADD_FAILURE() << "no print button";
            preview.reject();
        });
    };

    whenShown<QPrintPreviewDialog>([](QPrintPreviewDialog& preview) { preview.reject(); });
    EXPECT_EQ(desktop.print(nullptr, QStringLiteral("Doc"), paint),
              platform::PrintResult::Cancelled);
    ASSERT_FALSE(layouts.isEmpty()); // the preview was painted
    EXPECT_EQ(layouts[0].pageSize().id(), QPageSize::A4);
    EXPECT_EQ(layouts[0].orientation(), QPageLayout::Portrait);
    EXPECT_EQ(layouts[0].margins(QPageLayout::Millimeter), QMarginsF(15, 15, 15, 15));
    EXPECT_EQ(names.value(0), QStringLiteral("Doc"));

    const QString pdf = dir.filePath(QStringLiteral("printed.pdf"));
    printTo(pdf);
    EXPECT_EQ(desktop.print(nullptr, QStringLiteral("Doc"), paint), platform::PrintResult::Printed);
    QFile printed(pdf);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    EXPECT_TRUE(printed.read(5).startsWith("%PDF-"));

    printTo(dir.path()); // a folder: no file can be written there
    EXPECT_EQ(desktop.print(nullptr, QStringLiteral("Doc"), paint), platform::PrintResult::Failed);
}
