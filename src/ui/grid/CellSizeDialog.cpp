// The cell size, number size and letter font dialog.
#include "grid/frmRazKletok.h"

#include "app/Named.h"
#include "grid/CellPainter.h"
#include "grid/GridLimits.h"
#include "grid/LetterFont.h"
#include "platform/Message.h"
#include "platform/PictureBox.h"
#include "text/CodePage.h"
#include "text/SequentialText.h"
#include "words/SlotColors.h"

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

// The font dialog preset to the letter-font settings; true when a font was chosen (the
// settings then hold it).
bool chooseLetterFont(platform::Platform& platform, QWidget* parent, Settings& s,
                      bool& strikethrough) {
    platform::FontChoice font;
    font.family = cp1251::toUnicode(s.LetterFontName);
    font.pointSize = s.LetterFontSize;
    font.bold = s.LetterFontBold;
    font.italic = s.LetterFontItalic;
    font.underline = s.LetterFontUnderline;
    font.strikeOut = strikethrough;
    font.color = letterfont::colorOf(s.LetterColor);
    if (!platform.chooseFont(parent, font))
        return false;
    s.LetterFontItalic = font.italic;
    s.LetterFontUnderline = font.underline;
    strikethrough = font.strikeOut;
    if (font.pointSize > 0)
        s.LetterFontSize = font.pointSize;
    s.LetterColor = letterfont::rgbOf(font.color);
    s.LetterFontBold = font.bold;
    // The settings file holds Windows-1251: a face name it cannot hold keeps the old one.
    if (!font.family.isEmpty() && cp1251::canEncode(font.family))
        s.LetterFontName = cp1251::fromUnicode(font.family);
    return true;
}

} // namespace

frmRazKletok::frmRazKletok(AppState& state, platform::Platform& platform, QWidget* parent,
                           const QString& caption, const std::array<PictureBox*, 3>& numberStrips,
                           const PictureBox& gridPicture, bool& letterFontStrikethrough)
    : QDialog(parent), state_(state), platform_(platform), numberStrips_(numberStrips),
      grid_(gridPicture), strikethrough_(letterFontStrikethrough) {
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

    const Language& lang = state_.language;
    auto text = [&lang](LangEntry e) { return cp1251::toUnicode(lang.entry(e)); };
    setWindowTitle(caption);
    Label1->setText(text(LangEntry::CellSize));
    Label2->setText(text(LangEntry::NumberSize));
    kFont->setText(text(LangEntry::LetterFont));
    Label3->setText(text(LangEntry::Preview));
    kNO->setText(text(LangEntry::Cancel));
    kOK->setDefault(true);

    const Settings& s = state_.settings;
    strikethroughAtStart_ = strikethrough_;
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
    const Settings& s = state_.settings;
    letterfont::apply(*picKletka, s);
    emit letterFontChanged();
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
    const CellPainter painter(FieldGeometry(s, 1, 1), *numberStrips_[static_cast<std::size_t>(k)],
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
    if (chooseLetterFont(platform_, this, state_.settings, strikethrough_))
        NewFontK();
}

void frmRazKletok::refuse(const QByteArray& text) {
    platform::message(platform_, this, state_.MessageTitle, text, platform::Icon::Critical);
    txtSzKletok->setFocus(Qt::OtherFocusReason);
    txtSzKletok->selectAll();
}

void frmRazKletok::kOK_Click() {
    AppState& state = state_;
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
    confirmed_ = true;
    accept();
}

void frmRazKletok::done(int result) {
    if (!confirmed_) {
        // A font chosen here counts only with OK: take back what the grid carries.
        Settings& s = state_.settings;
        const PictureBox& pole = grid_;
        const QFont font = pole.pictureFont();
        s.LetterFontName = cp1251::fromUnicode(font.family());
        if (font.pointSizeF() > 0)
            s.LetterFontSize = static_cast<int>(seqtext::roundHalfEven(font.pointSizeF()));
        s.LetterFontBold = font.bold();
        s.LetterFontItalic = font.italic();
        s.LetterFontUnderline = font.underline();
        s.LetterColor = letterfont::rgbOf(pole.foreColor());
        strikethrough_ = strikethroughAtStart_;
        // The export picture follows, or it would draw in the font just cancelled.
        emit letterFontChanged();
    }
    QDialog::done(result);
}
