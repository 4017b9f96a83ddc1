#include "disc_files.h"

#include "dropped_files.h"
#include "image_source.h"
#include "refusals.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace relwiz::release_files {

OrRefusal<DiscFiles> read_disc_files(const std::vector<std::filesystem::path>& dropped)
{
    OrRefusal<std::vector<std::filesystem::path>> files = files_of_drop(dropped);
    if (!files)
        return files.refusal();
    std::vector<std::filesystem::path> image_files;
    std::vector<std::filesystem::path> part_files;
    for (std::filesystem::path& file : *std::move(files)) {
        const std::string name = file.filename().string();
        if (is_image_file_name(name))
            image_files.push_back(std::move(file));
        else if (is_archive_part_name(name))
            part_files.push_back(std::move(file));
    }
    if (image_files.empty() && part_files.empty())
        return nothing_recognised();

    DiscFiles found;
    const OrRefusal<std::optional<ImageSource>> source = find_image_source(image_files);
    if (!source)
        return source.refusal();
    if (*source) {
        OrRefusal<DiscImage> image = read_disc_image(**source, found.image_bytes_read);
        if (!image)
            return image.refusal();
        found.image = *std::move(image);
    }
    if (!part_files.empty()) {
        OrRefusal<ArchiveSet> archive = read_archive_set(std::move(part_files), found.archive_bytes_read);
        if (!archive)
            return archive.refusal();
        found.archive = *std::move(archive);
    }
    return found;
}

std::vector<std::string> disc_file_patterns()
{
    std::vector<std::string> patterns = image_file_patterns();
    std::ranges::copy(archive_part_patterns(), std::back_inserter(patterns));
    return patterns;
}

}  // namespace relwiz::release_files
