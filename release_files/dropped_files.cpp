#include "dropped_files.h"

#include "refusals.h"

#include <algorithm>

namespace relwiz::release_files {

namespace fs = std::filesystem;

std::vector<fs::path> files_of_drop(const std::vector<fs::path>& dropped)
{
    std::vector<fs::path> files;
    const auto add = [&files](const fs::path& file) {
        if (files.size() == max_dropped_files)
            throw too_many_files();
        files.push_back(file);
    };
    for (const fs::path& path : dropped) {
        std::error_code error;
        if (!fs::is_directory(path, error)) {
            add(path);
            continue;
        }
        for (fs::directory_iterator entry(path, error), end; !error && entry != end; entry.increment(error)) {
            std::error_code unknown_type;  // a dangling link is a file, and any reader will say what is wrong
            if (!entry->is_directory(unknown_type))
                add(entry->path());
        }
        if (error)
            throw cannot_read(path.filename().string(), error.message());
    }
    std::ranges::sort(files);
    files.erase(std::unique(files.begin(), files.end()), files.end());  // a file dropped with its folder
    return files;
}

}  // namespace relwiz::release_files
