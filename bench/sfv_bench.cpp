// A set's parts, 1 GiB in 16 parts of random bytes read from the page cache,
// checked against their .sfv by check_sfv, beside the same check by
// `rhash --crc32 -c` and `cksfv -f` (each skipped with a note when not
// installed) and a plain read() of the same files in the same 64 KiB blocks,
// on one thread and on two as the check reads them, in one run; then how
// long a cancel takes to be seen. The CPU column counts every thread.
#include "part_set.h"
#include "ratio_reporter.h"
#include "sfv_check.h"
#include "sfv_write.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace relwiz::release_files;

constexpr int part_count = 16;
constexpr std::size_t part_size = std::size_t(64) << 20;
constexpr std::int64_t set_size = std::int64_t(part_count) * part_size;

void check(benchmark::State& state, const fs::path& sfv, const std::vector<fs::path>& parts)
{
    for (auto _ : state) {
        const auto checked = check_sfv(sfv, parts, {}, {});
        if (!checked || !checked->problems.empty())
            state.SkipWithError("check_sfv did not find every part matching");
    }
    state.SetBytesProcessed(set_size * state.iterations());
}

// One of the tools on the .sfv, in the parts' folder, its output thrown away.
void tool(benchmark::State& state, const fs::path& folder, const std::string& command)
{
    const std::string line = "cd '" + folder.string() + "' && " + command + " > /dev/null 2>&1";
    for (auto _ : state)
        if (std::system(line.c_str()) != 0)
            state.SkipWithError((command + " failed").c_str());
    state.SetBytesProcessed(set_size * state.iterations());
}

// Every `threads`-th part from first read front to back, nothing done with the bytes.
void read_every(const std::vector<fs::path>& parts, std::size_t first, std::size_t threads)
{
    std::vector<char> block(64 * 1024);
    for (std::size_t i = first; i < parts.size(); i += threads) {
        const int fd = ::open(parts[i].c_str(), O_RDONLY | O_CLOEXEC);
        while (::read(fd, block.data(), block.size()) > 0)
            benchmark::ClobberMemory();
        ::close(fd);
    }
}

// The floor: the parts read on one thread, and (for information, as the
// check reads them) on two, one part each.
void plain_read(benchmark::State& state, const std::vector<fs::path>& parts, std::size_t threads)
{
    for (auto _ : state) {
        std::vector<std::jthread> readers;
        for (std::size_t first = 0; first < threads; ++first)
            readers.emplace_back(read_every, std::cref(parts), first, threads);
    }
    state.SetBytesProcessed(set_size * state.iterations());
}

bool installed(const char* program)
{
    return std::system(("command -v " + std::string(program) + " > /dev/null").c_str()) == 0;
}

// The longest a check ran on after its stop was requested, of five
// requested 40 ms into a check (a third of the way on an idle machine) from
// another thread, as the window's Cancel does; -1 when none was cancelled.
double slowest_cancel_ms(const fs::path& sfv, const std::vector<fs::path>& parts)
{
    double slowest = -1;
    for (int run = 0; run < 5; ++run) {
        std::stop_source stop;
        std::chrono::steady_clock::time_point requested;
        std::jthread cancel([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(40));
            requested = std::chrono::steady_clock::now();
            stop.request_stop();
        });
        const auto checked = check_sfv(sfv, parts, {}, stop.get_token());
        const auto returned = std::chrono::steady_clock::now();
        cancel.join();
        if (checked.was_cancelled())
            slowest = std::max(slowest, std::chrono::duration<double, std::milli>(returned - requested).count());
    }
    return slowest;
}

}  // namespace

int main(int argc, char** argv)
{
    const fs::path folder = fs::temp_directory_path() / ("relwiz_sfv_bench." + std::to_string(::getpid()));
    fs::create_directories(folder);
    const std::vector<fs::path> parts = relwiz::bench::make_part_set(folder, part_count, part_size, false);
    const fs::path sfv = folder / "bench.sfv";
    if (const auto written = write_sfv(sfv, parts, {}, {}); !written) {  // reads every part once, into the page cache
        std::fprintf(stderr, "%s\n", written.refusal().message.c_str());
        fs::remove_all(folder);
        return 1;
    }

    const auto add = [](benchmark::internal::Benchmark* benchmark) {
        benchmark->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(5);
    };
    add(benchmark::RegisterBenchmark("check_sfv/1GiB", check, sfv, parts)->MeasureProcessCPUTime());
    add(benchmark::RegisterBenchmark("read/1GiB", plain_read, parts, 1)->MeasureProcessCPUTime());
    add(benchmark::RegisterBenchmark("read/1GiB/2_threads", plain_read, parts, 2)->MeasureProcessCPUTime());
    const std::vector<std::pair<const char*, std::string>> tools{{"rhash", "rhash --crc32 -c bench.sfv"},
                                                                 {"cksfv", "cksfv -q -f bench.sfv"}};
    for (const auto& [program, command] : tools) {
        if (installed(program))
            add(benchmark::RegisterBenchmark((std::string(program) + "/1GiB").c_str(), tool, folder, command));
        else
            std::printf("%s is not installed: the check is not timed against it\n", program);
    }
    benchmark::Initialize(&argc, argv);
    relwiz::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.print_ratio("check_sfv/1GiB", "rhash/1GiB", 1.0);
    reporter.print_ratio("check_sfv/1GiB", "cksfv/1GiB", 1.0);
    reporter.print_ratio("check_sfv/1GiB", "read/1GiB", 1.25);
    reporter.print_ratio("check_sfv/1GiB", "read/1GiB/2_threads");
    const double check_seconds = reporter.seconds("check_sfv/1GiB");
    const double read_seconds = reporter.seconds("read/1GiB");
    if (check_seconds > 0 && read_seconds > 0)
        std::printf("throughput: check_sfv %.2f GiB/s, read() %.2f GiB/s = %.2fx  (goal >= 0.8x: %s)\n",
                    1 / check_seconds, 1 / read_seconds, read_seconds / check_seconds,
                    read_seconds / check_seconds >= 0.8 ? "met" : "NOT met");
    const double cancel_ms = slowest_cancel_ms(sfv, parts);
    std::printf("cancel seen within %.3f ms, the slowest of 5  (goal < 100 ms: %s)\n", cancel_ms,
                cancel_ms >= 0 && cancel_ms < 100 ? "met" : "NOT met");
    benchmark::Shutdown();
    fs::remove_all(folder);
    return 0;
}
