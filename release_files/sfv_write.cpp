#include "sfv_write.h"

#include "file_replacement.h"
#include "refusals.h"
#include "sfv_file.h"

namespace relwiz::release_files {

Outcome<SfvWritten> write_sfv(const std::filesystem::path& sfv, std::span<const std::filesystem::path> parts,
                              const PartsProgressCallback& progress, std::stop_token cancel,
                              std::chrono::system_clock::time_point when)
{
    const Outcome<PartCrcs> read = part_crcs(parts, progress, cancel);
    if (!read)
        return read.failure();
    std::vector<SfvEntry> entries;
    for (std::size_t i = 0; i < parts.size(); ++i)
        entries.push_back({parts[i].filename().string(), (*read)[i]});
    if (const Outcome<> replaced = replace_file(sfv, sfv_text(entries, when)); !replaced)
        return cannot_write(sfv.filename().string(), replaced.refusal().message);
    return SfvWritten{parts.size()};
}

}  // namespace relwiz::release_files
