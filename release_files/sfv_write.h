// An .sfv written for a set's parts, where none was posted with them.
#pragma once

#include "part_crcs.h"

#include <chrono>

namespace relwiz::release_files {

struct SfvWritten {
    std::size_t parts = 0;  // lines written, one per part
};

// Reads every part (parts: the set's, in its order) and writes sfv, "name
// CRC" per part in that order after a comment line naming the program and
// `when` (see sfv_text). The file is replaced whole or not at all
// (replace_file): a cancel, a part that cannot be read or a failed write
// leaves no file of its own behind, and an older sfv as it was; a replaced
// one's permissions are kept. Refused
// naming the part or the .sfv and the system's reason; progress and cancel
// as for part_crcs. Whether to replace an existing sfv is the caller's question.
//
//     std::stop_source cancel;
//     const auto written = write_sfv(folder / (set_name + ".sfv"), parts, show_progress, cancel.get_token());
//     if (written)                inform("game.sfv: " + std::to_string(written->parts) + " parts");
//     else if (written.refused()) show(written.refusal());   // "Cannot write game.sfv: Permission denied."
Outcome<SfvWritten> write_sfv(const std::filesystem::path& sfv, std::span<const std::filesystem::path> parts,
                              const PartsProgressCallback& progress, std::stop_token cancel,
                              std::chrono::system_clock::time_point when = std::chrono::system_clock::now());

}  // namespace relwiz::release_files
