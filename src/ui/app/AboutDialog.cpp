// The program information window of the Help menu.
#include "app/AboutDialog.h"

#include "app/EnterKey.h"
#include "app/Settings.h"
#include "grid/PictureBox.h"
#include "words/OpenDocument.h"

#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace {

// A small crossword grid with a few black cells.
QPixmap programPicture() {
    constexpr int kCells = 5;
    constexpr int kCell = 9;
    QPixmap pixmap(kCells * kCell + 1, kCells * kCell + 1);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    const bool black[kCells][kCells] = {
        {0, 0, 0, 1, 0}, {0, 1, 0, 0, 0}, {0, 0, 0, 1, 0}, {1, 0, 0, 0, 0}, {0, 0, 1, 0, 0}};
    for (int y = 0; y < kCells; ++y)
        for (int x = 0; x < kCells; ++x)
            if (black[y][x])
                p.fillRect(x * kCell, y * kCell, kCell, kCell, Qt::black);
    p.setPen(Qt::black);
    for (int i = 0; i <= kCells; ++i) {
        p.drawLine(i * kCell, 0, i * kCell, kCells * kCell);
        p.drawLine(0, i * kCell, kCells * kCell, i * kCell);
    }
    return pixmap;
}

QFrame* separator(QWidget* parent, const char* name) {
    auto* line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

AboutDialog::AboutDialog(AppState& state, platform::Platform& platform, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform) {
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(QStringLiteral(u"О программе"));

    const QString texts[7] = {QStringLiteral(u"Дата: 25 мая 2004 год -"),
                              QStringLiteral(u"9 ноября 2009 год"),
                              QString(),
                              QStringLiteral(u"Автор: ") + QLatin1String(kAuthor),
                              QStringLiteral(u"E-mail: ") + QLatin1String(kEmail),
                              QStringLiteral(u"Сайт:"),
                              QStringLiteral(u"Версия: v")};
    for (std::size_t i = 0; i < Label2.size(); ++i) {
        if (i == 2)
            continue;
        Label2[i] = new QLabel(texts[i], this);
        Label2[i]->setObjectName(QStringLiteral("Label2_%1").arg(i));
    }

    Label1 = new QLabel(QStringLiteral(u"Кроссворды своими руками"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1Tag = QLatin1String(kSite);
    Label1->setToolTip(Label1Tag);
    Label1->setStyleSheet(QStringLiteral("QLabel { color: blue; text-decoration: underline; }"));
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->setFocusPolicy(Qt::StrongFocus); // Enter or Space opens it too
    Label1->setAccessibleName(QStringLiteral("Site link"));
    Label1->installEventFilter(this);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(programPicture());

    Picture1 = new PictureBox(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setBackColor(Qt::white);
    Picture1->setPictureSize(80, 45);
    Picture1->setFixedSize(80, 45); // the layout must not squeeze it
    Picture1->clear();

    OK = new QPushButton(QStringLiteral("OK"), this);
    OK->setObjectName(QStringLiteral("OK"));
    OK->setDefault(true);
    connect(OK, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Image1, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(Label2[0], 0, 1, 1, 2);
    grid->addWidget(Label2[1], 1, 1, 1, 2);
    grid->addWidget(separator(this, "Line1"), 2, 0, 1, 3);
    grid->addWidget(Label2[3], 3, 0, 1, 3);
    grid->addWidget(Label2[4], 4, 0, 1, 3);
    grid->addWidget(Label2[5], 5, 0);
    grid->addWidget(Label1, 5, 1, 1, 2);
    grid->addWidget(Label2[6], 6, 0, 1, 2);
    grid->addWidget(Picture1, 6, 2, Qt::AlignRight);
    grid->addWidget(separator(this, "Line2"), 7, 0, 1, 3);
    grid->addWidget(OK, 8, 2, Qt::AlignRight);

    // Form_Load: the version and the emblem's bands; the top band stays white.
    Label2[6]->setText(Label2[6]->text() + QLatin1String(Settings::kVersion));
    Picture1->fillBox(0, 15, 79, 30, QColor(0, 0, 255));
    Picture1->fillBox(0, 31, 79, 45, QColor(255, 0, 0));
}

void AboutDialog::Label1_Click() {
    setCursor(Qt::WaitCursor);
    OpenDocument(platform_, state_.ProgramFolder, Label1Tag);
    unsetCursor();
}

bool AboutDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label1) {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
            Label1->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
            Label1_Click();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Space || isEnterKey(key)) {
                Label1_Click();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}
