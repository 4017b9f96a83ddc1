// The volume label an ISO 9660 image carries in its volume descriptors, the
// 2048-byte records that start at sector 16 and end with the set terminator.
// The primary descriptor holds up to 32 bytes, Latin-1 or, as xorriso
// writes them, UTF-8; a Joliet descriptor holds 16 characters in UCS-2.
// Joliet's label wins, unless the mastering tool cut it there and the
// primary label carries the whole of it.
#pragma once

#include "byte_source.h"
#include "sector_layout.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace relwiz::release_files {

inline constexpr std::size_t descriptor_size = 2048;
inline constexpr std::uint64_t first_descriptor_sector = 16;
inline constexpr int max_descriptors = 32;
inline constexpr std::string_view standard_identifier = "CD001";  // bytes 1 to 5 of every descriptor

// The label, in UTF-8 without trailing blanks and NULs, given by descriptors
// laid end to end as they follow one another from sector 16; none when
// neither a primary nor a Joliet descriptor with a label that is more than
// blanks comes before the set ends.
//
//     volume_label_of(primary("A LONG LABEL OF 30 CHARACTERS.") + joliet(u"A LONG LABEL OF ") + terminator)
//         == "A LONG LABEL OF 30 CHARACTERS."
std::optional<std::string> volume_label_of(std::string_view descriptors);

// Reads the descriptors of the track whose first sector starts at byte
// track_start of the image, one sector at a time up to the set's end, and
// returns their label; none for audio or a file that ends too soon.
//
//     RegularFile iso("game.iso");
//     read_volume_label(iso, 0, cooked_sectors);   // "GAME_CD1"
std::optional<std::string> read_volume_label(ByteSource& image, std::uint64_t track_start, SectorLayout layout);

}  // namespace relwiz::release_files
