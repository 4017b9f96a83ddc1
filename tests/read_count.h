// How many bytes this thread reads from files while it does something, as
// the kernel counts them (rchar of /proc/thread-self/io): the readers are
// measured by what they really read, with nothing in their own interfaces
// for it. Listing a folder or looking at a file's size reads nothing here.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>

namespace relwiz::testing {

inline std::uint64_t bytes_read_so_far()
{
    std::ifstream io("/proc/thread-self/io");
    std::string name;
    std::uint64_t value = 0;
    while (io >> name >> value)
        if (name == "rchar:")
            return value;
    return 0;
}

// The bytes `deed` reads, less what reading the count itself costs.
template <typename Deed>
std::uint64_t bytes_read_by(Deed&& deed)
{
    const std::uint64_t before = bytes_read_so_far();
    const std::uint64_t counting = bytes_read_so_far() - before;
    deed();
    const std::uint64_t after = bytes_read_so_far();
    return after - before - 2 * counting;
}

}  // namespace relwiz::testing
