// The text sheets that describe an image kept in other files (a .cue,
// cdrdao's .toc, CloneCD's .ccd) and the files such a description names.
// Sheets written on Windows name their files in any letter case.
#pragma once

#include "image_source.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace relwiz::release_files {

// Far more than any sheet of one disc: of a bigger file, only this much is read.
inline constexpr std::size_t max_sheet_size = 64 * 1024;

// The start of a sheet, at most max_sheet_size bytes; refused when it cannot be read.
Outcome<std::string> read_sheet_text(const std::filesystem::path& sheet);

// The file that sheet names: as written, relative to the sheet's folder,
// else the one file there whose name differs only in letter case; none when
// there is no such file, or two.
//
//     file_named_by("/d/game.cue", "GAME.BIN")   // "/d/game.bin"
std::optional<std::filesystem::path> file_named_by(const std::filesystem::path& sheet, const std::string& name);

// source, whose files are as its sheet names them, with each found by
// file_named_by; the image is named after its one data file, or after the
// sheet when its tracks lie in several. Refused when one of them is missing.
Outcome<ImageSource> with_named_files_found(ImageSource source, const std::filesystem::path& sheet);

// How a kind of sheet names its image: the tracks its text gives, in the
// files as it names them.
using SheetImageReader = Outcome<ImageSource> (*)(std::string_view text, const std::filesystem::path& sheet);

// The image the sheet at path describes: its text read, its tracks as
// `image_of` finds them there, and its files found by with_named_files_found.
//
//     read_sheet_image("/d/game.toc", toc_image_of)->tracks[0].file   // "/d/game.bin"
Outcome<ImageSource> read_sheet_image(const std::filesystem::path& sheet, SheetImageReader image_of);

}  // namespace relwiz::release_files
