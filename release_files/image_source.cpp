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

// Far more than any cue sheet of one disc; a bigger file named .cue is not one.
constexpr std::size_t max_cue_sheet_size = 64 * 1024;

constexpr std::string_view image_extensions[] = {".iso", ".bin", ".cue"};

bool has_extension(const fs::path& file, std::string_view extension)
{
    return ends_with_ignoring_case(file.filename().string(), extension);
}

OrRefusal<ImageSource> source_named_by_cue(const fs::path& cue)
{
    const std::string cue_name = cue.filename().string();
    RegularFile file(cue);
    std::string text(max_cue_sheet_size, '\0');
    text.resize(file.read_at(0, text));
    if (file.problem())
        return cannot_read(cue_name, file.problem().reason());
    const CueSheet sheet = parse_cue_sheet(text);
    if (sheet.image_file.empty())
        return cue_names_no_image(cue_name);
    const fs::path image = cue.parent_path() / sheet.image_file;
    std::error_code error;
    if (fs::status(image, error).type() == fs::file_type::not_found)
        return cue_image_missing(image.filename().string(), cue_name);
    return ImageSource{image, true, layout_of_track_mode(sheet.track_mode)};
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
        patterns.push_back("*" + std::string(extension));
    return patterns;
}

OrRefusal<std::optional<ImageSource>> find_image_source(const std::vector<fs::path>& image_files)
{
    struct FoundImage {
        fs::path dropped;  // what the user dropped for it, and what a refusal names: the .cue for a cue's image
        ImageSource source;
    };
    std::vector<FoundImage> images;
    for (const fs::path& file : image_files) {
        if (!has_extension(file, ".cue"))
            continue;
        OrRefusal<ImageSource> source = source_named_by_cue(file);
        if (!source)
            return source.refusal();
        images.push_back({file, *std::move(source)});
    }
    const auto already_found = [&images](const fs::path& file) {
        return std::ranges::any_of(images, [&file](const FoundImage& image) {
            std::error_code error;
            return fs::equivalent(image.source.path, file, error);
        });
    };
    for (const fs::path& file : image_files)
        if (!has_extension(file, ".cue") && !already_found(file))
            images.push_back({file, {file, !has_extension(file, ".iso"), std::nullopt}});
    if (images.size() > 1)
        return two_images(images[0].dropped.filename().string(), images[1].dropped.filename().string());
    if (images.empty())
        return std::optional<ImageSource>();
    return std::optional(images.front().source);
}

}  // namespace relwiz::release_files
