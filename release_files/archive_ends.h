// What the last part of an archive set says, in its own bytes, about parts
// after it: a RAR or ARJ volume says whether another follows, a ZIP's last
// part says how many parts its set has. Only those few bytes are read: the
// end of a RAR or ZIP part, the main header at the start of an ARJ part. A
// 7-Zip or ACE part says nothing here, nor does one whose bytes do not hold
// what the format's documentation describes.
#pragma once

#include "outcome.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace relwiz::release_files {

struct LastPartSays {
    std::optional<bool> goes_on;                 // RAR and ARJ: another volume follows this one
    std::optional<std::uint64_t> parts_in_set;   // ZIP: the parts of the set, this one the last
};

// A ZIP's end-of-central-directory record is 22 bytes and its comment at
// most 65,535: no part is read further from its end than this.
inline constexpr std::size_t max_end_bytes = 22 + 65'535;

// RAR 5, else RAR 1.5 to 4: whether the end-of-archive block that ends tail
// (zeros may follow it) says another volume follows; none when tail ends in
// no such block.
//
//     rar_volume_goes_on(std::string("\x1D\x77\x56\x51\x03\x05\x04\x00", 8))   // false: the last volume
std::optional<bool> rar_volume_goes_on(std::string_view tail);

// The number of this part, counted from 0, that the end-of-central-directory
// record ending tail gives: a ZIP set of three parts says 2 in its .zip.
//
//     zip_part_number(std::string("PK\x05\x06\x02\0\x02\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 22))   // 2
std::optional<std::uint32_t> zip_part_number(std::string_view tail);

// Whether the ARJ main header that head starts with says the archive goes on
// in another volume.
//
//     arj_volume_goes_on(first_bytes_of("game.a01"))   // true when game.a02 follows
std::optional<bool> arj_volume_goes_on(std::string_view head);

// What the last part of a set of the format (".rar", ".zip", ...) says;
// nothing for a format whose parts do not tell. Refused when the part cannot
// be read.
//
//     read_last_part(".rar", "/d/game.r04")->goes_on   // true: game.r05 should follow
Outcome<LastPartSays> read_last_part(std::string_view format, const std::filesystem::path& part);

}  // namespace relwiz::release_files
