// Nero's .nrg: the disc's sectors, then a chain of chunks that describes
// them, then a footer at the very end of the file that points to the chain:
// "NERO" and a 32-bit offset (Nero before 5.5), or "NER5" and a 64-bit one.
// The image is the .nrg itself.
#pragma once

#include "byte_source.h"
#include "image_source.h"

#include <filesystem>

namespace relwiz::release_files {

// The tracks of the chain's disc-at-once chunks (DAOI, DAOX) or its
// track-at-once ones (TINF, ETNF, ETN2), each with its pregap where the file
// holds one; the label comes from the first data track. At most the footer
// and the chain are read. Refused for a file without the footer, a chain
// that lies outside the file, is larger than any disc's or lists no track,
// a track that reaches into the chain, or a track mode or sector size no
// disc has. path names the tracks' file and the refusals.
//
//     RegularFile nrg("game.nrg");
//     read_nero_image(nrg, "game.nrg")->tracks[0].layout->sector_size   // 2352
Outcome<ImageSource> read_nero_image(ByteSource& nrg, const std::filesystem::path& path);

// The same of the file at path, refused too when it cannot be read.
Outcome<ImageSource> read_nero_image(const std::filesystem::path& path);

}  // namespace relwiz::release_files
