#include "sfv_work.h"

#include <QLocale>
#include <QProgressDialog>

namespace relwiz {
namespace {

constexpr int bar_steps = 1000;

QString part_name(const std::filesystem::path& part)
{
    return QString::fromStdString(part.filename().string());
}

}  // namespace

SfvWork::SfvWork(QWidget* window)
    : QObject(window)
    , window_(window)
{
    setObjectName(QStringLiteral("sfv_work"));
}

SfvWork::~SfvWork()
{
    thread_.request_stop();  // the jthread joins as it goes; what it still posts goes with this object
}

void SfvWork::enqueue(Job job)
{
    if (running_)
        waiting_.push_back(std::move(job));
    else
        start(std::move(job));
}

void SfvWork::start(Job job)
{
    running_ = std::move(job);
    // Window-modal once shown: the window repaints, but takes no other command until the work is over.
    dialog_ = new QProgressDialog(QString(), QStringLiteral("Cancel"), 0, bar_steps, window_);
    dialog_->setWindowTitle(running_->title);
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setMinimumDuration(dialog_delay_ms);
    dialog_->setMinimumWidth(360);  // room for a part's name, so the dialog does not grow as they change
    dialog_->setAutoReset(false);
    dialog_->setAutoClose(false);
    connect(dialog_, &QProgressDialog::canceled, this, [this] {
        thread_.request_stop();
        dialog_->hide();
    });
    thread_ = std::jthread([this, work = running_->work](std::stop_token stop) {
        // Both posted in order, so the last progress is shown before the end.
        work([this](const release_files::PartsProgress& progress) {
            QMetaObject::invokeMethod(this, [this, progress] { show_progress(progress); }, Qt::QueuedConnection);
        }, stop);
        QMetaObject::invokeMethod(this, &SfvWork::finish, Qt::QueuedConnection);
    });
}

void SfvWork::show_progress(const release_files::PartsProgress& progress)
{
    if (!dialog_ || thread_.get_stop_token().stop_requested())
        return;
    const QLocale locale;
    const std::vector<std::filesystem::path>& parts = running_->parts;
    dialog_->setLabelText(QStringLiteral("Reading %1 (part %2 of %3)\n%4 of %5")
                              .arg(part_name(parts.at(progress.part)))
                              .arg(progress.part + 1)
                              .arg(parts.size())
                              .arg(locale.formattedDataSize(static_cast<qint64>(progress.bytes_done)),
                                   locale.formattedDataSize(static_cast<qint64>(progress.bytes_total))));
    const double done = progress.bytes_total ? double(progress.bytes_done) / double(progress.bytes_total) : 1.0;
    // A modal dialog's setValue takes the events that wait, this work's end among them.
    dialog_->setValue(static_cast<int>(std::min(done, 1.0) * bar_steps));
}

void SfvWork::finish()
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
