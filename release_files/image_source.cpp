#include "image_source.h"

#include "ascii_case.h"
#include "cue_sheet.h"
#include "refusals.h"
#include "regular_file.h"

#include <algorithm>
#include <string>

namespace relwiz::release_files {

namespace fs = std::filesystem;

namespace {

// Far more than any cue sheet of one disc: of a bigger file, only this much is read.
constexpr std::size_t max_cue_sheet_size = 64 * 1024;

constexpr std::string_view image_extensions[] = {".iso", ".bin", ".cue"};

bool has_extension(const fs::path& file, std::string_view extension)
{
    return ends_with_ignoring_case(file.filename().string(), extension);
}

// The file a cue names: as written, else the one file in that folder whose
// name differs only in letter case; none when there is no such file, or two.
std::optional<fs::path> file_named_by_cue(const fs::path& cue, const std::string& name)
{
    const fs::path named = cue.parent_path() / name;
    std::error_code error;
    if (fs::status(named, error).type() != fs::file_type::not_found)
        return named;  // whatever else is wrong with it, reading it will say
    const std::string wanted = named.filename().string();
    const fs::path folder = named.parent_path().empty() ? "." : named.parent_path();  // a cue named without its folder
    std::optional<fs::path> found;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        if (!equals_ignoring_case(entry->path().filename().string(), wanted))
            continue;
        if (found)
            return std::nullopt;
        found = entry->path();
    }
    return found;
}

Outcome<ImageSource> source_named_by_cue(const fs::path& cue)
{
    const std::string cue_name = cue.filename().string();
    RegularFile file(cue);
    std::string text(max_cue_sheet_size, '\0');
    text.resize(file.read_at(0, text));
    if (file.problem())
        return cannot_read(cue_name, file.problem().reason());
    const CueSheet sheet = parse_cue_sheet(text);
    if (sheet.files.empty())
        return cue_names_no_image(cue_name);
    ImageSource source{cue_name, {}, true};
    for (const CueFile& named : sheet.files) {
        const std::optional<fs::path> image = file_named_by_cue(cue, named.name);
        if (!image)
            return cue_image_missing(fs::path(named.name).filename().string(), cue_name);
        source.files.push_back({*image, layout_of_track_mode(named.track_mode)});
    }
    if (source.files.size() == 1)
        source.file_name = source.files[0].path.filename().string();
    return source;
}

}  // namespace

bool is_image_file_name(std::string_view file_name)
{
    return std::ranges::any_of(image_extensions,
                               [file_name](std::string_view end) { return ends_with_ignoring_case(file_name, end); });
}

std::vector<std::string> image_file_patterns()
{
    std::vector<std::string> patterns;
    for (const std::string_view extension : image_extensions)
        patterns.push_back(std::string("*").append(extension));
    return patterns;
}

Outcome<std::optional<ImageSource>> find_image_source(const std::vector<fs::path>& image_files)
{
    struct FoundImage {
        fs::path dropped;  // what the user dropped for it, and what a refusal names: the .cue for a cue's image
        ImageSource source;
    };
    std::vector<FoundImage> images;
    for (const fs::path& file : image_files) {
        if (!has_extension(file, ".cue"))
            continue;
        Outcome<ImageSource> source = source_named_by_cue(file);
        if (!source)
            return source.refusal();
        images.push_back({file, *std::move(source)});
    }
    const auto already_found = [&images](const fs::path& file) {
        return std::ranges::any_of(images, [&file](const FoundImage& image) {
            return std::ranges::any_of(image.source.files, [&file](const ImageFile& own) {
                std::error_code error;
                return fs::equivalent(own.path, file, error);
            });
        });
    };
    for (const fs::path& file : image_files)
        if (!has_extension(file, ".cue") && !already_found(file))
            images.push_back({file, {file.filename().string(), {{file, std::nullopt}}, !has_extension(file, ".iso")}});
    if (images.size() > 1)
        return two_images(images[0].dropped.filename().string(), images[1].dropped.filename().string());
    if (images.empty())
        return std::optional<ImageSource>();
    return std::optional(images.front().source);
}

}  // namespace relwiz::release_files
