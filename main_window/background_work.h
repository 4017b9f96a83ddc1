// Long work off the GUI thread: reading a set's parts for its .sfv, drawing
// a sheet's picture. The work runs on a thread of its own while a progress
// dialog says what it does and how much is done, and the window goes on
// repainting. Cancel stops the work within microseconds (the work sees its
// stop token between two blocks or lines). What the work found comes back
// to the GUI thread, the only one that touches a widget. One piece of work
// at a time for the whole window: work asked for while other work runs (in
// the half second before that work's dialog shows and holds the window)
// waits its turn, and is never dropped.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <stop_token>
#include <thread>

class QProgressDialog;
class QWidget;

namespace relwiz {

// How far work is, as its dialog shows it.
struct WorkProgress {
    QString text;      // "Reading game.r01 (part 2 of 3)\n1.5 MB of 3 MB"
    double done = 0;   // from 0 to 1
};

// Called on the work's thread, never twice at once; the dialog shows the last.
using WorkProgressCallback = std::function<void(const WorkProgress&)>;

class BackgroundWork : public QObject {
    Q_OBJECT

public:
    // How long work may take before its progress dialog shows: a check from
    // the page cache is over sooner, and a dialog that flashed would only distract.
    static constexpr int dialog_delay_ms = 500;

    template <typename Result>
    using Work = std::function<Result(const WorkProgressCallback&, std::stop_token)>;

    // The dialogs stand over `window`.
    explicit BackgroundWork(QWidget* window);
    ~BackgroundWork() override;  // a running work is stopped, its thread waited for; its result and waiting work dropped

    // Runs `work` on a thread of its own, its progress shown in a dialog
    // titled `title`, then calls `done` with what it found on the GUI
    // thread. Returns at once; while other work runs, this waits for it.
    //
    //     work.run<Outcome<SfvCheck>>("Check Disc 1 parts",
    //         [=](const WorkProgressCallback& progress, std::stop_token stop) { return check(progress, stop); },
    //         [](const Outcome<SfvCheck>& check) { report(check); });
    template <typename Result>
    void run(const QString& title, Work<Result> work, std::function<void(const Result&)> done)
    {
        auto result = std::make_shared<std::optional<Result>>();
        enqueue({title,
                 [work = std::move(work), result](const WorkProgressCallback& progress, std::stop_token stop) {
                     result->emplace(work(progress, stop));
                 },
                 [done = std::move(done), result] { done(**result); }});
    }

private:
    struct Job {
        QString title;
        std::function<void(const WorkProgressCallback&, std::stop_token)> work;
        std::function<void()> done;
    };

    void enqueue(Job job);
    void start(Job job);
    void show_progress(const WorkProgress& progress);
    void finish();

    QWidget* window_;
    std::optional<Job> running_;
    std::deque<Job> waiting_;
    QPointer<QProgressDialog> dialog_;
    std::jthread thread_;  // last: stopped and joined before the rest goes
};

}  // namespace relwiz
