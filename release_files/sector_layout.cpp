#include "sector_layout.h"

#include "regular_file.h"

#include <array>
#include <string_view>

namespace relwiz::release_files {

SectorLayout sniff_sector_layout(RegularFile& image)
{
    // Sector 16 holds the first volume descriptor, so every data track has a sector there.
    constexpr std::uint32_t raw_size = 2352;
    constexpr std::string_view sync("\0\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\0", 12);
    std::array<char, 16> header{};  // sync, three address bytes, mode
    if (image.read_at(16 * raw_size, header) == header.size()
        && std::string_view(header.data(), sync.size()) == sync) {
        if (header[15] == 1)
            return {raw_size, 16, true};
        if (header[15] == 2)
            return {raw_size, 24, true};  // after the mode 2 subheader
    }
    return cooked_sectors;
}

}  // namespace relwiz::release_files
