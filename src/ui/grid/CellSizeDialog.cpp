// The cell size, number size and letter font dialog.
#include "grid/CellSizeDialog.h"

#include "app/Named.h"
#include "grid/CellPainter.h"
#include "grid/GridLimits.h"
#include "grid/LetterFont.h"
#include "grid/PictureBox.h"
#include "platform/Message.h"
#include "text/CodePage.h"
#include "text/SequentialText.h"

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

CellSizeDialog::CellSizeDialog(AppState& state, platform::Platform& platform, QWidget* parent,
                               const QString& caption,
                               const std::array<PictureBox*, 3>& numberStrips,
                               const PictureBox& gridPicture, bool& letterFontStrikethrough)
    : QDialog(parent), state_(state), platform_(platform), numberStrips_(numberStrips),
      grid_(gridPicture), strikethrough_(letterFontStrikethrough) {
    setObjectName(QStringLiteral("CellSizeDialog"));
    cellSizeEdit = named(new QLineEdit(this), "cellSizeEdit");
    numberSizeBox = named(new QComboBox(this), "numberSizeBox");
    fontButton = named(new QPushButton(this), "fontButton");
    previewPicture = named(new PictureBox(this), "previewPicture");
    okButton = named(new QPushButton(QStringLiteral("OK"), this), "okButton");
    cancelButton = named(new QPushButton(this), "cancelButton");
    Label1 = named(new QLabel(this), "Label1");
    Label2 = named(new QLabel(this), "Label2");
    Label3 = named(new QLabel(this), "Label3");
    Label1->setBuddy(cellSizeEdit);
    Label2->setBuddy(numberSizeBox);
    Label3->setBuddy(previewPicture);

    // Digits only, typed or pasted; control keys keep their work.
    cellSizeEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    numberSizeBox->addItems({QStringLiteral("x1"), QStringLiteral("x2"), QStringLiteral("x3")});
    previewPicture->setBackColor(QApplication::palette().color(QPalette::Window));
    // Room for the largest cell with its margin on each side.
    const QSize room = FieldGeometry(gridlimits::kMaxCellSize, 1, 1).closedSize();
    previewPicture->setPictureSize(room.width(), room.height());
    previewPicture->setMinimumSize(room);
    previewPicture->setFocusPolicy(Qt::NoFocus);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(cellSizeEdit, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(numberSizeBox, 1, 1);
    grid->addWidget(fontButton, 2, 0, 1, 2);
    grid->addWidget(Label3, 3, 0, 1, 2);
    grid->addWidget(previewPicture, 4, 0, 1, 2, Qt::AlignLeft | Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    grid->addLayout(buttons, 5, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    const Language& lang = state_.language;
    auto text = [&lang](LangEntry e) { return cp1251::toUnicode(lang.entry(e)); };
    setWindowTitle(caption);
    Label1->setText(text(LangEntry::CellSize));
    Label2->setText(text(LangEntry::NumberSize));
    fontButton->setText(text(LangEntry::LetterFont));
    Label3->setText(text(LangEntry::Preview));
    cancelButton->setText(text(LangEntry::Cancel));
    okButton->setDefault(true);

    const Settings& s = state_.settings;
    strikethroughAtStart_ = strikethrough_;
    fontAtStart_ = letterfont::fontOf(s);
    numberSizeBox->setCurrentIndex(std::clamp(s.NumberSize, 1, 3) - 1);
    cellSizeEdit->setText(QString::number(s.CellSize));

    connect(cellSizeEdit, &QLineEdit::textChanged, this, &CellSizeDialog::cellSizeEdited);
    connect(numberSizeBox, &QComboBox::currentIndexChanged, this, &CellSizeDialog::showPreview);
    connect(fontButton, &QPushButton::clicked, this, &CellSizeDialog::askLetterFont);
    connect(okButton, &QPushButton::clicked, this, &CellSizeDialog::confirm);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    applyChosenFont();
}

void CellSizeDialog::applyChosenFont() {
    const Settings& s = state_.settings;
    letterfont::apply(*previewPicture, s);
    emit letterFontChanged();
    showPreview();
}

void CellSizeDialog::showPreview() {
    const std::optional<int> size = sizeIn(cellSizeEdit);
    if (!previewable(size))
        return;
    const int s = *size;
    const int k = std::clamp(numberSizeBox->currentIndex(), 0, 2);
    PictureBox& pic = *previewPicture;
    pic.clear();
    // One cell as the grid shows it, numbered 0, with the letter A whole.
    const CellPainter painter(FieldGeometry(s, 1, 1), *numberStrips_[static_cast<std::size_t>(k)],
                              k + 1);
    painter.square(pic, 0, 0, CellLook::Plain);
    painter.number(pic, 0, 0, 0, CellLook::Plain);
    const QChar letter(u'A');
    const int offset =
        static_cast<int>(seqtext::roundHalfEven(s - pic.textHeight(QString(letter))));
    painter.letter(pic, 0, 0, letter, offset);
}

void CellSizeDialog::cellSizeEdited() {
    // Small values are passing states of typing ("1" on the way to "14").
    const std::optional<int> size = sizeIn(cellSizeEdit);
    if (size && *size > 10)
        showPreview();
}

void CellSizeDialog::askLetterFont() {
    if (chooseLetterFont(platform_, this, state_.settings, strikethrough_))
        applyChosenFont();
}

void CellSizeDialog::refuse(const QByteArray& text) {
    platform::message(platform_, this, state_.MessageTitle, text, platform::Icon::Critical);
    cellSizeEdit->setFocus(Qt::OtherFocusReason);
    cellSizeEdit->selectAll();
}

void CellSizeDialog::confirm() {
    AppState& state = state_;
    const std::optional<int> size = sizeIn(cellSizeEdit);
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
    state.settings.NumberSize = numberSizeBox->currentIndex() + 1;
    state.session.setCellSize(*size);
    confirmed_ = true;
    accept();
}

void CellSizeDialog::done(int result) {
    if (!confirmed_) {
        // A font chosen here counts only with OK: take back the font of the start and the
        // colour the grid carries (its letters' size follows the cells, not the font).
        Settings& s = state_.settings;
        const PictureBox& pole = grid_;
        const QFont& font = fontAtStart_;
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
