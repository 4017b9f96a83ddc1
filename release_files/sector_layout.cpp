#include "sector_layout.h"

#include "volume_descriptors.h"

#include <array>
#include <string_view>

namespace relwiz::release_files {

std::optional<SectorLayout> track_sectors(TrackMode mode, std::uint32_t sector_size)
{
    const bool raw = sector_size == 2352 || sector_size == 2368 || sector_size == 2448;
    switch (mode) {
    case TrackMode::audio:
        return raw ? std::optional(SectorLayout{sector_size, 0, false}) : std::nullopt;
    case TrackMode::mode2_form2:
        return raw || sector_size == 2324 || sector_size == 2336 ? std::optional(SectorLayout{sector_size, 0, false})
                                                                   : std::nullopt;
    case TrackMode::mode1:
    case TrackMode::mode2:
        break;
    }
    const bool mode2 = mode == TrackMode::mode2;
    if (sector_size == 2048)
        return cooked_sectors;
    if (sector_size == 2336 && mode2)
        return SectorLayout{2336, 8, true};
    if (raw)
        return SectorLayout{sector_size, mode2 ? 24u : 16u, true};
    return std::nullopt;
}

SectorLayout sniff_sector_layout(ByteSource& image)
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
    constexpr SectorLayout mode2_2336{2336, 8, true};  // the subheader, then the data
    std::array<char, 6> descriptor{};                  // its type, then the standard identifier
    if (image.read_at(first_descriptor_sector * mode2_2336.sector_size + mode2_2336.data_offset, descriptor)
            == descriptor.size()
        && std::string_view(descriptor.data() + 1, standard_identifier.size()) == standard_identifier)
        return mode2_2336;
    return cooked_sectors;
}

}  // namespace relwiz::release_files
