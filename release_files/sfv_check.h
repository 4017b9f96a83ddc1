// A set's parts checked against the .sfv posted with them.
#pragma once

#include "part_crcs.h"

#include <string>

namespace relwiz::release_files {

struct SfvCheck {
    // One line per problem, empty when every part matches: the parts in the
    // caller's order, a part whose CRC-32 differs or that the .sfv does not
    // name; then the parts the .sfv names that are not among them; then the
    // .sfv's lines that name no file, by number.
    //   "game.r01: CRC-32 is 1A2B3C4D, game.sfv says 0BADF00D"
    //   "game.r02: not named in game.sfv"
    //   "game.r03: named in game.sfv, but not among the parts"
    //   "game.sfv line 7 is neither a comment nor \"name CRC\": game.r04 1234"
    //   "game.sfv line 9 names a file again (the first line counts): game.r00 1A2B3C4D"
    std::vector<std::string> problems;
};

// Reads the .sfv and every part (parts: the set's, in its order, as
// part_crcs reads them) and compares them by file name, exactly as written.
// Names in the .sfv that are not archive parts' (a .nfo, an image) are
// passed over: the check is of the set. Refused when the .sfv or a part
// cannot be read; progress and cancel as for part_crcs.
//
//     std::stop_source cancel;
//     const auto check = check_sfv("/r/game.sfv", parts, show_progress, cancel.get_token());
//     if (check.refused())              show(check.refusal());
//     else if (!check)                  ;   // cancelled
//     else if (check->problems.empty()) inform("All " + n + " parts match game.sfv.");
//     else                              warn(join(check->problems, "\n"));
Outcome<SfvCheck> check_sfv(const std::filesystem::path& sfv, std::span<const std::filesystem::path> parts,
                            const PartsProgressCallback& progress, std::stop_token cancel);

}  // namespace relwiz::release_files
