// The two things a cue sheet tells about its image: which file holds it and
// how the first track's sectors are laid out. Cue sheets come from many
// tools, so keywords may be in any case, names quoted or not, and lines
// indented, blank or ended by CR LF.
#pragma once

#include "sector_layout.h"

#include <optional>
#include <string>
#include <string_view>

namespace relwiz::release_files {

struct CueSheet {
    std::string image_file;  // the first FILE line's name, relative to the cue's folder; empty if none
    std::string track_mode;  // the first TRACK line's mode as written ("MODE1/2352", "AUDIO"); empty if none
};

CueSheet parse_cue_sheet(std::string_view text);

// The layout a track mode stands for, in any case; none for a mode not known here.
std::optional<SectorLayout> layout_of_track_mode(std::string_view mode);

}  // namespace relwiz::release_files
