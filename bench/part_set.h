// The archive set the .sfv benches read: bench.rar, bench.r00 on, in a
// folder of the bench's own, each part of random bytes (the same but for the
// first eight, which number the part: what is read matters, not what it says).
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace relwiz::bench {

// `flushed`: written through to the disc, so that the page cache may let the parts go.
inline std::vector<std::filesystem::path> make_part_set(const std::filesystem::path& folder, int part_count,
                                                        std::size_t part_size, bool flushed)
{
    std::vector<std::filesystem::path> parts{folder / "bench.rar"};
    for (int n = 0; n < part_count - 1; ++n)
        parts.push_back(folder / ("bench.r" + std::string(n < 10 ? "0" : "") + std::to_string(n)));
    std::mt19937_64 random(20);
    std::vector<std::uint64_t> words(part_size / 8);
    std::ranges::generate(words, random);
    for (const std::filesystem::path& part : parts) {
        ++words.front();
        std::ofstream(part, std::ios::binary)
            .write(reinterpret_cast<const char*>(words.data()), static_cast<std::streamsize>(part_size));
        if (flushed) {
            const int descriptor = ::open(part.c_str(), O_RDONLY | O_CLOEXEC);
            ::fsync(descriptor);
            ::close(descriptor);
        }
    }
    return parts;
}

}  // namespace relwiz::bench
