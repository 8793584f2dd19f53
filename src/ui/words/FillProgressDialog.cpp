// The progress window of a fill, and the thread the fill runs in.
#include "words/FillProgressDialog.h"

#include "app/AppState.h"
#include "app/Named.h"
#include "text/CodePage.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

FillProgressDialog::FillProgressDialog(const AppState& state, QWidget* parent,
                                       fill::Problem problem, fill::LexiconSource words,
                                       fill::Options options, std::chrono::milliseconds timeLimit)
    : QDialog(parent), words_(std::move(words)), problem_(std::move(problem)),
      options_(std::move(options)), timeLimit_(timeLimit) {
    setObjectName(QStringLiteral("FillProgressDialog"));
    setWindowTitle(cp1251::toUnicode(state.MessageTitle));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    fillingLabel = named(new QLabel(this), "fillingLabel");
    fillingLabel->setText(cp1251::toUnicode(state.ownText(OwnText::Filling)));
    fillingLabel->setWordWrap(true);
    progressBar = named(new QProgressBar(this), "progressBar");
    progressBar->setAccessibleName(fillingLabel->text());
    progressBar->setRange(0, 0); // busy until the first report
    cancelButton = named(new QPushButton(this), "cancelButton");
    cancelButton->setText(cp1251::toUnicode(state.language.caption(LangEntry::Cancel)));
    if (cancelButton->text().isEmpty())
        cancelButton->setText(QStringLiteral("Cancel"));
    layout->addWidget(fillingLabel);
    layout->addWidget(progressBar);
    layout->addWidget(cancelButton, 0, Qt::AlignRight);
    setMinimumWidth(320);
    connect(cancelButton, &QPushButton::clicked, this, &FillProgressDialog::cancel);

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
        // Held only while the fill runs: what a cancelled fill used goes with it.
        const std::shared_ptr<const fill::Lexicon> lexicon = words_();
        if (cancel_) {
            result_.status = fill::Result::Status::Cancelled;
            return;
        }
        result_ = fill::fillGrid(problem_, *lexicon, options_);
        if (result_.status == fill::Result::Status::Cancelled && timedOut_)
            result_.status = fill::Result::Status::LimitReached;
    });
    // Queued: `finished` comes from the fill's thread.
    connect(thread_, &QThread::finished, this, &FillProgressDialog::ended, Qt::QueuedConnection);
    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, &FillProgressDialog::showProgress);
    timer_->start(100);
    thread_->start(QThread::LowPriority);
}

FillProgressDialog::~FillProgressDialog() {
    cancel_ = true;
    thread_->wait();
    delete thread_;
}

void FillProgressDialog::showProgress() {
    if (total_ > 0) {
        progressBar->setRange(0, total_);
        progressBar->setValue(filled_);
    }
}

void FillProgressDialog::cancel() {
    cancel_ = true;
    thread_->wait();
    result_.status = fill::Result::Status::Cancelled;
    result_.words.clear();
    reject();
}

void FillProgressDialog::ended() {
    // After Cancel the dialog is closed already and keeps its answer.
    if (isVisible())
        accept();
}

void FillProgressDialog::waitForEnd() {
    thread_->wait();
    ended();
}

const fill::Result& FillProgressDialog::result() {
    thread_->wait();
    return result_;
}
