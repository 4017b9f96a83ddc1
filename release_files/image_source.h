// Which of the dropped files hold the disc's image. A .cue stands for the
// files it names, so a cue and its .bin files dropped together are one
// image; any second image means files of two discs were dropped.
#pragma once

#include "outcome.h"
#include "sector_layout.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace relwiz::release_files {

struct ImageFile {
    std::filesystem::path path;          // an .iso or .bin, never a .cue
    std::optional<SectorLayout> layout;  // what a cue sheet says; none: the file must tell
};

struct ImageSource {
    std::string file_name;         // what the page shows: the image file's name, or the cue's when it names several
    std::vector<ImageFile> files;  // the one image file, or a cue's files in its order
    bool bin_cue = false;          // a .bin, or what a .cue names; false: an .iso
};

// ".iso", ".bin" or ".cue", in any case.
//
//     is_image_file_name("GAME.CUE")   // true
bool is_image_file_name(std::string_view file_name);

// The names is_image_file_name takes, as file-name patterns: "*.iso" ...
std::vector<std::string> image_file_patterns();

// None when no image file was dropped. Refused for two or more images, or a
// .cue that cannot be read or one of whose files is missing. A cue's file is
// looked up by its name as written, then, as a cue written on Windows needs,
// as the one file of that folder whose name differs only in letter case.
//
//     find_image_source({"/d/game.cue", "/d/game.bin"})->value().files[0].path   // "/d/game.bin"
Outcome<std::optional<ImageSource>> find_image_source(const std::vector<std::filesystem::path>& image_files);

}  // namespace relwiz::release_files
