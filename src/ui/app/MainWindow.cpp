// The main window: its panel, grid viewport and menus, their layout, and what each mode shows.
#include "app/frmForma.h"

#include "app/ModeTable.h"
#include "app/Named.h"
#include "app/WrapCheckBox.h"
#include "grid/GridView.h"
#include "grid/frmRazmer.h"
#include "platform/Message.h"
#include "platform/PictureBox.h"
#include "text/CodePage.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

QAction* namedAction(QMenu* menu, const char* name) {
    QAction* a = menu->addAction(QString());
    a->setObjectName(QLatin1String(name));
    return a;
}

} // namespace

frmForma::frmForma(AppState& state, platform::Platform& platform, QWidget* parent)
    : QMainWindow(parent), state_(state), platform_(platform) {
    setObjectName(QStringLiteral("frmForma"));
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("frmFormaClient"));
    setCentralWidget(central);
    createMenus();
    createPanel(central);
    createViewport(central);
    createClueDock();
    applyBuiltInCaptions();
    connectGridHandlers();
    connectWordHandlers();
    connectFileHandlers();
    connectFillHandlers();
    connectPrintHandlers();
    connectEditHandlers();
    // The controls follow the mode, whichever command changed it.
    connect(&state_.session, &CrosswordSession::modeChanged, this,
            [this] { UpdateControlsForMode(); });
    connect(&state_.session, &CrosswordSession::cellsChanged, this, &frmForma::showChangedCells);
    setMinimumWidth(kMinInnerWidth);
    resize(800, 600);
    UpdateControlsForMode();
}

frmForma::~frmForma() = default;

void frmForma::createMenus() {
    File = named(menuBar()->addMenu(QString()), "File");
    FileOpenOtvet = namedAction(File, "FileOpenOtvet");
    FileSave = namedAction(File, "FileSave");
    FileSaveAs = namedAction(File, "FileSaveAs");
    FileSep = named(File->addSeparator(), "FileSep");
    FileExit = namedAction(File, "FileExit");

    Edit = named(menuBar()->addMenu(QString()), "EditMenu");
    EditUndo = namedAction(Edit, "EditUndo");
    EditRedo = namedAction(Edit, "EditRedo");

    Kross = named(menuBar()->addMenu(QString()), "Kross");
    KrossNew = namedAction(Kross, "KrossNew");
    KrossOpen = namedAction(Kross, "KrossOpen");
    KrossChange = namedAction(Kross, "KrossChange");
    KrossAbout = namedAction(Kross, "KrossAbout");
    KrossFoundWord = namedAction(Kross, "KrossFoundWord");
    KrossDelOtwet = namedAction(Kross, "KrossDelOtwet");
    KrossCopyWord = namedAction(Kross, "KrossCopyWord");
    KrossPrint = namedAction(Kross, "KrossPrint");
    KrossPdf = namedAction(Kross, "KrossPdf");
    KrossSvg = namedAction(Kross, "KrossSvg");
    KrossIpuz = namedAction(Kross, "KrossIpuz");
    KrossFillSep = named(Kross->addSeparator(), "KrossFillSep");
    KrossFill = namedAction(Kross, "KrossFill");
    KrossFillAgain = namedAction(Kross, "KrossFillAgain");
    KrossSuggest = namedAction(Kross, "KrossSuggest");

    Options = named(menuBar()->addMenu(QString()), "Options");
    OptionsRazmerKF = namedAction(Options, "OptionsRazmerKF");
    OptionsLanguage = namedAction(Options, "OptionsLanguage");
    OptionsSep = named(Options->addSeparator(), "OptionsSep");
    OptionsStyle[0] = namedAction(Options, "OptionsStyle_0");
    OptionsStyle[1] = namedAction(Options, "OptionsStyle_1");
    for (QAction* a : OptionsStyle)
        a->setCheckable(true);

    Help = named(menuBar()->addMenu(QString()), "Help");
    HelpCallHelp = namedAction(Help, "HelpCallHelp");
    HelpAbout = namedAction(Help, "HelpAbout");

    connect(KrossNew, &QAction::triggered, this, &frmForma::KrossNew_Click);
    connect(FileExit, &QAction::triggered, this, &frmForma::FileExit_Click);
    connect(FileSave, &QAction::triggered, this, &frmForma::FileSave_Click);
    connect(OptionsLanguage, &QAction::triggered, this, &frmForma::OptionsLanguage_Click);
    connect(KrossFoundWord, &QAction::triggered, this, &frmForma::KrossFoundWord_Click);
    connect(HelpCallHelp, &QAction::triggered, this, &frmForma::HelpCallHelp_Click);
    connect(HelpAbout, &QAction::triggered, this, &frmForma::HelpAbout_Click);
    connect(KrossCopyWord, &QAction::triggered, this, &frmForma::KrossCopyWord_Click);
    connect(OptionsRazmerKF, &QAction::triggered, this, &frmForma::OptionsRazmerKF_Click);
    createRecentMenu();
    assignShortcuts();
}

void frmForma::assignShortcuts() {
    // The platform's keys; where it has none for Save As or Quit, the ones Linux desktops
    // share. Windows closes a window with Alt+F4 and has no Quit key.
    const struct {
        QAction* action;
        QKeySequence::StandardKey key;
        const char* fallback;
    } keys[] = {
        {KrossNew, QKeySequence::New, nullptr},
        {KrossOpen, QKeySequence::Open, nullptr},
        {FileSave, QKeySequence::Save, nullptr},
        {FileSaveAs, QKeySequence::SaveAs, "Ctrl+Shift+S"},
#ifdef Q_OS_WIN
        {FileExit, QKeySequence::Quit, nullptr},
#else
        {FileExit, QKeySequence::Quit, "Ctrl+Q"},
#endif
        {KrossPrint, QKeySequence::Print, nullptr},
        {KrossFoundWord, QKeySequence::Find, nullptr},
        {HelpCallHelp, QKeySequence::HelpContents, nullptr},
    };
    for (const auto& k : keys) {
        QList<QKeySequence> sequences = QKeySequence::keyBindings(k.key);
        if (sequences.isEmpty() && k.fallback)
            sequences.append(QKeySequence(QLatin1String(k.fallback)));
        k.action->setShortcuts(sequences);
    }
}

void frmForma::createPanel(QWidget* central) {
    // Drawing controls (ModeDrawGrid).
    ChSimmetrija = named(new WrapCheckBox(central), "ChSimmetrija");
    ChSimmetrija->setGeometry(6, 8, 145, 44);
    lblKoordinaty = named(new QLabel(central), "lblKoordinaty");
    lblKoordinaty->setGeometry(6, 58, 145, 20);
    kReshotkaGotova = named(new QPushButton(central), "kReshotkaGotova");
    kReshotkaGotova->setGeometry(6, 86, 143, 28);
    kClearPole = named(new QPushButton(central), "kClearPole");
    kClearPole->setGeometry(6, 122, 143, 28);

    // Words and clues (from ModeAuthor on; see the mode table).
    lblStatistika = named(new QLabel(central), "lblStatistika");
    lblStatistika->setGeometry(6, 6, 145, 18);
    lblSlov = named(new QLabel(central), "lblSlov");
    lblSlov->setGeometry(6, 24, 145, 18);
    lblGorizont = named(new QLabel(central), "lblGorizont");
    lblGorizont->setGeometry(6, 48, 145, 18);
    lblVopros[0] = named(new QLabel(central), "lblVopros_0");
    lblVopros[0]->setGeometry(6, 66, 145, 100);
    lblVertikal = named(new QLabel(central), "lblVertikal");
    lblVertikal->setGeometry(6, 172, 145, 18);
    lblVopros[1] = named(new QLabel(central), "lblVopros_1");
    lblVopros[1]->setGeometry(6, 190, 145, 100);
    for (QLabel* l : lblVopros) {
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    lblVoprosOtvet = named(new QLabel(central), "lblVoprosOtvet");
    lblVoprosOtvet->setGeometry(6, 296, 145, 34);
    lblVoprosOtvet->setWordWrap(true);
    lblVoprosOtvet->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    txtVoprosOtvet = named(new QLineEdit(central), "txtVoprosOtvet");
    txtVoprosOtvet->setGeometry(6, 332, 145, 24);
    lblOtvet = named(new QLabel(central), "lblOtvet");
    lblOtvet->setGeometry(6, 360, 145, 18);
    txtOtvet = named(new QLineEdit(central), "txtOtvet");
    txtOtvet->setGeometry(6, 346, 145, 24);
    lblVoprosOtvet->setBuddy(txtVoprosOtvet);
    lblOtvet->setBuddy(txtOtvet);

    // Digit strips of the slot numbers, never shown.
    for (int i = 0; i < 3; ++i) {
        picNomera[static_cast<std::size_t>(i)] = new PictureBox(central);
        picNomera[static_cast<std::size_t>(i)]->setObjectName(
            QStringLiteral("picNomera_%1").arg(i));
        picNomera[static_cast<std::size_t>(i)]->hide();
    }
}

void frmForma::createViewport(QWidget* central) {
    gridView_ = new GridView(state_, picNomera, central);
    connect(gridView_, &GridView::pictureFocused, this, &frmForma::picPole_GotFocus);
    connect(gridView_, &GridView::focused, this, &frmForma::picControl_GotFocus);

    picCopyKross = named(new PictureBox(central), "picCopyKross");
    picCopyKross->setBackColor(Qt::black);
    picCopyKross->hide();
}

void frmForma::UpdateControlsForMode() {
    using namespace modetable;
    const Row& row = rowFor(state_.doc().Mode);
    // A new mode starts with empty clue and answer texts.
    lblVopros[0]->clear();
    lblVopros[1]->clear();
    txtVoprosOtvet->clear();
    txtOtvet->clear();
    const std::pair<unsigned, QWidget*> panel[] = {
        {kSymmetry, ChSimmetrija},
        {kCoordinates, lblKoordinaty},
        {kGridReady, kReshotkaGotova},
        {kClearGrid, kClearPole},
        {kWordCount, lblSlov},
        {kStatistics, lblStatistika},
        {kAcrossLabel, lblGorizont},
        {kAcrossClue, lblVopros[0]},
        {kDownLabel, lblVertikal},
        {kDownClue, lblVopros[1]},
        {kAnswerCaption, lblVoprosOtvet},
        {kClueEntry, txtVoprosOtvet},
        {kAnswerLabel, lblOtvet},
        {kAnswerEntry, txtOtvet},
    };
    for (const auto& [bit, widget] : panel)
        widget->setVisible((row.panel & bit) != 0);
    txtOtvet->move(txtOtvet->x(), (row.panel & kClueEntry) != 0 ? 378 : 346);
    const std::pair<unsigned, QAction*> actions[] = {
        {kSave, FileSave},          {kSaveAs, FileSaveAs},        {kChange, KrossChange},
        {kAbout, KrossAbout},       {kFoundWord, KrossFoundWord}, {kDeleteAnswer, KrossDelOtwet},
        {kCopyWord, KrossCopyWord}, {kCopyWord, KrossPrint},      {kCopyWord, KrossPdf},
        {kCopyWord, KrossSvg},      {kCopyWord, KrossIpuz},       {kCellSize, OptionsRazmerKF},
        {kFill, KrossFill},         {kFill, KrossFillAgain},      {kFill, KrossSuggest},
    };
    for (const auto& [bit, action] : actions)
        action->setEnabled((row.actions & bit) != 0);
}

void frmForma::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void frmForma::Form_Resize() {
    if (isMinimized())
        return;
    QWidget* client = centralWidget();
    if (client->width() < kMinInnerWidth) {
        resize(width() + kMinInnerWidth - client->width(), height());
        return; // the resize comes back here with the new width
    }
    gridView_->setGeometry(kPanelWidth, 0, client->width() - kPanelWidth, client->height());
    gridView_->placeBars();
}

void frmForma::picPole_GotFocus() {
    routeFocus(false);
}

void frmForma::picControl_GotFocus() {
    routeFocus(true);
}

void frmForma::routeFocus(bool onlyIfVisible) {
    QWidget* target = nullptr;
    const EditMode mode = state_.doc().Mode;
    if (mode == EditMode::ModeAuthor && state_.doc().NoAnswers == 0)
        target = txtVoprosOtvet;
    else if (mode == EditMode::ModeSolveNoAnswers || mode == EditMode::ModeSolve)
        target = txtOtvet;
    if (!target || (onlyIfVisible && !target->isVisible()))
        return;
    target->setFocus(Qt::OtherFocusReason);
}

void frmForma::setCaptionBytes(const QByteArray& caption) {
    // A title bar shows one short line; a caption of a long title would only cost memory, and
    // under X11 a large enough one breaks the connection to the display.
    constexpr qsizetype kMaxCaption = 255;
    QString text = cp1251::toUnicode(caption.left(kMaxCaption));
    if (caption.size() > kMaxCaption)
        text += QChar(0x2026);
    setWindowTitle(text);
}

platform::Answer frmForma::message(const QByteArray& text, platform::Icon icon,
                                   platform::Buttons buttons, platform::Answer defaultButton) {
    return platform::message(platform_, this, state_.MessageTitle, text, icon, buttons,
                             defaultButton);
}

void frmForma::KrossNew_Click() {
    // The new grid replaces the crossword in memory.
    if (ConfirmDiscardChanges() == 1)
        return;
    frmRazmer dialog(state_, platform_, this);
    if (platform_.runDialog(dialog) != QDialog::Accepted)
        return;
    ShowModeTexts();
    DrawEmptyField();
    UpdateControlsForMode();
    Form_Resize();
}

void frmForma::FileExit_Click() {
    close();
}

void frmForma::closeEvent(QCloseEvent* event) {
    Form_Unload(*event);
}
