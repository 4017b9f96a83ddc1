// The numbers of an image file's binary tables: records read whole, once
// each has been found to lie inside the file, and their fields taken at
// fixed places in the byte order their format keeps.
#pragma once

#include "byte_source.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace relwiz::release_files {

// width bytes at record[at], least significant first; the caller has the record whole.
//
//     little_endian("\x34\x12", 0, 2)   // 0x1234
std::uint64_t little_endian(std::string_view record, std::size_t at, int width);

// width bytes at record[at], most significant first.
//
//     big_endian("\x12\x34", 0, 2)   // 0x1234
std::uint64_t big_endian(std::string_view record, std::size_t at, int width);

// The length bytes at offset when every one of them lies inside the file,
// else none; none too when the read fails, which file.problem() then says.
// The bounds are checked before anything is read, so a table that points
// far outside its file costs no read at all.
//
//     read_record(nrg, nrg.size() - 12, 12)   // the footer of a Nero image
std::optional<std::string> read_record(ByteSource& file, std::uint64_t offset, std::uint64_t length);

}  // namespace relwiz::release_files
