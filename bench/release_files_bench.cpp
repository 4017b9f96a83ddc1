// read_disc_files on one disc's files, a 4 GiB .iso and a 100-part .rar set,
// against a bare stat of the same 101 files, in one run; and how much of the
// image and of the last part it read. The files are sparse, so the benchmark
// needs no real 4 GiB.
#include "disc_files.h"
#include "ratio_reporter.h"
#include "read_count.h"

#include <benchmark/benchmark.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <optional>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t image_size = std::uint64_t(4) << 30;
constexpr std::uint64_t part_size = 50'000'000;
constexpr std::uint64_t read_goal = 128 * 1024;
constexpr std::uint64_t part_read_goal = 65'557;  // a ZIP's end record and the longest comment it may carry
// RAR 5's signature, and the end-of-archive block of the set's last volume: CRC32, size 3, type 5, flags.
constexpr std::string_view rar5_signature("Rar!\x1A\x07\x01\x00", 8);
constexpr std::string_view rar5_last_end("\x1D\x77\x56\x51\x03\x05\x04\x00", 8);

// Writes value at bytes[at] in both byte orders, as ISO 9660 keeps its numbers.
void put_both_endian(std::string& bytes, std::size_t at, std::uint32_t value, int width)
{
    for (int i = 0; i < width; ++i) {
        bytes[at + i] = static_cast<char>(value >> (8 * i));
        bytes[at + 2 * width - 1 - i] = static_cast<char>(value >> (8 * i));
    }
}

// A primary volume descriptor as a mastering tool writes one, and the set terminator after it.
std::string volume_descriptors()
{
    std::string primary(2048, '\0');
    primary.replace(0, 7, "\1CD001\1");
    primary.replace(8, 32, std::string("LINUX").append(27, ' '));
    primary.replace(40, 32, std::string("BENCH_DISC").append(22, ' '));
    put_both_endian(primary, 80, image_size / 2048, 4);  // volume space size, in sectors
    put_both_endian(primary, 120, 1, 2);                 // volume set size
    put_both_endian(primary, 124, 1, 2);                 // volume sequence number
    put_both_endian(primary, 128, 2048, 2);              // logical block size
    primary[156] = 34;                                   // root directory record: its length,
    put_both_endian(primary, 158, 18, 4);                // its extent, just after the terminator,
    put_both_endian(primary, 166, 2048, 4);              // its size
    primary[181] = 2;                                    // and its flags: a directory
    primary[881] = 1;                                    // file structure version
    std::string terminator(2048, '\0');
    terminator.replace(0, 7, "\xFF" "CD001\1");
    return primary + terminator;
}

void make_file(const fs::path& path, std::string_view head, std::uint64_t size, std::string_view tail = {})
{
    std::ofstream(path, std::ios::binary).write(head.data(), static_cast<std::streamsize>(head.size()));
    fs::resize_file(path, size - tail.size());
    std::ofstream(path, std::ios::binary | std::ios::app).write(tail.data(), static_cast<std::streamsize>(tail.size()));
}

// name.iso with its descriptors at sector 16, and name.rar, name.r00 to name.r98, the last ending the set.
std::vector<fs::path> make_release(const fs::path& folder)
{
    std::vector<fs::path> files{folder / "bench.iso"};
    make_file(files.back(), std::string(16 * 2048, '\0') + volume_descriptors(), image_size);
    files.push_back(folder / "bench.rar");
    for (int n = 0; n < 99; ++n)
        files.push_back(folder / ("bench.r" + std::string(n < 10 ? "0" : "") + std::to_string(n)));
    for (std::size_t i = 1; i < files.size(); ++i)
        make_file(files[i], rar5_signature, part_size, i + 1 == files.size() ? rar5_last_end : "");
    return files;
}

void read_release(benchmark::State& state, const std::vector<fs::path>& files)
{
    for (auto _ : state) {
        auto found = relwiz::release_files::read_disc_files(files);
        benchmark::DoNotOptimize(found);
    }
}

// The floor: the one system call that learns a file's type and size.
void stat_files(benchmark::State& state, const std::vector<fs::path>& files)
{
    for (auto _ : state) {
        for (const fs::path& file : files) {
            struct stat status {};
            benchmark::DoNotOptimize(::stat(file.c_str(), &status));
            benchmark::DoNotOptimize(status.st_size);
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const fs::path folder = fs::temp_directory_path() / ("relwiz_release_files_bench." + std::to_string(::getpid()));
    fs::create_directories(folder);
    const std::vector<fs::path> files = make_release(folder);

    std::optional<relwiz::Outcome<relwiz::release_files::DiscFiles>> read;
    const std::uint64_t image_read = relwiz::testing::bytes_read_by(
        [&] { read = relwiz::release_files::read_disc_files({files.front()}); });
    const std::uint64_t parts_read = relwiz::testing::bytes_read_by(
        [&] { read = relwiz::release_files::read_disc_files({files.begin() + 1, files.end()}); });
    const auto found = relwiz::release_files::read_disc_files(files);
    if (!found || !found->image || !found->archive || found->archive->parts != files.size() - 1) {
        std::fprintf(stderr, "the release was not read as one image and one set: %s\n",
                     found ? "" : found.refusal().message.c_str());
        fs::remove_all(folder);
        return 1;
    }

    benchmark::RegisterBenchmark("read_disc_files/101_files", read_release, files);
    benchmark::RegisterBenchmark("stat/101_files", stat_files, files);
    benchmark::Initialize(&argc, argv);
    relwiz::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.print_ratio("read_disc_files/101_files", "stat/101_files", 5.0);
    std::printf("image bytes read: %llu of %llu  (goal <= %llu: %s); volume label \"%s\"\n",
                static_cast<unsigned long long>(image_read), static_cast<unsigned long long>(image_size),
                static_cast<unsigned long long>(read_goal), image_read <= read_goal ? "met" : "NOT met",
                found->image->volume_label.value_or("").c_str());
    std::printf("last part bytes read: %llu of %llu  (goal <= %llu: %s)\n",
                static_cast<unsigned long long>(parts_read), static_cast<unsigned long long>(part_size),
                static_cast<unsigned long long>(part_read_goal), parts_read <= part_read_goal ? "met" : "NOT met");
    benchmark::Shutdown();
    fs::remove_all(folder);
    return 0;
}
