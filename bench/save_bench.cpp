// save_sheet of an 8 MiB sheet against a plain write of the same bytes to a
// file of the same folder, in one run.
#include "code_page.h"
#include "ratio_reporter.h"
#include "save_sheet.h"

#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString eight_mib_sheet()
{
    const QString line = QString(77, QLatin1Char('=')) + QLatin1String("\r\n");
    QString sheet;
    sheet.reserve(8 << 20);
    while (sheet.size() + line.size() <= (8 << 20))
        sheet += line;
    return sheet;
}

void save(benchmark::State& state, const QString& sheet)
{
    for (auto _ : state) {
        const auto saved = relwiz::save_sheet(QStringLiteral("bench"), relwiz::windows_1252().encode(sheet).bytes);
        if (!saved)
            state.SkipWithError(saved.refusal().detail.c_str());
    }
    state.SetBytesProcessed(int64_t(sheet.size()) * state.iterations());
}

void encode(benchmark::State& state, const QString& sheet)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(relwiz::windows_1252().encode(sheet).bytes);
    state.SetBytesProcessed(int64_t(sheet.size()) * state.iterations());
}

// The floor: the already encoded bytes written straight over a file, left in
// the page cache; with `durable`, also flushed to the disc as a save that
// survives a power cut must be.
void plain_write(benchmark::State& state, const QString& sheet, bool durable)
{
    const QByteArray bytes = relwiz::windows_1252().encode(sheet).bytes;
    for (auto _ : state) {
        const int fd = ::open("plain.nfo", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const bool written = fd >= 0 && ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size() &&
                             (!durable || ::fdatasync(fd) == 0);
        if ((fd >= 0 && ::close(fd) != 0) || !written)
            state.SkipWithError("plain write failed");
    }
    state.SetBytesProcessed(int64_t(bytes.size()) * state.iterations());
}

}  // namespace

int main(int argc, char** argv)
{
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    const QString sheet = eight_mib_sheet();
    benchmark::RegisterBenchmark("save_sheet/8MiB", save, sheet)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("encode/8MiB", encode, sheet)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("plain_write/8MiB", plain_write, sheet, false)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("plain_write+fdatasync/8MiB", plain_write, sheet, true)
        ->Unit(benchmark::kMillisecond);

    benchmark::Initialize(&argc, argv);
    relwiz::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.print_ratio("save_sheet/8MiB", "plain_write/8MiB", 2.0);
    reporter.print_ratio("save_sheet/8MiB", "plain_write+fdatasync/8MiB", 2.0);
    reporter.print_ratio("encode/8MiB", "plain_write/8MiB");
    benchmark::Shutdown();
    return 0;
}
