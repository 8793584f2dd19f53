// The cell size, number size and letter font dialog.
#include "grid/frmRazKletok.h"

#include "app/Named.h"
#include "app/frmForma.h"
#include "grid/CellPainter.h"
#include "grid/GridLimits.h"
#include "grid/GridView.h"
#include "grid/LetterFont.h"
#include "platform/PictureBox.h"
#include "text/CodePage.h"
#include "text/SequentialText.h"
#include "words/SlotColors.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include <algorithm>

namespace {

// The whole number in the size box, halves to even; nothing when it cannot be one.
std::optional<int> sizeIn(const QLineEdit* box) {
    return seqtext::toInt32(
        seqtext::roundHalfEven(seqtext::numericValue(cp1251::fromUnicode(box->text()))));
}

bool previewable(std::optional<int> size) {
    return size && *size >= 1 && *size <= gridlimits::kMaxCellSize;
}

} // namespace

frmRazKletok::frmRazKletok(frmForma& form) : QDialog(&form), form_(form) {
    setObjectName(QStringLiteral("frmRazKletok"));
    txtSzKletok = named(new QLineEdit(this), "txtSzKletok");
    SzNomer = named(new QComboBox(this), "SzNomer");
    kFont = named(new QPushButton(this), "kFont");
    picKletka = named(new PictureBox(this), "picKletka");
    kOK = named(new QPushButton(QStringLiteral("OK"), this), "kOK");
    kNO = named(new QPushButton(this), "kNO");
    Label1 = named(new QLabel(this), "Label1");
    Label2 = named(new QLabel(this), "Label2");
    Label3 = named(new QLabel(this), "Label3");
    Label1->setBuddy(txtSzKletok);
    Label2->setBuddy(SzNomer);
    Label3->setBuddy(picKletka);

    // Digits only, typed or pasted; control keys keep their work.
    txtSzKletok->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    SzNomer->addItems({QStringLiteral("x1"), QStringLiteral("x2"), QStringLiteral("x3")});
    picKletka->setBackColor(QApplication::palette().color(QPalette::Window));
    // Room for the largest cell with its margin on each side.
    const QSize room = FieldGeometry(gridlimits::kMaxCellSize, 1, 1).closedSize();
    picKletka->setPictureSize(room.width(), room.height());
    picKletka->setMinimumSize(room);
    picKletka->setFocusPolicy(Qt::NoFocus);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(txtSzKletok, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(SzNomer, 1, 1);
    grid->addWidget(kFont, 2, 0, 1, 2);
    grid->addWidget(Label3, 3, 0, 1, 2);
    grid->addWidget(picKletka, 4, 0, 1, 2, Qt::AlignLeft | Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(kOK);
    buttons->addWidget(kNO);
    grid->addLayout(buttons, 5, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    const Language& lang = form_.state().language;
    auto text = [&lang](LangEntry e) { return cp1251::toUnicode(lang.entry(e)); };
    setWindowTitle(form_.OptionsRazmerKF->text());
    Label1->setText(text(LangEntry::CellSize));
    Label2->setText(text(LangEntry::NumberSize));
    kFont->setText(text(LangEntry::LetterFont));
    Label3->setText(text(LangEntry::Preview));
    kNO->setText(text(LangEntry::Cancel));
    kOK->setDefault(true);

    const Settings& s = form_.state().settings;
    strikethroughAtStart_ = form_.LetterFontStrikethrough;
    SzNomer->setCurrentIndex(std::clamp(s.NumberSize, 1, 3) - 1);
    txtSzKletok->setText(QString::number(s.CellSize));

    connect(txtSzKletok, &QLineEdit::textChanged, this, &frmRazKletok::txtSzKletok_Change);
    connect(SzNomer, &QComboBox::currentIndexChanged, this, &frmRazKletok::ShowKletka);
    connect(kFont, &QPushButton::clicked, this, &frmRazKletok::kFont_Click);
    connect(kOK, &QPushButton::clicked, this, &frmRazKletok::kOK_Click);
    connect(kNO, &QPushButton::clicked, this, &QDialog::reject);
    NewFontK();
}

void frmRazKletok::NewFontK() {
    const Settings& s = form_.state().settings;
    letterfont::apply(*picKletka, s);
    letterfont::apply(*form_.picCopyKross, s);
    ShowKletka();
}

void frmRazKletok::ShowKletka() {
    const std::optional<int> size = sizeIn(txtSzKletok);
    if (!previewable(size))
        return;
    const int s = *size;
    const int k = std::clamp(SzNomer->currentIndex(), 0, 2);
    PictureBox& pic = *picKletka;
    pic.clear();
    // One cell as the grid shows it, numbered 0, with the letter A whole.
    const CellPainter painter(FieldGeometry(s, 1, 1), *form_.picNomera[static_cast<std::size_t>(k)],
                              k + 1);
    painter.square(pic, 0, 0, slotcolor::kWhite);
    painter.number(pic, 0, 0, 0);
    const QChar letter(u'A');
    const int offset =
        static_cast<int>(seqtext::roundHalfEven(s - pic.textHeight(QString(letter))));
    painter.letter(pic, 0, 0, letter, offset);
}

void frmRazKletok::txtSzKletok_Change() {
    // Small values are passing states of typing ("1" on the way to "14").
    const std::optional<int> size = sizeIn(txtSzKletok);
    if (size && *size > 10)
        ShowKletka();
}

void frmRazKletok::kFont_Click() {
    if (form_.ChooseLetterFont(this) > 0)
        NewFontK();
}

void frmRazKletok::refuse(const QByteArray& text) {
    const AppState& state = form_.state();
    form_.platformServices().messageBox(
        this, cp1251::toUnicode(text), cp1251::toUnicode(state.MessageTitle),
        platform::Icon::Critical, platform::Buttons::Ok, platform::Answer::Ok);
    txtSzKletok->setFocus(Qt::OtherFocusReason);
    txtSzKletok->selectAll();
}

void frmRazKletok::kOK_Click() {
    AppState& state = form_.state();
    const std::optional<int> size = sizeIn(txtSzKletok);
    if (!size || !gridlimits::cellSizeAllowed(*size)) {
        refuse(state.ownText(OwnText::CellSizeOutOfRange));
        return;
    }
    const CrosswordDocument& doc = state.doc();
    if (doc.GridWidth > 0 && doc.GridHeight > 0 &&
        !gridlimits::pictureFits(doc.GridWidth, doc.GridHeight, *size)) {
        refuse(state.ownText(OwnText::CellSizeTooLarge));
        return;
    }
    hide();
    state.session.setCellSize(*size);
    state.settings.NumberSize = SzNomer->currentIndex() + 1;
    form_.RedrawForNewCellSize();
    confirmed_ = true;
    accept();
}

void frmRazKletok::done(int result) {
    if (!confirmed_) {
        // A font chosen here counts only with OK: take back what the grid carries.
        Settings& s = form_.state().settings;
        const PictureBox& pole = *form_.gridView()->picture();
        const QFont font = pole.pictureFont();
        s.LetterFontName = cp1251::fromUnicode(font.family());
        if (font.pointSizeF() > 0)
            s.LetterFontSize = static_cast<int>(seqtext::roundHalfEven(font.pointSizeF()));
        s.LetterFontBold = font.bold();
        s.LetterFontItalic = font.italic();
        s.LetterFontUnderline = font.underline();
        s.LetterColor = letterfont::rgbOf(pole.foreColor());
        form_.LetterFontStrikethrough = strikethroughAtStart_;
        // The export picture follows, or it would draw in the font just cancelled.
        letterfont::apply(*form_.picCopyKross, s);
    }
    QDialog::done(result);
}
