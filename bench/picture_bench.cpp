// The sheet saved as a picture against `ansilove -b 9`, on the same DOS text,
// in one run: a typical sheet (the worked example) and the same sheet with
// 1 MiB of art pasted in (block, shade and box characters in runs, between
// lines of text, as group art is drawn).
//   time: Save as picture's work (the text to cells, drawn, written whole and
//     flushed) against the whole run of `ansilove -q -b 9 -c <widest + 1>` on
//     the sheet's DOS text in a file; medians; goal at most 1.0x;
//   memory: what the drawing adds to the program's peak (measured in a child
//     made for it, from its size as the work starts to its high-water mark)
//     against ansilove's whole peak; goal no more.
// Where libansilove's headers are found, the library itself is measured too,
// drawing the same cells in-process with its .BIN loader: the measurement
// that chose to draw the picture here instead.
//     picture_bench [ansilove]
#include "code_page.h"
#include "dos_screen.h"
#include "process_memory.h"
#include "save_picture.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#ifdef RELWIZ_BENCH_LIBANSILOVE
#include <ansilove.h>
#endif

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

struct Run {
    double seconds = 0;
    double peak_mib = 0;  // the whole process's, or what the work added to it
};

QString typical_sheet()
{
    QFile file(QStringLiteral(RELWIZ_TYPICAL_SHEET));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll());
}

// Runs of blocks, shades and box lines 76 columns wide, every other line text.
QString with_art(QString sheet, qsizetype art_bytes)
{
    const QString strokes = QStringLiteral("\u2588\u2580\u2584\u258C\u2590\u2591\u2592\u2593\u2500\u2502\u250C\u2554\u2550 ");
    const QString text_line = QStringLiteral("   Supplied by the group, cracked and tested on real hardware.\r\n");
    unsigned seed = 1;
    for (qsizetype added = 0; added < art_bytes; added += 76 + 2 + text_line.size()) {
        sheet += QStringLiteral("\r\n");
        for (int column = 0; column < 76;) {
            seed = seed * 1103515245 + 12345;
            const QChar stroke = strokes[(seed >> 8) % strokes.size()];
            for (int run = 1 + (seed >> 16) % 6; run > 0 && column < 76; --run, ++column)
                sheet += stroke;
        }
        sheet += QStringLiteral("\r\n") + text_line.chopped(2);
    }
    return sheet;
}

double mib(long kib)
{
    return double(kib) / 1024;
}

// Save as picture's work once, in a child of its own: its time, and its high-water mark less its size as it began.
Run ours_once(const QString& sheet, const QString& path)
{
    int report[2];
    if (::pipe(report) != 0)
        return {};
    if (const pid_t child = ::fork(); child == 0) {
        const long before = status_kib("VmRSS");
        const auto start = Clock::now();
        const bool saved = bool(relwiz::save_picture(path, relwiz::dos_screen(sheet).lines, {}, {}));
        const Run run{std::chrono::duration<double>(Clock::now() - start).count(), mib(status_kib("VmHWM") - before)};
        (void)!::write(report[1], &run, sizeof run);
        ::_exit(saved ? 0 : 1);
    }
    ::close(report[1]);
    Run run;
    const bool reported = ::read(report[0], &run, sizeof run) == sizeof run;
    ::close(report[0]);
    int status = 0;
    ::wait(&status);
    return reported && WIFEXITED(status) && WEXITSTATUS(status) == 0 ? run : Run{};
}

// The whole run of ansilove on the DOS text in `input`: its time and its peak.
Run ansilove_once(const std::string& ansilove, const QString& input, std::size_t columns)
{
    const auto start = Clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        const std::string in = QFile::encodeName(input).toStdString(), out = in + ".png", width = std::to_string(columns);
        ::execlp(ansilove.c_str(), ansilove.c_str(), "-q", "-b", "9", "-c", width.c_str(), "-o", out.c_str(), in.c_str(),
                 nullptr);
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    return {std::chrono::duration<double>(Clock::now() - start).count(), mib(usage.ru_maxrss)};
}

#ifdef RELWIZ_BENCH_LIBANSILOVE
// libansilove drawing the cells in-process, each line padded to the widest
// in the (byte, attribute) pairs of a .BIN, grey on black; in a child.
Run libansilove_once(const relwiz::ScreenLines& lines, const QString& path)
{
    if (const pid_t child = ::fork(); child == 0) {
        std::vector<std::uint8_t> bin(lines.ends.size() * lines.columns * 2, 0x07);
        for (std::size_t line = 0; line < lines.ends.size(); ++line) {
            const std::string_view cells = lines.line(line);
            for (std::size_t column = 0; column < lines.columns; ++column)
                bin[(line * lines.columns + column) * 2] = column < cells.size() ? std::uint8_t(cells[column]) : ' ';
        }
        const auto start = Clock::now();
        ansilove_ctx context{};
        ansilove_options options{};
        ansilove_init(&context, &options);
        context.buffer = bin.data();
        context.length = bin.size();
        options.bits = 9;
        options.columns = std::int16_t(lines.columns);
        const bool drawn = ansilove_binary(&context, &options) == 0 &&
                           ansilove_savefile(&context, QFile::encodeName(path).constData()) == 0;
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        std::printf("libansilove in-process, its .BIN loader: %.1f ms, whole peak %.1f MiB%s\n", seconds * 1e3,
                    mib(status_kib("VmHWM")), drawn ? "" : " (failed)");
        std::fflush(stdout);
        ::_exit(0);
    }
    int status = 0;
    ::wait(&status);
    return {};
}
#endif

template <typename Measure>
Run median_of(int runs, const Measure& measure)
{
    std::vector<Run> all;
    for (int run = 0; run < runs; ++run)
        all.push_back(measure());
    std::sort(all.begin(), all.end(), [](const Run& a, const Run& b) { return a.seconds < b.seconds; });
    Run median = all[all.size() / 2];
    median.peak_mib = std::max_element(all.begin(), all.end(), [](const Run& a, const Run& b) {
                          return a.peak_mib < b.peak_mib;
                      })->peak_mib;
    return median;
}

void compare(const std::string& ansilove, const char* name, const QString& sheet, int runs)
{
    const relwiz::DosScreen screen = relwiz::dos_screen(sheet);
    const QByteArray dos = relwiz::cp437().encode(sheet).bytes;  // no TAB, 0x1A or ESC: ansilove reads it as it is
    const QString input = QStringLiteral("%1.ans").arg(QLatin1String(name));
    QFile file(input);
    if (!file.open(QIODevice::WriteOnly) || file.write(dos) != dos.size())
        return (void)std::printf("%s: cannot write %s\n", name, qPrintable(input));
    file.close();
    const Run ours = median_of(runs, [&] { return ours_once(sheet, QStringLiteral("%1.png").arg(QLatin1String(name))); });
    const Run theirs = median_of(runs, [&] { return ansilove_once(ansilove, input, screen.lines.columns + 1); });
    std::printf("%s (%zu lines, %zu columns, %lld bytes of DOS text), medians of %d runs:\n", name,
                screen.lines.ends.size(), screen.lines.columns, static_cast<long long>(dos.size()), runs);
    if (ours.seconds <= 0 || theirs.seconds <= 0)
        return (void)std::printf("  a run failed: relwiz %.3f s, ansilove %.3f s\n", ours.seconds, theirs.seconds);
    const double ratio = ours.seconds / theirs.seconds;
    std::printf("  time   relwiz %8.2f ms  ansilove -b 9 -c %zu %8.2f ms  ratio %.3f  (goal <= 1.0: %s)\n",
                ours.seconds * 1e3, screen.lines.columns + 1, theirs.seconds * 1e3, ratio, ratio <= 1.0 ? "met" : "NOT met");
    std::printf("  memory relwiz +%.1f MiB while drawing  ansilove's whole peak %.1f MiB  (goal <= ansilove's: %s)\n",
                ours.peak_mib, theirs.peak_mib, ours.peak_mib <= theirs.peak_mib ? "met" : "NOT met");
#ifdef RELWIZ_BENCH_LIBANSILOVE
    std::printf("  ");
    std::fflush(stdout);
    libansilove_once(screen.lines, QStringLiteral("%1.lib.png").arg(QLatin1String(name)));
#endif
}

}  // namespace

int main(int argc, char* argv[])
{
    const std::string ansilove = argc > 1 ? argv[1] : "ansilove";
    const QString typical = typical_sheet();
    if (typical.isEmpty())
        return std::printf("cannot read %s\n", RELWIZ_TYPICAL_SHEET), 1;
    QTemporaryDir folder;
    if (!QDir::setCurrent(folder.path()))
        return std::printf("no folder to work in\n"), 1;
    compare(ansilove, "typical sheet", typical, 21);
    compare(ansilove, "sheet with 1 MiB of art", with_art(typical, 1 << 20), 5);
    return 0;
}
