// CloneCD's image of a disc, copy protection and all: game.img, the disc's
// sectors of 2352 bytes from its first track on; game.sub beside it where
// it was kept, 96 bytes of sub-channel data a sector; and game.ccd, a text
// file in the form of a Windows .ini that holds the disc's table of
// contents. The image is the .img, its size that of .img and .sub together.
#pragma once

#include "image_source.h"

#include <filesystem>
#include <string_view>

namespace relwiz::release_files {

// The tracks a .ccd's text lists ([Entry N] sections with Point 1 to 99,
// their mode from [TRACK N]), in the .img named after the .ccd, as named,
// not yet looked up. Each track runs from its address to the next one's or
// its session's lead-out (Point 0xA2), the last one to the end of the .img;
// a later session follows the one before without a gap. The label comes
// from the first data track. Refused for a text that lists no track, a
// track before the one it follows, or a mode other than 0, 1 and 2.
//
//     clonecd_image_of("[Entry 0]\nPoint=0x01\nControl=0x04\nPLBA=0\n[TRACK 1]\nMODE=1\n", "game.ccd")
//         ->tracks[0].layout->data_offset   // 16
Outcome<ImageSource> clonecd_image_of(std::string_view text, const std::filesystem::path& ccd);

// The image the .ccd at path describes, its .img (and .sub, where there is
// one) found beside it in any case; refused too when the .ccd cannot be read
// or the .img is missing.
Outcome<ImageSource> read_clonecd_image(const std::filesystem::path& ccd);

}  // namespace relwiz::release_files
