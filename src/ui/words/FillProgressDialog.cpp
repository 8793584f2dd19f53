// The progress window of a fill, and the thread the fill runs in.
#include "words/frmFill.h"

#include "app/AppState.h"
#include "app/Named.h"
#include "text/CodePage.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

frmFill::frmFill(const AppState& state, QWidget* parent, fill::Problem problem,
                 std::shared_ptr<const fill::Lexicon> lexicon, fill::Options options,
                 std::chrono::milliseconds timeLimit)
    : QDialog(parent), lexicon_(std::move(lexicon)), problem_(std::move(problem)),
      options_(std::move(options)), timeLimit_(timeLimit) {
    setObjectName(QStringLiteral("frmFill"));
    setWindowTitle(cp1251::toUnicode(state.MessageTitle));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    lblFilling = named(new QLabel(this), "lblFilling");
    lblFilling->setText(cp1251::toUnicode(state.ownText(OwnText::Filling)));
    lblFilling->setWordWrap(true);
    prgFill = named(new QProgressBar(this), "prgFill");
    prgFill->setAccessibleName(lblFilling->text());
    prgFill->setRange(0, 0); // busy until the first report
    kCancel = named(new QPushButton(this), "kCancel");
    kCancel->setText(cp1251::toUnicode(state.language.caption(LangEntry::Cancel)));
    if (kCancel->text().isEmpty())
        kCancel->setText(QStringLiteral("Cancel"));
    layout->addWidget(lblFilling);
    layout->addWidget(prgFill);
    layout->addWidget(kCancel, 0, Qt::AlignRight);
    setMinimumWidth(320);
    connect(kCancel, &QPushButton::clicked, this, &frmFill::cancel);

    options_.cancel = &cancel_;
    const auto started = std::chrono::steady_clock::now();
    options_.progress = [this, started](int filled, int total) {
        filled_ = filled;
        total_ = total;
        // The search is told to stop like a cancel, but says it gave up.
        if (std::chrono::steady_clock::now() - started > timeLimit_) {
            timedOut_ = true;
            cancel_ = true;
        }
    };
    thread_ = QThread::create([this] {
        result_ = fill::fillGrid(problem_, *lexicon_, options_);
        if (result_.status == fill::Result::Status::Cancelled && timedOut_)
            result_.status = fill::Result::Status::LimitReached;
    });
    // Queued: `finished` comes from the fill's thread.
    connect(thread_, &QThread::finished, this, &frmFill::ended, Qt::QueuedConnection);
    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, &frmFill::showProgress);
    timer_->start(100);
    thread_->start(QThread::LowPriority);
}

frmFill::~frmFill() {
    cancel_ = true;
    thread_->wait();
    delete thread_;
}

void frmFill::showProgress() {
    if (total_ > 0) {
        prgFill->setRange(0, total_);
        prgFill->setValue(filled_);
    }
}

void frmFill::cancel() {
    cancel_ = true;
    thread_->wait();
    result_.status = fill::Result::Status::Cancelled;
    result_.words.clear();
    reject();
}

void frmFill::ended() {
    // After Cancel the dialog is closed already and keeps its answer.
    if (isVisible())
        accept();
}

void frmFill::waitForEnd() {
    thread_->wait();
    ended();
}

const fill::Result& frmFill::result() {
    thread_->wait();
    return result_;
}
