// The volume label an ISO 9660 image carries in its volume descriptors, the
// 2048-byte records that start at sector 16 and end with the set terminator.
// A Joliet descriptor holds the label in UCS-2 and wins over the primary
// descriptor's Latin-1 label, whose characters are fewer and narrower.
#pragma once

#include "sector_layout.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace relwiz::release_files {

class RegularFile;

inline constexpr std::size_t descriptor_size = 2048;
inline constexpr std::uint64_t first_descriptor_sector = 16;
inline constexpr int max_descriptors = 32;

// The label, in UTF-8 without trailing blanks and NULs, given by descriptors
// laid end to end as they follow one another from sector 16; none when
// neither a primary nor a Joliet descriptor comes before the set ends.
std::optional<std::string> volume_label_of(std::string_view descriptors);

// Reads the descriptors of the image, one sector at a time up to the set's
// end, and returns their label; none for audio or a file that ends too soon.
std::optional<std::string> read_volume_label(RegularFile& image, SectorLayout layout);

}  // namespace relwiz::release_files
