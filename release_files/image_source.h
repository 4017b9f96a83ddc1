// Which of the dropped files holds the disc's image. A .cue stands for the
// image it names, so a cue and its .bin dropped together are one image; any
// second image means files of two discs were dropped.
#pragma once

#include "refusal.h"
#include "sector_layout.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace relwiz::release_files {

struct ImageSource {
    std::filesystem::path path;          // the .iso or .bin itself, never the .cue
    bool bin_cue = false;                // a .bin, or the image a .cue names; false: an .iso
    std::optional<SectorLayout> layout;  // what a cue sheet says; none: the image must tell
};

// ".iso", ".bin" or ".cue", in any case.
bool is_image_file_name(std::string_view file_name);

// The names is_image_file_name takes, as file-name patterns: "*.iso" ...
std::vector<std::string> image_file_patterns();

// None when no image file was dropped. Refused for two or more images, or a
// .cue that cannot be read or whose image is missing.
OrRefusal<std::optional<ImageSource>> find_image_source(const std::vector<std::filesystem::path>& image_files);

}  // namespace relwiz::release_files
