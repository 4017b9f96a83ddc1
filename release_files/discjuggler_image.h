// DiscJuggler's .cdi, the format Dreamcast discs were posted in: every
// sector of the disc, pregaps included, then a table of its sessions and
// tracks, then at the very end the format's version and where the table
// begins. The image is the .cdi itself.
#pragma once

#include "byte_source.h"
#include "image_source.h"

#include <filesystem>

namespace relwiz::release_files {

// The tracks of DiscJuggler 2, 3, 3.5 and 4 images, each as its pregap and
// its data; the label comes from the last session's first data track,
// where a Dreamcast disc keeps its file system. At most the last 128 KiB
// are read. Refused for a file that does not end as such an image does, a
// table outside the file, one that does not add up (its track marks
// missing, its tracks running into it) or one of a track mode or sector
// size no disc has. path names the tracks' file and the refusals.
//
//     RegularFile cdi("game.cdi");
//     read_discjuggler_image(cdi, "game.cdi")->tracks.back().layout->sector_size   // 2336
Outcome<ImageSource> read_discjuggler_image(ByteSource& cdi, const std::filesystem::path& path);

// The same of the file at path, refused too when it cannot be read.
Outcome<ImageSource> read_discjuggler_image(const std::filesystem::path& path);

}  // namespace relwiz::release_files
