#include "disc_image.h"

#include "refusals.h"
#include "regular_file.h"
#include "volume_descriptors.h"

namespace relwiz::release_files {

Outcome<DiscImage> read_disc_image(const ImageSource& source)
{
    DiscImage image{source.file_name, 0, source.kind, std::nullopt, false};
    for (const std::filesystem::path& file : source.sized_files) {
        const RegularFileStatus status = regular_file_status(file);
        if (status.problem)
            return cannot_read(file.filename().string(), status.problem.reason());
        image.size += status.size;
    }
    std::uint64_t sectors = 0;
    std::optional<RegularFile> file;  // the tracks of most images share one
    for (std::size_t i = 0; i < source.tracks.size(); ++i) {
        const ImageTrack& track = source.tracks[i];
        const std::string name = track.file.filename().string();
        if (i == 0 || track.file != source.tracks[i - 1].file)
            file.emplace(track.file);
        if (!file->is_open())
            return cannot_read(name, file->problem().reason());
        const SectorLayout layout = track.layout ? *track.layout : sniff_sector_layout(*file);
        const std::uint64_t held = file->size() < track.offset ? 0 : (file->size() - track.offset) / layout.sector_size;
        if (file->size() < track.offset || track.sectors.value_or(0) > held)
            return track_past_end(source.described_by.filename().string(), track.number, name);
        sectors += track.sectors.value_or(held);
        if (i == source.label_track)
            image.volume_label = read_volume_label(*file, track.offset, layout);
        if (file->problem())
            return cannot_read(name, file->problem().reason());
    }
    image.needs_80min_cdr = sectors > sectors_of_74_minutes;
    return image;
}

}  // namespace relwiz::release_files
