// Renders the window in fixed set-ups into PNG files, so that a change meant to keep the look can
// be compared pixel by pixel with the build before it (scripts/screenshots.sh).
#include "support/ui/Commands.h"
#include "ui/solve/SolvingWindow.h"

#include "app/WrapCheckBox.h"
#include "grid/CellSizeDialog.h"
#include "grid/GridView.h"
#include "grid/NewCrosswordDialog.h"
#include "grid/PictureBox.h"
#include "grid/ShownGrid.h"
#include "support/Crosswords.h"
#include "support/GridPattern.h"
#include "support/ui/WindowParts.h"
#include "words/Placement.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>

using fixtures::cp;

namespace {

QString shotPath(const char* name) {
    const QByteArray dir = qgetenv("CLUEFORGE_SHOTS_DIR");
    return QDir(QString::fromLocal8Bit(dir))
        .filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
}

void save(const QImage& image, const char* name) {
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("CLUEFORGE_SHOTS_DIR"));
    ASSERT_FALSE(image.isNull()) << name;
    ASSERT_TRUE(image.save(shotPath(name))) << name;
}

class Shots : public SolvingWindow {
protected:
    void SetUp() override {
        SolvingWindow::SetUp();
        form->resize(800, 600);
        QApplication::processEvents();
    }
    void shoot(const char* name) {
        QApplication::processEvents();
        save(form->grab().toImage(), name);
    }
    // A new 9 × 7 crossword with answers, through the New dialog.
    void newGrid() {
        fake().onDialog<NewCrosswordDialog>([](NewCrosswordDialog& dialog) {
            dialog.titleEdit->setText(QStringLiteral("Shots"));
            dialog.widthEdit->setText(QStringLiteral("9"));
            dialog.heightEdit->setText(QStringLiteral("7"));
            dialog.okButton->click();
        });
        actionNamed(*form, "newCrosswordAction")->trigger();
        ASSERT_EQ(doc().Mode, EditMode::ModeDrawGrid);
    }
    // The authoring grid of the solving tests with one word placed and another slot selected.
    void author() {
        startAuthoring(kGrid);
        clickCell(2, 0);
        type(QStringLiteral(u"КОТ"));
        pressEnter();
        clickCell(1, 2);
    }
};

} // namespace

TEST_F(Shots, Empty) {
    shoot("01-empty");
}

TEST_F(Shots, DrawingWithSymmetry) {
    newGrid();
    part::symmetryCheck(*form)->setChecked(true);
    for (const auto& [x, y] : {std::pair(0, 0), std::pair(3, 1), std::pair(4, 3), std::pair(1, 5)})
        clickCell(x, y);
    shoot("02-drawing-symmetry");
}

TEST_F(Shots, AuthoringWithSelection) {
    author();
    shoot("03-authoring-selection");
}

TEST_F(Shots, SolvingClassic) {
    openCrossword(saveCrossword(kGrid, kAnswers), 0);
    clickAt(2, 0);
    type(QStringLiteral(u"КОТ"));
    pressEnter();
    clickAt(1, 1);
    shoot("04-solving-classic");
}

TEST_F(Shots, SolvingTurned) {
    openCrossword(saveCrossword(kGrid, kAnswers), 1);
    clickAt(2, 0);
    type(QStringLiteral(u"КОТ"));
    pressEnter();
    clickAt(1, 1);
    shoot("05-solving-turned");
}

TEST_F(Shots, CellSizePreview) {
    author();
    bool shown = false;
    fake().onDialog<CellSizeDialog>([&](CellSizeDialog& dialog) {
        QApplication::processEvents();
        save(dialog.grab().toImage(), "06-cell-size-dialog");
        save(dialog.previewPicture->grab().toImage(), "07-cell-size-preview");
        shown = true;
        dialog.reject();
    });
    part::cellSizeAction(*form)->trigger();
    EXPECT_TRUE(shown);
}

TEST_F(Shots, ExportedBitmaps) {
    doc() = analysedGrid(kGrid);
    doc().CrosswordTitle = cp(u"Зима");
    doc().CrosswordAuthor = cp(u"Иванов");
    for (const Word& w : kAnswers)
        ASSERT_EQ(PlaceAnswer(doc(), w.n, w.d, cp(w.answer), "clue").kind,
                  PlacementOutcome::Kind::Placed);
    buildShownGrid(doc(), 0);
    form->updateControlsForMode();
    QTemporaryDir out;
    fake().paths.push_back(out.filePath(QStringLiteral("x")));
    actionNamed(*form, "exportHtmlAction")->trigger();
    save(QImage(out.filePath(QStringLiteral("x.bmp"))), "08-export-grid");
    save(QImage(out.filePath(QStringLiteral(u"x (ответы).bmp"))), "09-export-answers");
    shoot("10-authoring-filled");
}
