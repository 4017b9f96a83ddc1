// How an image's sectors are laid out. A raw sector (2352 bytes, as a .bin
// holds it) wraps the 2048 bytes a file system sees in sync, header and error
// correction; a cooked one (an .iso's) is those 2048 bytes alone.
#pragma once

#include "byte_source.h"

#include <cstdint>
#include <optional>

namespace relwiz::release_files {

struct SectorLayout {
    std::uint32_t sector_size = 2048;
    std::uint32_t data_offset = 0;  // where the 2048 bytes of data start in each sector
    bool has_file_system = true;    // false for audio, which carries no volume descriptors
};

inline constexpr SectorLayout cooked_sectors{2048, 0, true};

// A track's pregap: sectors laid out as its data's, but before its file
// system begins, so that they are counted and never searched for a label.
inline constexpr SectorLayout pregap_sectors(SectorLayout track)
{
    track.has_file_system = false;
    return track;
}

// What a track holds, as the image formats that give each track's sector
// size name it. Audio and mode 2 form 2 (video, mostly) carry no file system.
enum class TrackMode { audio, mode1, mode2, mode2_form2 };

// A track's sectors of sector_size bytes: cooked (2048 bytes of data),
// mode 2 without sync and header (2336, the data after the subheader), or
// raw (2352, or 2368 and 2448 with sub-channel data after each), the data
// after the mode 1 header or the mode 2 subheader. None for a size no CD
// image keeps that mode in.
//
//     track_sectors(TrackMode::mode2, 2448)->data_offset   // 24
std::optional<SectorLayout> track_sectors(TrackMode mode, std::uint32_t sector_size);

// A .bin with no cue sheet to say how it is laid out: raw sectors of mode 1
// or 2 when sector 16 begins with the sync pattern; MODE2/2336 sectors (no
// sync, the data 8 bytes in) when a volume descriptor starts 8 bytes into
// their sector 16; else cooked sectors.
//
//     RegularFile bin("game.bin");
//     sniff_sector_layout(bin).sector_size;   // 2352
SectorLayout sniff_sector_layout(ByteSource& image);

}  // namespace relwiz::release_files
