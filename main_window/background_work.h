// Reading a set's parts for its .sfv, off the GUI thread: the work runs on a
// thread of its own while a progress dialog names the part being read and
// the bytes done of the total, and the window goes on repainting. Cancel
// stops the reading within microseconds (part_crcs sees the stop between two
// blocks). What the work found comes back to the GUI thread, the only one
// that touches a widget. One piece of work at a time for the whole window:
// work asked for while other work runs (in the half second before that
// work's dialog shows and holds the window) waits its turn, and is never
// dropped.
#pragma once

#include "part_crcs.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stop_token>
#include <thread>
#include <vector>

class QProgressDialog;
class QWidget;

namespace relwiz {

class SfvWork : public QObject {
    Q_OBJECT

public:
    // How long work may take before its progress dialog shows: a check from
    // the page cache is over sooner, and a dialog that flashed would only distract.
    static constexpr int dialog_delay_ms = 500;

    template <typename Result>
    using Reading = std::function<Result(const release_files::PartsProgressCallback&, std::stop_token)>;

    // The dialogs stand over `window`.
    explicit SfvWork(QWidget* window);
    ~SfvWork() override;  // a running work is stopped, its thread waited for; its result and waiting work dropped

    // Runs `read` on a thread of its own, its progress shown in a dialog
    // titled `title`, then calls `done` with what it found on the GUI
    // thread. Returns at once; while other work runs, this waits for it.
    //
    //     work.run<Outcome<SfvCheck>>("Check Disc 1 parts", parts,
    //         [=](const auto& progress, std::stop_token stop) { return check_sfv(sfv, parts, progress, stop); },
    //         [](const Outcome<SfvCheck>& check) { report(check); });
    template <typename Result>
    void run(const QString& title, std::vector<std::filesystem::path> parts, Reading<Result> read,
             std::function<void(const Result&)> done)
    {
        auto result = std::make_shared<std::optional<Result>>();
        enqueue({title, std::move(parts),
                 [read = std::move(read), result](const auto& progress, std::stop_token stop) {
                     result->emplace(read(progress, stop));
                 },
                 [done = std::move(done), result] { done(**result); }});
    }

private:
    struct Job {
        QString title;
        std::vector<std::filesystem::path> parts;
        std::function<void(const release_files::PartsProgressCallback&, std::stop_token)> work;
        std::function<void()> done;
    };

    void enqueue(Job job);
    void start(Job job);
    void show_progress(const release_files::PartsProgress& progress);
    void finish();

    QWidget* window_;
    std::optional<Job> running_;
    std::deque<Job> waiting_;
    QPointer<QProgressDialog> dialog_;
    std::jthread thread_;  // last: stopped and joined before the rest goes
};

}  // namespace relwiz
