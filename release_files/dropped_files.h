// The files a drop stands for: each dropped file, and the entries directly
// inside each dropped folder (not its subfolders), sorted and each once.
#pragma once

#include "outcome.h"

#include <cstddef>
#include <filesystem>
#include <vector>

namespace relwiz::release_files {

// A drop this large is a whole collection rather than one disc; listing it
// would keep the window busy for nothing.
inline constexpr std::size_t max_dropped_files = 10'000;

// Refused for more than max_dropped_files, or a folder that cannot be listed.
Outcome<std::vector<std::filesystem::path>> files_of_drop(const std::vector<std::filesystem::path>& dropped);

}  // namespace relwiz::release_files
