// What the window shows of a disc image: its name and size, its volume label
// and whether it fits a 74-minute CD-R. The image is never read whole: the
// label comes from a few sectors near its start.
#pragma once

#include "image_source.h"

#include <cstdint>
#include <optional>
#include <string>

namespace relwiz::release_files {

struct DiscImage {
    std::string file_name;                    // without its folder; the .bin's for a cue
    std::uint64_t size = 0;                   // bytes
    bool bin_cue = false;                     // .bin or .cue; false: .iso
    std::optional<std::string> volume_label;  // UTF-8; none when no descriptor was found
    bool needs_80min_cdr = false;             // more than 333,000 sectors
};

// 74 minutes of 75 sectors a second: what a 74-minute CD-R holds.
inline constexpr std::uint64_t sectors_of_74_minutes = 333'000;

// Sets bytes_read to what was read of the image. Refused when it cannot be read.
OrRefusal<DiscImage> read_disc_image(const ImageSource& source, std::uint64_t& bytes_read);

}  // namespace relwiz::release_files
