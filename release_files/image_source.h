// Which of the dropped files hold the disc's image, and where its tracks
// lie in them. A file that describes others (a .cue, cdrdao's .toc,
// CloneCD's .ccd, Alcohol 120%'s .mds) stands for the files it names, so
// that a cue and its .bin dropped together are one image; any second image
// means files of two discs were dropped. Nero's .nrg and DiscJuggler's .cdi
// hold their sectors and their track tables in the one file.
#pragma once

#include "byte_source.h"
#include "outcome.h"
#include "sector_layout.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace relwiz::release_files {

// What the page's "Image format" pair can say of it.
enum class ImageKind { bin_cue, iso, other };

// A run of one track's sectors in one file. A track whose pregap its file
// holds is two runs, the pregap's (see pregap_sectors) and the data's, so
// that its file system is read from where its data begins and every sector
// is counted.
struct ImageTrack {
    int number = 1;                        // on the disc, for messages
    std::filesystem::path file;
    std::uint64_t offset = 0;              // of the run's first sector in file, in bytes
    std::optional<std::uint64_t> sectors;  // none: to the end of the file
    std::optional<SectorLayout> layout;    // none: the file must tell, as a .bin without its cue does
};

struct ImageSource {
    std::string file_name;                           // what the page shows
    std::filesystem::path described_by;              // the file whose tables give the tracks; refusals name it
    ImageKind kind = ImageKind::other;
    std::vector<ImageTrack> tracks;                  // in disc order
    std::vector<std::filesystem::path> sized_files;  // whose sizes together are the image's
    std::optional<std::size_t> label_track;          // whose descriptors carry the label; none for audio alone
};

// A reader of an image file that holds its own tables: the tracks it finds
// in `file`, whose name is `path`.
using ImageFileReader = Outcome<ImageSource> (*)(ByteSource& file, const std::filesystem::path& path);

// The image `read` finds in the file at path, once it is opened; refused
// too when it cannot be opened.
//
//     read_image_file("game.nrg", read_nero_image)->tracks.size()
Outcome<ImageSource> read_image_file(const std::filesystem::path& path, ImageFileReader read);

// The first run whose sectors may carry a file system: the track a label is
// read from, unless the format says otherwise.
std::optional<std::size_t> first_data_track(const std::vector<ImageTrack>& tracks);

// The image files in any case: an .iso, a .bin, a .cue, and the other
// kinds' own files, the data files read through them (.img, .mdf) included.
//
//     is_image_file_name("GAME.NRG")   // true
bool is_image_file_name(std::string_view file_name);

// The names is_image_file_name takes, as file-name patterns: "*.iso" ...
std::vector<std::string> image_file_patterns();

// None when no image file was dropped. Refused for two or more images, or a
// file that does not hold what its kind promises. A file a sheet names is
// looked up by its name as written, then, as a sheet written on Windows
// needs, as the one file of that folder whose name differs only in letter
// case. A data file dropped without the file that describes it (a .ccd's
// .img, an .mds's .mdf) stands for that file, found beside it in any case;
// without it, the drop is refused, unless another image was found.
//
//     find_image_source({"/d/game.cue", "/d/game.bin"})->value().tracks[0].file   // "/d/game.bin"
Outcome<std::optional<ImageSource>> find_image_source(const std::vector<std::filesystem::path>& image_files);

}  // namespace relwiz::release_files
