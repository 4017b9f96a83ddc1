// What a cue sheet tells about its image: the files that hold it, in disc
// order, and how each one's sectors are laid out. A disc may sit in one file
// or in one file per track, as preservation dumps keep it. Cue sheets come
// from many tools, so keywords may be in any case, names quoted or not, and
// lines indented, blank or ended by CR LF.
#pragma once

#include "sector_layout.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace relwiz::release_files {

struct CueFile {
    std::string name;        // as the FILE line writes it, relative to the cue's folder
    std::string track_mode;  // the file's first TRACK line's mode as written ("MODE1/2352", "AUDIO"); empty if none

    bool operator==(const CueFile&) const = default;
};

struct CueSheet {
    std::vector<CueFile> files;  // in the order the FILE lines come; TRACK lines before the first are passed over
};

//     parse_cue_sheet("FILE \"g (Track 1).bin\" BINARY\n TRACK 01 MODE1/2352\nFILE \"g (Track 2).bin\" BINARY\n"
//                     " TRACK 02 AUDIO\n").files[1]   // {"g (Track 2).bin", "AUDIO"}
CueSheet parse_cue_sheet(std::string_view text);

// The layout a track mode stands for, in any case; none for a mode not known here.
//
//     layout_of_track_mode("audio")->sector_size   // 2352
std::optional<SectorLayout> layout_of_track_mode(std::string_view mode);

}  // namespace relwiz::release_files
