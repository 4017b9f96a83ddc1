#include "background_work.h"

#include <QProgressDialog>

#include <algorithm>

namespace relwiz {
namespace {

constexpr int bar_steps = 1000;

}  // namespace

BackgroundWork::BackgroundWork(QWidget* window)
    : QObject(window)
    , window_(window)
{
    setObjectName(QStringLiteral("background_work"));
}

BackgroundWork::~BackgroundWork()
{
    thread_.request_stop();  // the jthread joins as it goes; what it still posts goes with this object
}

void BackgroundWork::enqueue(Job job)
{
    if (running_)
        waiting_.push_back(std::move(job));
    else
        start(std::move(job));
}

void BackgroundWork::start(Job job)
{
    running_ = std::move(job);
    // Window-modal once shown: the window repaints, but takes no other command until the work is over.
    dialog_ = new QProgressDialog(QString(), QStringLiteral("Cancel"), 0, bar_steps, window_);
    dialog_->setWindowTitle(running_->title);
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setMinimumDuration(dialog_delay_ms);
    dialog_->setMinimumWidth(360);  // room for a file's name, so the dialog does not grow as they change
    dialog_->setAutoReset(false);
    dialog_->setAutoClose(false);
    connect(dialog_, &QProgressDialog::canceled, this, [this] {
        thread_.request_stop();
        dialog_->hide();
    });
    thread_ = std::jthread([this, work = running_->work](std::stop_token stop) {
        // Both posted in order, so the last progress is shown before the end.
        work([this](const WorkProgress& progress) {
            QMetaObject::invokeMethod(this, [this, progress] { show_progress(progress); }, Qt::QueuedConnection);
        }, stop);
        QMetaObject::invokeMethod(this, &BackgroundWork::finish, Qt::QueuedConnection);
    });
}

void BackgroundWork::show_progress(const WorkProgress& progress)
{
    if (!dialog_ || thread_.get_stop_token().stop_requested())
        return;
    dialog_->setLabelText(progress.text);
    // A modal dialog's setValue takes the events that wait, this work's end among them.
    dialog_->setValue(static_cast<int>(std::clamp(progress.done, 0.0, 1.0) * bar_steps));
}

void BackgroundWork::finish()
{
    thread_.join();  // the work posted this as its last deed: it is over, or all but
    if (dialog_) {
        dialog_->reset();  // or, not yet shown, it would show itself once its minimum duration is up
        dialog_->hide();
        dialog_->deleteLater();  // not now: this may run inside the dialog's own setValue
    }
    running_->done();  // still running_ meanwhile: work asked for while its answer shows waits
    running_.reset();
    if (!waiting_.empty()) {
        Job next = std::move(waiting_.front());
        waiting_.pop_front();
        start(std::move(next));
    }
}

}  // namespace relwiz
