#include "support/ui/WordWindow.h"
#include "commands/FileCommands.h"
#include "grid/GridView.h"
#include "support/ui/Commands.h"

#include "files/CrosswordFile.h"
#include "grid/GridAnalysis.h"
#include "grid/PictureBox.h"
#include "support/Crosswords.h"
#include "support/GridPattern.h"
#include "support/ui/WindowParts.h"
#include "text/CodePage.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>

namespace {

const QColor kYellow(255, 255, 0);

} // namespace

void WordWindow::SetUp() {
    program.installLanguage("Russian.txt");
    program.installLanguage("English.txt");
    form = &program.start();
    form->loadLanguage("English.txt");
    form->activateWindow();
    QApplication::processEvents();
}

void WordWindow::startAuthoring(const QByteArrayList& rows) {
    doc() = drawnGrid(rows);
    form->updateControlsForMode();
    form->acceptDrawnGrid();
    ASSERT_EQ(doc().Mode, EditMode::ModeAuthor);
}

QString WordWindow::saveCrossword(const QByteArrayList& rows, const std::vector<Word>& words) {
    CrosswordDocument crossword = drawnGrid(rows, words.empty() ? 1 : 0);
    EXPECT_TRUE(analyseGrid(crossword));
    crossword.CrosswordTitle = "Test";
    crossword.CrosswordAuthor = "Author";
    crossword.Scramble = BuildScrambleTables(crossword.CrosswordTitle);
    for (const Word& w : words) {
        crossword.SlotTexts.set(w.n, 0, w.d,
                                "clue " + QByteArray::number(w.n) + '/' + QByteArray::number(w.d));
        crossword.SlotTexts.set(w.n, 1, w.d, fixtures::cp(w.answer));
    }
    const QString path = program.folder.path() + QStringLiteral("Samples/test.cfw");
    EXPECT_EQ(WriteCrosswordFile(path, crossword), FileStatus::Ok);
    return path;
}

void WordWindow::openCrossword(const QString& path, int style) {
    AppState& s = program.state;
    part::styleActions(*form)[static_cast<std::size_t>(style)]->trigger();
    // Through the menu, as a solver opens it: unsaved work is dropped, the dialog names path.
    if (s.doc().Modified)
        program.fake.answers.push_back(platform::Answer::No);
    program.fake.paths.push_back(path);
    commandsOf<FileCommands>(*form).openCrossword();
    const CrosswordDocument& d = s.doc();
    ASSERT_TRUE(d.Mode == EditMode::ModeSolve || d.Mode == EditMode::ModeSolveNoAnswers);
    ASSERT_EQ(d.CrosswordPath, path);
}

void WordWindow::clickCell(int x, int y) {
    const int c = program.state.settings.CellSize;
    const QPointF p(x * c + 5 + c / 2, y * c + 5 + c / 2);
    PictureBox* pic = part::gridView(*form)->picture();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QMouseEvent e(type, p, pic->mapToGlobal(p), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(pic, &e);
    }
    QApplication::processEvents();
}

void WordWindow::type(const QString& text) {
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    for (const QChar c : text) {
        const Qt::Key key = c == u' ' ? Qt::Key_Space : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, target, key, QString(c), Qt::NoModifier);
    }
}

void WordWindow::pressEnter() {
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, Qt::Key_Return);
    QApplication::processEvents();
}

void WordWindow::paste(QLineEdit* box, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    box->setFocus(Qt::OtherFocusReason);
    box->paste();
}

QString WordWindow::focusedName() const {
    const QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QString();
}

bool WordWindow::deleteAnswerOffered() {
    part::crosswordMenu(*form)->popup(QPoint(0, 0));
    QApplication::processEvents();
    const bool enabled = actionNamed(*form, "deleteAnswerAction")->isEnabled();
    part::crosswordMenu(*form)->hide();
    QApplication::processEvents();
    return enabled;
}

QStringList WordWindow::messageTexts() const {
    QStringList out;
    for (const FakePlatform::Message& m : program.fake.messages)
        out << m.text;
    return out;
}

bool WordWindow::anythingHighlighted() const {
    const QImage& image = part::gridView(*form)->picture()->image();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == kYellow)
                return true;
    return false;
}

bool WordWindow::highlighted(int x, int y) const {
    const int c = program.state.settings.CellSize;
    // Bottom left inside the cell: away from its number and its letter.
    return part::gridView(*form)->picture()->pixel(x * c + 5 + 2, y * c + 5 + c - 2) == kYellow;
}

QByteArray WordWindow::letters(int n, int d) const {
    return fixtures::shownLetters(program.state.doc(), n, d);
}
