#include "disc_files.h"

#include "dropped_files.h"
#include "image_source.h"
#include "refusals.h"

namespace relwiz::release_files {

DiscFiles read_disc_files(const std::vector<std::filesystem::path>& dropped)
{
    DiscFiles found;
    try {
        std::vector<std::filesystem::path> image_files;
        std::vector<std::filesystem::path> part_files;
        for (const std::filesystem::path& file : files_of_drop(dropped)) {
            const std::string name = file.filename().string();
            if (is_image_file_name(name))
                image_files.push_back(file);
            else if (is_archive_part_name(name))
                part_files.push_back(file);
        }
        if (image_files.empty() && part_files.empty())
            throw nothing_recognised();
        if (const std::optional<ImageSource> source = find_image_source(image_files))
            found.image = read_disc_image(*source, found.image_bytes_read);
        if (!part_files.empty())
            found.archive = read_archive_set(part_files);
    } catch (const Refusal& refusal) {
        found.image.reset();  // a refused drop fills nothing in, not even what was read before the refusal
        found.refusal = refusal.message;
    }
    return found;
}

}  // namespace relwiz::release_files
