// The View menu's zoom of the grid.
#include "commands/ViewCommands.h"

#include "app/ModeTable.h"
#include "grid/GridView.h"
#include "text/CodePage.h"

#include <QAction>

#include <algorithm>
#include <array>
#include <iterator>

namespace {

// The zooms the steps go through, as image viewers offer them.
constexpr std::array kLadder{25, 33, 50, 67, 75, 100, 125, 150, 200, 250, 300, 400, 500, 600, 800};

int nextZoom(int now, int steps) {
    int z = now;
    for (; steps > 0; --steps) {
        const auto* up = std::upper_bound(kLadder.begin(), kLadder.end(), z);
        z = up == kLadder.end() ? kLadder.back() : *up;
    }
    for (; steps < 0; ++steps) {
        const auto* down = std::lower_bound(kLadder.begin(), kLadder.end(), z);
        z = down == kLadder.begin() ? kLadder.front() : *std::prev(down);
    }
    return z;
}

} // namespace

ViewCommands::ViewCommands(CommandContext context, GridView& view)
    : QObject(context.parent), context_(std::move(context)), view_(view),
      zoomIn_(commands::makeAction(this, "zoomInAction")),
      zoomOut_(commands::makeAction(this, "zoomOutAction")),
      actualSize_(commands::makeAction(this, "actualSizeAction")),
      fitToWindow_(commands::makeAction(this, "fitToWindowAction")) {
    setObjectName(QStringLiteral("viewCommands"));
    // Ctrl++ also where the platform names only Ctrl+=, the key + shares.
    QList<QKeySequence> in = QKeySequence::keyBindings(QKeySequence::ZoomIn);
    for (const QKeySequence& extra :
         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)})
        if (!in.contains(extra))
            in.append(extra);
    zoomIn_->setShortcuts(in);
    QList<QKeySequence> out = QKeySequence::keyBindings(QKeySequence::ZoomOut);
    if (const QKeySequence minus(Qt::CTRL | Qt::Key_Minus); !out.contains(minus))
        out.append(minus);
    zoomOut_->setShortcuts(out);
    actualSize_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(zoomIn_, &QAction::triggered, this, [this] { step(1); });
    connect(zoomOut_, &QAction::triggered, this, [this] { step(-1); });
    connect(actualSize_, &QAction::triggered, this, [this] { view_.setZoom(100); });
    connect(fitToWindow_, &QAction::triggered, this, [this] { view_.setZoom(view_.zoomToFit()); });
    connect(&view_, &GridView::zoomAsked, this, [this](int steps) {
        if (zoomIn_->isEnabled())
            step(steps);
    });
    connect(&context_.state.session, &CrosswordSession::modeChanged, this,
            &ViewCommands::updateEnabled);
    updateEnabled();
}

QList<QAction*> ViewCommands::actions() const {
    return {zoomIn_, zoomOut_, actualSize_, fitToWindow_};
}

void ViewCommands::applyCaptions() {
    const AppState& state = context_.state;
    zoomIn_->setText(cp1251::toUnicode(state.ownText(OwnText::ZoomIn)));
    zoomOut_->setText(cp1251::toUnicode(state.ownText(OwnText::ZoomOut)));
    actualSize_->setText(cp1251::toUnicode(state.ownText(OwnText::ActualSize)));
    fitToWindow_->setText(cp1251::toUnicode(state.ownText(OwnText::FitToWindow)));
}

void ViewCommands::updateEnabled() {
    // Wherever there is a grid to show: the modes that offer the cell size.
    using modetable::kCellSize;
    commands::enableForMode(context_.state, {{kCellSize, zoomIn_},
                                             {kCellSize, zoomOut_},
                                             {kCellSize, actualSize_},
                                             {kCellSize, fitToWindow_}});
}

void ViewCommands::step(int steps) {
    view_.setZoom(nextZoom(view_.zoom(), steps));
}
