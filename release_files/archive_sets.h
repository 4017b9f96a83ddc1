// Archive parts recognised by their names, and the one set a disc's parts
// must make. Names follow the archivers' own schemes:
//   ".rar"  name.rar, name.r00 to name.r99, name.s00 on; or name.part1.rar on
//   ".zip"  name.z01 on, then name.zip (written last, but always there)
//   ".ace"  name.ace, name.c00 on        ".arj"  name.arj, name.a01 on
//   ".7z"   name.7z.001 on
// name.rar, name.zip, name.ace, name.arj and name.7z are also sets of one
// part. A set's parts share one stem, one scheme and one width of number.
#pragma once

#include "outcome.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace relwiz::release_files {

struct ArchiveSet {
    std::string format;                              // ".rar", ".zip", ".ace", ".arj" or ".7z"
    std::string name;                                // what "<name>.sfv" is made of: "game" for game.part01.rar
    std::vector<std::filesystem::path> part_files;   // first to last, as the archiver numbers them
    std::uint64_t parts = 0;
    std::uint64_t largest_part = 0;
    std::uint64_t total_size = 0;
};

//     is_archive_part_name("game.part07.rar")   // true
bool is_archive_part_name(std::string_view file_name);

// The names is_archive_part_name takes, as file-name patterns, one scheme
// after another: "*.rar", "*.r[0-9][0-9]", ... "*.7z.[0-9]*". A pattern
// matches in the case it is written; the names match in any case.
std::vector<std::string> archive_part_patterns();

struct PartFile {
    std::filesystem::path path;  // a part's name, or its whole path, which the set then carries
    std::uint64_t size = 0;
};

// The set that parts make: one part at least. Refused when none of them is
// an archive part, they belong to two sets, one of the set's parts is
// missing, or, in a RAR or 7-Zip set (whose archivers cut
// every volume but the last at the same size), a part before the last is
// not as large as the first.
//
//     archive_set_of(std::vector<PartFile>{{"g.z01", 10}, {"g.zip", 4}})->part_files   // {"g.z01", "g.zip"}
Outcome<ArchiveSet> archive_set_of(std::vector<PartFile> parts);

// Sizes each part from the file system, without opening it (a set may have
// hundreds), and returns archive_set_of them; then reads what the last part
// says of parts after it (archive_ends.h). Refused as archive_set_of is, for
// a part that is not a regular file or cannot be read, or when the last part
// says a part after it exists.
//
//     read_archive_set({"/d/g.rar", "/d/g.r00"}).refusal().message
//         // "g.r01 is missing: g.r00 says the archive goes on."
Outcome<ArchiveSet> read_archive_set(std::vector<std::filesystem::path> parts);

}  // namespace relwiz::release_files
