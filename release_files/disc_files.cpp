#include "disc_files.h"

#include "dropped_files.h"
#include "image_source.h"
#include "refusals.h"
#include "sfv_file.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace relwiz::release_files {

namespace fs = std::filesystem;

namespace {

struct FilesByKind {
    std::vector<fs::path> images;
    std::vector<fs::path> parts;
    std::vector<fs::path> sfvs;
};

FilesByKind by_kind(std::vector<fs::path> files)
{
    FilesByKind kinds;
    for (fs::path& file : files) {
        const std::string name = file.filename().string();
        if (is_image_file_name(name))
            kinds.images.push_back(std::move(file));
        else if (is_archive_part_name(name))
            kinds.parts.push_back(std::move(file));
        else if (is_sfv_file_name(name))
            kinds.sfvs.push_back(std::move(file));
    }
    return kinds;
}

// The files dropped by kind; a .sfv without parts brings the parts of its folder.
Outcome<FilesByKind> files_by_kind(const std::vector<fs::path>& dropped)
{
    Outcome<std::vector<fs::path>> files = files_of_drop(dropped);
    if (!files)
        return files.refusal();
    FilesByKind kinds = by_kind(*std::move(files));
    if (!kinds.parts.empty() || kinds.sfvs.empty())
        return kinds;
    const fs::path& sfv = kinds.sfvs.front();
    Outcome<std::vector<fs::path>> beside = files_of_drop({sfv.has_parent_path() ? sfv.parent_path() : "."});
    if (!beside)
        return beside.refusal();
    kinds.parts = by_kind(*std::move(beside)).parts;
    return kinds;
}

std::optional<fs::path> sfv_for(const std::vector<fs::path>& sfvs, const std::optional<ArchiveSet>& set)
{
    const auto named_for_set = std::ranges::find_if(
        sfvs, [&set](const fs::path& sfv) { return set && sfv.filename().string() == set->name + ".sfv"; });
    if (named_for_set != sfvs.end())
        return *named_for_set;
    return sfvs.empty() ? std::nullopt : std::optional(sfvs.front());
}

}  // namespace

Outcome<DiscFiles> read_disc_files(const std::vector<fs::path>& dropped)
{
    Outcome<FilesByKind> files = files_by_kind(dropped);
    if (!files)
        return files.refusal();
    if (files->images.empty() && files->parts.empty())
        return nothing_recognised();

    DiscFiles found;
    const Outcome<std::optional<ImageSource>> source = find_image_source(files->images);
    if (!source)
        return source.refusal();
    if (*source) {
        Outcome<DiscImage> image = read_disc_image(**source);
        if (!image)
            return image.refusal();
        found.image = *std::move(image);
    }
    if (!files->parts.empty()) {
        Outcome<ArchiveSet> archive = read_archive_set(files->parts);
        if (!archive)
            return archive.refusal();
        found.archive = *std::move(archive);
    }
    found.sfv = sfv_for(files->sfvs, found.archive);
    return found;
}

std::vector<std::string> disc_file_patterns()
{
    std::vector<std::string> patterns = image_file_patterns();
    std::ranges::copy(archive_part_patterns(), std::back_inserter(patterns));
    patterns.emplace_back("*.sfv");
    return patterns;
}

}  // namespace relwiz::release_files
