// Reading a set's parts for its .sfv, off the GUI thread: the work runs on a
// thread of its own while a progress dialog names the part being read and
// the bytes done of the total, and the window goes on repainting. Cancel
// stops the reading within microseconds (part_crcs sees the stop between two
// blocks). What the work found comes back to the GUI thread, the only one
// that touches a widget. One piece of work at a time for the whole window.
#pragma once

#include "part_crcs.h"

#include <QObject>
#include <QPointer>
#include <QString>

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

    template <typename Outcome>
    using Reading = std::function<Outcome(const release_files::PartsProgressCallback&, std::stop_token)>;

    // The dialogs stand over `window`.
    explicit SfvWork(QWidget* window);
    ~SfvWork() override;  // a running work is stopped, its thread waited for, its outcome dropped

    bool busy() const { return busy_; }

    // Runs `read` on a thread of its own, its progress shown in a dialog
    // titled `title`, then calls `done` with its outcome on the GUI thread.
    // Returns at once; false, and nothing done, while other work runs.
    //
    //     work.run<OrRefusal<SfvCheck>>("Check Disc 1 parts", parts,
    //         [=](const auto& progress, std::stop_token stop) { return check_sfv(sfv, parts, progress, stop); },
    //         [](const OrRefusal<SfvCheck>& check) { report(check); });
    template <typename Outcome>
    bool run(const QString& title, std::vector<std::filesystem::path> parts, Reading<Outcome> read,
             std::function<void(const Outcome&)> done)
    {
        auto outcome = std::make_shared<std::optional<Outcome>>();
        return start(
            title, std::move(parts),
            [read = std::move(read), outcome](const auto& progress, std::stop_token stop) {
                outcome->emplace(read(progress, stop));
            },
            [done = std::move(done), outcome] { done(**outcome); });
    }

private:
    using Work = std::function<void(const release_files::PartsProgressCallback&, std::stop_token)>;

    bool start(const QString& title, std::vector<std::filesystem::path> parts, Work work, std::function<void()> done);
    void show_progress(const release_files::PartsProgress& progress);
    void finish(const std::function<void()>& done);

    QWidget* window_;
    bool busy_ = false;
    std::vector<std::filesystem::path> parts_;  // of the running work, for the part's name
    QPointer<QProgressDialog> dialog_;
    std::jthread thread_;  // last: stopped and joined before the rest goes
};

}  // namespace relwiz
