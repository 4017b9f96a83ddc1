// What the window shows of a disc image: its name and size, its volume label
// and whether it fits a 74-minute CD-R. The image is never read whole: the
// label comes from a few sectors near the start of a data track.
#pragma once

#include "image_source.h"

#include <cstdint>
#include <optional>
#include <string>

namespace relwiz::release_files {

struct DiscImage {
    std::string file_name;                    // without its folder: the image's, or a sheet's of several files
    std::uint64_t size = 0;                   // bytes, of all its files
    ImageKind kind = ImageKind::other;
    std::optional<std::string> volume_label;  // UTF-8; none when no descriptor carries one
    bool needs_80min_cdr = false;             // more than 333,000 sectors
};

// 74 minutes of 75 sectors a second: what a 74-minute CD-R holds.
inline constexpr std::uint64_t sectors_of_74_minutes = 333'000;

// Sectors are counted track by track, each at its own size (an audio
// track's are 2352 bytes); the label is read from the source's label track.
// Refused when one of its files cannot be read, or a track runs past the
// end of its file.
//
//     read_disc_image(*source)->volume_label   // "GAME_CD1"
Outcome<DiscImage> read_disc_image(const ImageSource& source);

}  // namespace relwiz::release_files
