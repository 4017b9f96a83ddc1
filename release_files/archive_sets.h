// Archive parts recognised by their names, and the one set a disc's parts
// must make. Names follow the archivers' own schemes:
//   ".rar"  name.rar, name.r00 to name.r99, name.s00 on; or name.part1.rar on
//   ".zip"  name.zip with name.z01 on (the .zip is written last but always there)
//   ".ace"  name.ace, name.c00 on        ".arj"  name.arj, name.a01 on
//   ".7z"   name.7z.001 on
// A set's parts share one stem, one scheme and one width of number.
#pragma once

#include "refusal.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace relwiz::release_files {

struct ArchiveSet {
    std::string format;  // ".rar", ".zip", ".ace", ".arj" or ".7z"
    std::uint64_t parts = 0;
    std::uint64_t largest_part = 0;
    std::uint64_t total_size = 0;
};

bool is_archive_part_name(std::string_view file_name);

// The names is_archive_part_name takes, as file-name patterns, one scheme
// after another: "*.rar", "*.r[0-9][0-9]", ... "*.7z.[0-9]*". A pattern
// matches in the case it is written; the names match in any case.
std::vector<std::string> archive_part_patterns();

struct PartFile {
    std::string file_name;
    std::uint64_t size = 0;
};

// The set that parts (each an archive part's name) make. Refused when they
// belong to two sets or one of the set's parts is missing.
OrRefusal<ArchiveSet> archive_set_of(std::span<const PartFile> parts);

// Sizes each part from the file system, without opening it (a set may have
// hundreds), and returns archive_set_of them. Refused as archive_set_of is,
// or for a part that is not a regular file or cannot be read.
OrRefusal<ArchiveSet> read_archive_set(const std::vector<std::filesystem::path>& parts);

}  // namespace relwiz::release_files
