// The two CRC-32 libraries the .sfv code could use, zlib's crc32_z and ISA-L's
// crc32_gzip_refl, on a 256 MiB file read from the page cache in blocks of
// 4 KiB to 4 MiB, beside a plain read() of the same file in the same blocks;
// and each library alone on one 64 KiB block that stays in the processor's
// cache. Either library is left out when its headers were not found. Times
// are the thread's CPU time, the kernel's copying included, so that other
// work on the machine moves them little.
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#ifdef RELWIZ_BENCH_ZLIB
#include <zlib.h>
#endif
#ifdef RELWIZ_BENCH_ISAL
#include <isa-l/crc.h>
#endif

namespace {

namespace fs = std::filesystem;

constexpr std::size_t file_size = std::size_t(256) << 20;

using Crc = std::uint32_t (*)(std::uint32_t crc, const char* bytes, std::size_t size);

std::uint32_t no_crc(std::uint32_t crc, const char*, std::size_t)
{
    return crc;
}

#ifdef RELWIZ_BENCH_ZLIB
std::uint32_t zlib_crc(std::uint32_t crc, const char* bytes, std::size_t size)
{
    return static_cast<std::uint32_t>(crc32_z(crc, reinterpret_cast<const Bytef*>(bytes), size));
}
#endif
#ifdef RELWIZ_BENCH_ISAL
std::uint32_t isal_crc(std::uint32_t crc, const char* bytes, std::size_t size)
{
    return crc32_gzip_refl(crc, reinterpret_cast<const unsigned char*>(bytes), size);
}
#endif

void make_file(const fs::path& path)
{
    std::vector<char> bytes(file_size);
    std::mt19937_64 random(20);
    for (std::size_t i = 0; i + 8 <= bytes.size(); i += 8) {
        const std::uint64_t word = random();
        std::copy_n(reinterpret_cast<const char*>(&word), 8, bytes.data() + i);
    }
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The whole file, block after block, each block's bytes through crc.
void read_file(benchmark::State& state, const fs::path& path, Crc crc, std::size_t block_size)
{
    std::vector<char> block(block_size);
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        std::uint32_t sum = 0;
        ssize_t got = 0;
        while ((got = ::read(fd, block.data(), block.size())) > 0)
            sum = crc(sum, block.data(), static_cast<std::size_t>(got));
        ::close(fd);
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(file_size) * state.iterations());
}

// The CRC alone, of one block already in the processor's cache.
void crc_in_cache(benchmark::State& state, Crc crc)
{
    std::vector<char> block(64 * 1024, '\x5A');
    for (auto _ : state)
        benchmark::DoNotOptimize(crc(0, block.data(), block.size()));
    state.SetBytesProcessed(static_cast<std::int64_t>(block.size()) * state.iterations());
}

struct Library {
    const char* name;
    Crc crc;
};

const std::vector<Library> libraries{
    {"read", no_crc},
#ifdef RELWIZ_BENCH_ZLIB
    {"zlib", zlib_crc},
#endif
#ifdef RELWIZ_BENCH_ISAL
    {"isal", isal_crc},
#endif
};

}  // namespace

int main(int argc, char** argv)
{
    const fs::path path = fs::temp_directory_path() / ("relwiz_crc32_bench." + std::to_string(::getpid()));
    make_file(path);
    for (const Library& library : libraries) {
        for (std::size_t block = 4 << 10; block <= 4 << 20; block *= 4)
            benchmark::RegisterBenchmark((std::string(library.name) + "/file/" + std::to_string(block)).c_str(),
                                         read_file, path, library.crc, block)
                ->Unit(benchmark::kMillisecond)->Repetitions(5)->DisplayAggregatesOnly();
        if (library.crc != no_crc)
            benchmark::RegisterBenchmark((std::string(library.name) + "/64KiB_in_cache").c_str(), crc_in_cache,
                                         library.crc);
    }
    benchmark::Initialize(&argc, argv);
    relwiz::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const char* block : {"4096", "16384", "262144", "1048576", "4194304"})
        reporter.print_ratio(std::string("isal/file/") + block, "isal/file/65536");
    reporter.print_ratio("isal/file/65536", "zlib/file/65536");
    reporter.print_ratio("isal/file/65536", "read/file/65536");
    reporter.print_ratio("isal/64KiB_in_cache", "zlib/64KiB_in_cache");
    benchmark::Shutdown();
    fs::remove(path);
    return 0;
}
