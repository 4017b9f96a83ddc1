// read_disc_files on one disc's files, a 4 GiB .iso and a 100-part .rar set,
// against a bare stat of the same 101 files, in one run; and how much of the
// image and of the last part it read. Then the same drop with the .iso
// swapped for each kind of image that keeps tables beside its sectors, a
// 4 GiB Nero .nrg, DiscJuggler .cdi and Alcohol 120% .mds + .mdf, against
// stat of its files, with the bytes read of each image. The files are
// sparse, so the benchmark needs no real 4 GiB.
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
constexpr std::uint64_t kind_read_goal = 256 * 1024;  // the tables and the label of any other kind of image
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

std::string big_endian(std::uint64_t value, int width)
{
    std::string bytes;
    for (int i = width - 1; i >= 0; --i)
        bytes += static_cast<char>(value >> (8 * i));
    return bytes;
}

std::string little_endian(std::uint64_t value, int width)
{
    std::string bytes = big_endian(value, width);
    return {bytes.rbegin(), bytes.rend()};
}

std::string zeros(std::size_t count)
{
    return std::string(count, '\0');
}

// The image's sectors (2048 bytes each, the descriptors at sector 16) end here; its tables follow.
constexpr std::uint64_t sectors_end = image_size;

// Nero 5.5 and later: one DAOX track of mode 1, the chain's end and the footer.
std::string nero_tables()
{
    const std::string track = zeros(12) + big_endian(2048, 2) + std::string("\0\0\0\1", 4) + big_endian(0, 8)
                            + big_endian(0, 8) + big_endian(sectors_end, 8);
    const std::string dao = zeros(20) + "\1\1" + track;
    return "DAOX" + big_endian(dao.size(), 4) + dao + "END!" + zeros(4) + "NER5" + big_endian(sectors_end, 8);
}

// DiscJuggler 4: one session of one mode 1 track, its table, version and length.
std::string discjuggler_tables()
{
    const std::string marks = std::string("\0\0\1\0\0\0\xFF\xFF\xFF\xFF", 10);
    const std::uint64_t sectors = sectors_end / 2048;
    std::string table = little_endian(1, 2) + little_endian(1, 2) + zeros(4) + marks + marks + zeros(4) + "\x09" + std::string("bench.cdi")
                      + zeros(19) + little_endian(0x80000000, 4) + zeros(8) + "\2" + zeros(1) + little_endian(0, 4)
                      + little_endian(sectors, 4) + zeros(6) + little_endian(1, 4) + zeros(16) + little_endian(sectors, 4)
                      + zeros(16) + little_endian(0, 4) + zeros(29) + zeros(9) + zeros(13) + zeros(20);
    return table + little_endian(0x80000006, 4) + little_endian(table.size() + 8, 4);
}

// Alcohol 120% 1.5: one session of one mode 1 track in "*.mdf".
std::string alcohol_descriptor()
{
    std::string mds = "MEDIA DESCRIPTOR" + std::string("\1\5\0\0", 4) + little_endian(1, 2);
    mds += zeros(0x50 - mds.size()) + little_endian(0x58, 4) + zeros(4);
    mds += little_endian(-150, 4) + zeros(4) + little_endian(1, 2) + "\1" + zeros(1) + little_endian(1, 2)
         + little_endian(1, 2) + zeros(4) + little_endian(0x70, 4);
    mds += std::string("\xAA\0\x14\0\1", 5) + zeros(7) + little_endian(0xC0, 4) + little_endian(2048, 2) + zeros(18)
         + zeros(4) + little_endian(0, 8) + little_endian(1, 4) + little_endian(0xC8, 4) + zeros(24);
    return mds + zeros(4) + little_endian(sectors_end / 2048, 4) + little_endian(0xD8, 4) + zeros(12) + "*.mdf" + zeros(1);
}

// The other kinds' files of the same 4 GiB disc: bench.nrg, bench.cdi, and bench.mds with bench.mdf.
std::vector<std::vector<fs::path>> make_other_kinds(const fs::path& folder)
{
    const std::string sectors = std::string(16 * 2048, '\0') + volume_descriptors();
    const std::string nero = nero_tables(), juggler = discjuggler_tables();
    make_file(folder / "bench.nrg", sectors, sectors_end + nero.size(), nero);
    make_file(folder / "bench.cdi", sectors, sectors_end + juggler.size(), juggler);
    make_file(folder / "bench.mdf", sectors, sectors_end);
    const std::string mds = alcohol_descriptor();
    make_file(folder / "bench.mds", mds, mds.size());
    return {{folder / "bench.nrg"}, {folder / "bench.cdi"}, {folder / "bench.mds", folder / "bench.mdf"}};
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
    const fs::path others = folder / "others";
    fs::create_directories(others);
    const std::vector<std::vector<fs::path>> kinds = make_other_kinds(others);
    std::vector<std::string> kind_lines;
    for (const std::vector<fs::path>& kind : kinds) {
        const std::string name = kind.front().filename().string();
        std::optional<relwiz::Outcome<relwiz::release_files::DiscFiles>> kind_found;
        const std::uint64_t kind_read =
            relwiz::testing::bytes_read_by([&] { kind_found = relwiz::release_files::read_disc_files(kind); });
        if (!*kind_found || !(*kind_found)->image) {
            std::fprintf(stderr, "%s was not read as an image: %s\n", name.c_str(),
                         *kind_found ? "" : kind_found->refusal().message.c_str());
            fs::remove_all(folder);
            return 1;
        }
        char line[256];
        std::snprintf(line, sizeof line, "%s bytes read: %llu  (goal <= %llu: %s); volume label \"%s\"", name.c_str(),
                      static_cast<unsigned long long>(kind_read), static_cast<unsigned long long>(kind_read_goal),
                      kind_read <= kind_read_goal ? "met" : "NOT met",
                      (*kind_found)->image->volume_label.value_or("").c_str());
        kind_lines.emplace_back(line);
        std::vector<fs::path> drop = kind;
        drop.insert(drop.end(), files.begin() + 1, files.end());
        benchmark::RegisterBenchmark(("read_disc_files/" + name + "+parts").c_str(), read_release, drop);
        benchmark::RegisterBenchmark(("stat/" + name + "+parts").c_str(), stat_files, drop);
    }
    benchmark::Initialize(&argc, argv);
    relwiz::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.print_ratio("read_disc_files/101_files", "stat/101_files", 5.0);
    for (const std::vector<fs::path>& kind : kinds)
        reporter.print_ratio("read_disc_files/" + kind.front().filename().string() + "+parts",
                             "stat/" + kind.front().filename().string() + "+parts", 5.0);
    std::printf("image bytes read: %llu of %llu  (goal <= %llu: %s); volume label \"%s\"\n",
                static_cast<unsigned long long>(image_read), static_cast<unsigned long long>(image_size),
                static_cast<unsigned long long>(read_goal), image_read <= read_goal ? "met" : "NOT met",
                found->image->volume_label.value_or("").c_str());
    std::printf("last part bytes read: %llu of %llu  (goal <= %llu: %s)\n",
                static_cast<unsigned long long>(parts_read), static_cast<unsigned long long>(part_size),
                static_cast<unsigned long long>(part_read_goal), parts_read <= part_read_goal ? "met" : "NOT met");
    for (const std::string& line : kind_lines)
        std::printf("%s\n", line.c_str());
    benchmark::Shutdown();
    fs::remove_all(folder);
    return 0;
}
