#include "disc_image.h"

#include "refusals.h"
#include "regular_file.h"
#include "volume_descriptors.h"

namespace relwiz::release_files {

Outcome<DiscImage> read_disc_image(const ImageSource& source)
{
    DiscImage image{source.file_name, 0, source.bin_cue, std::nullopt, false};
    std::uint64_t sectors = 0;
    bool label_read = false;
    for (const ImageFile& part : source.files) {
        const std::string name = part.path.filename().string();
        RegularFile file(part.path);
        if (!file.is_open())
            return cannot_read(name, file.problem().reason());
        const SectorLayout layout = part.layout ? *part.layout
                                  : source.bin_cue ? sniff_sector_layout(file)
                                                   : cooked_sectors;
        image.size += file.size();
        sectors += file.size() / layout.sector_size;
        if (layout.has_file_system && !label_read) {
            image.volume_label = read_volume_label(file, layout);
            label_read = true;
        }
        if (file.problem())
            return cannot_read(name, file.problem().reason());
    }
    image.needs_80min_cdr = sectors > sectors_of_74_minutes;
    return image;
}

}  // namespace relwiz::release_files
