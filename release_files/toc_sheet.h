// cdrdao's .toc, the sheet `cdrdao read-cd` writes beside the image it
// reads: TRACK statements with their mode, each taking its data from files
// by FILE, AUDIOFILE or DATAFILE statements that give where in the file its
// data starts ("#" and a byte offset, and for FILE a start time) and how
// long it is (minutes:seconds:frames in blocks of the track's mode, or a
// number: samples of 4 bytes for audio, bytes for data). Comments run from
// "//" to the line's end; CD-TEXT blocks in braces are passed over.
#pragma once

#include "image_source.h"

#include <filesystem>
#include <string_view>

namespace relwiz::release_files {

// The runs of file data a .toc's text gives its tracks, in the files as it
// names them, not yet looked up: a statement without a length runs to the
// end of its file. Modes AUDIO, MODE0, MODE1, MODE1_RAW, MODE2, MODE2_FORM1,
// MODE2_FORM2, MODE2_FORM_MIX and MODE2_RAW are known, with sub-channel data
// (RW, RW_RAW) or without; the label comes from the first data track.
// Refused for a text that names no file, an unknown mode, or a file
// statement whose name, offset, start or length cannot be read.
//
//     toc_image_of("TRACK MODE1_RAW\nDATAFILE \"game.bin\" 52:20:69 // length in bytes: 554058288\n", "game.toc")
//         ->tracks[0].sectors   // 235569
Outcome<ImageSource> toc_image_of(std::string_view text, const std::filesystem::path& toc);

// The image the .toc at path describes, its files found beside it as named
// or in any case; refused too when the .toc cannot be read or a file it
// names is missing.
Outcome<ImageSource> read_toc_image(const std::filesystem::path& toc);

}  // namespace relwiz::release_files
