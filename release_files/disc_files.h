// What a disc's dropped files say for its page of the window: the image's
// name, size, label and whether it needs an 80-minute CD-R, and the archive
// set's format, part count and sizes. Either everything that was found is
// filled in, or the drop is refused with a message and nothing is.
//
//     const auto found = relwiz::release_files::read_disc_files({"/releases/game/disc1"});
//     if (!found)
//         show(found.refusal().message);   // "game.r02 is missing."
//     else if (found->image)
//         label = found->image->volume_label.value_or(label);
//
// A .sfv among the files is named in the result, for the set to be checked
// against; one that came without any archive part stands for the parts
// beside it, in its folder. Other files (.nfo, .jpg) are passed over without
// a word, and only regular files are ever opened.
#pragma once

#include "archive_sets.h"
#include "disc_image.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace relwiz::release_files {

struct DiscFiles {
    std::optional<DiscImage> image;
    std::optional<ArchiveSet> archive;
    // The .sfv among the files; of several, the one named after the set
    // ("game.sfv"), else the first by name. Not read here.
    std::optional<std::filesystem::path> sfv;
};

// dropped: files and folders as the user dropped or chose them; a folder
// stands for the files directly in it.
Outcome<DiscFiles> read_disc_files(const std::vector<std::filesystem::path>& dropped);

// The names of the files read_disc_files takes, as file-name patterns for a
// file dialog: the images', the archive parts', then "*.sfv".
std::vector<std::string> disc_file_patterns();

}  // namespace relwiz::release_files
