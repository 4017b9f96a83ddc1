#include "disc_image.h"

#include "refusals.h"
#include "regular_file.h"
#include "volume_descriptors.h"

namespace relwiz::release_files {

OrRefusal<DiscImage> read_disc_image(const ImageSource& source, std::uint64_t& bytes_read)
{
    const std::string name = source.path.filename().string();
    RegularFile file(source.path);
    if (!file.is_open())
        return cannot_read(name, file.problem().reason());
    const SectorLayout layout = source.layout ? *source.layout
                              : source.bin_cue ? sniff_sector_layout(file)
                                               : cooked_sectors;
    DiscImage image{name, file.size(), source.bin_cue, read_volume_label(file, layout),
                    file.size() / layout.sector_size > sectors_of_74_minutes};
    bytes_read = file.bytes_read();
    if (file.problem())
        return cannot_read(name, file.problem().reason());
    return image;
}

}  // namespace relwiz::release_files
