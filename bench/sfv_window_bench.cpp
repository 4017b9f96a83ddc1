// How long the window stops answering while a disc page checks 3 GiB of
// parts against their .sfv: a timer due every 2 ms on the GUI thread, its
// longest wait beyond that while the check runs (from the drop to the answer
// shown), beside the same timer's longest wait in an idle window for as
// long, in the same run. Once with the parts in the page cache, once with
// them put out of it (posix_fadvise), so that the reading takes long enough
// for the progress dialog to show; three checks each, the worst counted.
//     QT_QPA_PLATFORM=offscreen sfv_window_bench
#include "form_builder.h"
#include "main_form.h"
#include "shown_form.h"
#include "part_set.h"
#include "sfv_write.h"
#include "tab_control.h"

#include <QApplication>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressDialog>
#include <QTimer>
#include <QUrl>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int part_count = 48;
constexpr std::size_t part_size = std::size_t(64) << 20;
constexpr int tick_ms = 2;
constexpr double goal_ms = 50;

void drop_from_page_cache(const std::vector<fs::path>& parts)
{
    for (const fs::path& part : parts) {
        const int descriptor = ::open(part.c_str(), O_RDONLY | O_CLOEXEC);
        ::posix_fadvise(descriptor, 0, 0, POSIX_FADV_DONTNEED);
        ::close(descriptor);
    }
}

// The longest the GUI thread kept a timer due every tick_ms waiting, beyond
// its due time, until `over` says so; `start` runs once the timer runs.
struct Stall {
    double longest_ms = 0;
    double lasted_ms = 0;
    bool dialog_shown = false;
    QString answer;
};

Stall measure(relwiz::MainForm& form, const std::function<void()>& start, const std::function<bool(Stall&)>& over)
{
    Stall stall;
    QElapsedTimer since_tick, since_start;
    QTimer ticks;
    ticks.setTimerType(Qt::PreciseTimer);
    QEventLoop loop;
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        stall.longest_ms = std::max(stall.longest_ms, since_tick.nsecsElapsed() / 1e6 - tick_ms);
        since_tick.start();
        if (over(stall)) {
            stall.lasted_ms = since_start.nsecsElapsed() / 1e6;
            loop.quit();
        }
    });
    since_tick.start();
    since_start.start();
    ticks.start(tick_ms);
    QTimer::singleShot(0, &form, start);
    loop.exec();
    return stall;
}

// Over when the answer is shown: it is read, and the box closed.
bool answered(relwiz::MainForm& form, Stall& stall)
{
    if (auto* progress = form.findChild<QProgressDialog*>(); progress && progress->isVisible())
        stall.dialog_shown = true;
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box)
        return false;
    stall.answer = box->text();
    box->done(QMessageBox::Ok);
    return true;
}

void drop(QWidget* target, const QString& folder)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(folder)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QDropEvent dropped(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &dropped);
}

void report(const char* label, const std::vector<Stall>& checks, const Stall& idle)
{
    const auto worst = std::ranges::max(checks, {}, &Stall::longest_ms);
    const bool dialog = std::ranges::any_of(checks, &Stall::dialog_shown);
    std::printf("%-16s checks of %5.0f to %5.0f ms, progress dialog %s; answer \"%s\"\n", label,
                std::ranges::min(checks, {}, &Stall::lasted_ms).lasted_ms,
                std::ranges::max(checks, {}, &Stall::lasted_ms).lasted_ms, dialog ? "shown" : "not shown",
                qPrintable(worst.answer));
    std::printf("%-16s largest stall %.2f ms, idle window %.2f ms = %.1fx  (goal < %.0f ms: %s)\n", label,
                worst.longest_ms, idle.longest_ms, worst.longest_ms / std::max(idle.longest_ms, 0.01), goal_ms,
                worst.longest_ms < goal_ms ? "met" : "NOT met");
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const fs::path folder = fs::temp_directory_path() / ("relwiz_sfv_window_bench." + std::to_string(::getpid()));
    fs::create_directories(folder);
    // Flushed, so that the page cache may let them go.
    const std::vector<fs::path> parts = relwiz::bench::make_part_set(folder, part_count, part_size, true);
    if (const auto written = relwiz::release_files::write_sfv(folder / "bench.sfv", parts, {}, {}); !written) {
        std::fprintf(stderr, "%s\n", written.refusal().message.c_str());
        fs::remove_all(folder);
        return 1;
    }

    relwiz::MainForm form;
    form.tab_control()->set_current_index(2);  // Disc 1 Info
    relwiz::bench::show_whole(form);
    QWidget* page = form.findChild<QWidget*>(QStringLiteral("Frame4"));
    const QString dropped = QString::fromStdString(folder.string());
    const auto check = [&](bool from_disc) {
        if (from_disc)
            drop_from_page_cache(parts);
        return measure(form, [&] { drop(page, dropped); }, [&form](Stall& stall) { return answered(form, stall); });
    };
    check(false);  // the window's first dialogs built, fonts and all
    for (const bool from_disc : {false, true}) {
        std::vector<Stall> checks;
        for (int run = 0; run < 3; ++run)
            checks.push_back(check(from_disc));
        QElapsedTimer idle_time;
        idle_time.start();
        const double longest = std::ranges::max(checks, {}, &Stall::lasted_ms).lasted_ms;
        const Stall idle = measure(form, [] {}, [&](Stall&) { return idle_time.elapsed() >= longest; });
        report(from_disc ? "from the disc" : "from the cache", checks, idle);
    }
    fs::remove_all(folder);
    return 0;
}
