#include "dropped_files.h"

#include "refusals.h"

#include <algorithm>

namespace relwiz::release_files {

namespace fs = std::filesystem;

namespace {

// Adds the path, or for a folder the entries directly in it; stops listing
// a folder once there are more files than a drop may hold.
std::error_code add_files_of(const fs::path& path, std::vector<fs::path>& files)
{
    std::error_code error;
    if (!fs::is_directory(path, error)) {
        files.push_back(path);
        return {};
    }
    for (fs::directory_iterator entry(path, error), end;
         !error && entry != end && files.size() <= max_dropped_files; entry.increment(error)) {
        std::error_code unknown_type;  // a dangling link is a file, and any reader will say what is wrong
        if (!entry->is_directory(unknown_type))
            files.push_back(entry->path());
    }
    return error;
}

}  // namespace

Outcome<std::vector<fs::path>> files_of_drop(const std::vector<fs::path>& dropped)
{
    std::vector<fs::path> files;
    for (const fs::path& path : dropped) {
        if (const std::error_code error = add_files_of(path, files))
            return cannot_read(path.filename().string(), error.message());
        if (files.size() > max_dropped_files)
            return too_many_files();
    }
    // By their spelling, which costs far less than comparing paths part by part and is
    // what a file dropped with its folder repeats.
    std::ranges::sort(files, {}, &fs::path::native);
    const auto same = [](const fs::path& a, const fs::path& b) { return a.native() == b.native(); };
    files.erase(std::unique(files.begin(), files.end(), same), files.end());  // a file dropped with its folder
    return files;
}

}  // namespace relwiz::release_files
