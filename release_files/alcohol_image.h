// Alcohol 120%'s image: the sectors in an .mdf, 2048, 2352 or, with
// sub-channel data kept, 2448 bytes each, described by a binary .mds beside
// it that names the .mdf ("*.mdf": the .mds's own name). The image is the
// .mdf, its size the .mdf's.
#pragma once

#include "byte_source.h"
#include "image_source.h"

#include <filesystem>

namespace relwiz::release_files {

// The tracks of an .mds of format version 1 (Alcohol 120% 1.x), each in the
// data file it names, as named, not yet looked up; the label comes from the
// first data track. At most its first 128 KiB are read, where the blocks and
// names are. Refused for a file without the "MEDIA DESCRIPTOR"
// header, of another format version, whose blocks lie outside it, that
// lists no track, or of a track mode or sector size no disc has. path names
// the refusals and gives the name of a "*.mdf".
//
//     RegularFile mds("game.mds");
//     read_alcohol_descriptor(mds, "game.mds")->tracks[0].file   // "game.mdf"
Outcome<ImageSource> read_alcohol_descriptor(ByteSource& mds, const std::filesystem::path& path);

// The image the .mds at path describes, its data file found beside it in
// any case; refused too when the .mds cannot be read or the .mdf is missing.
Outcome<ImageSource> read_alcohol_image(const std::filesystem::path& path);

}  // namespace relwiz::release_files
