#include "image_source.h"

#include "alcohol_image.h"
#include "ascii_case.h"
#include "clonecd_image.h"
#include "cue_sheet.h"
#include "discjuggler_image.h"
#include "nero_image.h"
#include "refusals.h"
#include "regular_file.h"
#include "sheet_files.h"
#include "toc_sheet.h"

#include <algorithm>
#include <string>

namespace relwiz::release_files {

namespace fs = std::filesystem;

namespace {

Outcome<ImageSource> cue_image_of(std::string_view text, const fs::path& cue)
{
    const CueSheet sheet = parse_cue_sheet(text);
    if (sheet.files.empty())
        return cue_names_no_image(cue.filename().string());
    ImageSource source{{}, cue, ImageKind::bin_cue, {}, {}, std::nullopt};
    for (const CueFile& named : sheet.files) {
        source.tracks.push_back({static_cast<int>(source.tracks.size()) + 1, named.name, 0, std::nullopt,
                                 layout_of_track_mode(named.track_mode)});
        source.sized_files.emplace_back(named.name);
    }
    source.label_track = first_data_track(source.tracks);
    return source;
}

Outcome<ImageSource> read_cue_image(const fs::path& cue)
{
    return read_sheet_image(cue, cue_image_of);
}

Outcome<ImageSource> read_iso_image(const fs::path& iso)
{
    return ImageSource{iso.filename().string(), iso, ImageKind::iso, {{1, iso, 0, std::nullopt, cooked_sectors}}, {iso}, 0};
}

// Without a cue, the .bin's own sectors tell how they are laid out.
Outcome<ImageSource> read_bin_image(const fs::path& bin)
{
    return ImageSource{bin.filename().string(), bin, ImageKind::bin_cue, {{1, bin, 0, std::nullopt, std::nullopt}}, {bin}, 0};
}

// The image files by their extension. Those that name other files are read
// first, so that the files they name are theirs and no second image. The
// data file of a kind is named after the file that describes it, and
// dropped alone it stands for that file. A CloneCD .sub is no image file:
// the .ccd's reader finds it, and a release's subtitles are .sub files too.
struct ImageFileKind {
    std::string_view extension;
    Outcome<ImageSource> (*read)(const fs::path&);
    bool names_files = false;
    std::string_view data_file = {};
};

constexpr ImageFileKind image_file_kinds[] = {
    {".iso", read_iso_image},
    {".bin", read_bin_image},
    {".cue", read_cue_image, true},
    {".nrg", read_nero_image},
    {".toc", read_toc_image, true},
    {".ccd", read_clonecd_image, true, ".img"},
    {".mds", read_alcohol_image, true, ".mdf"},
    {".cdi", read_discjuggler_image},
};

bool has_extension(const fs::path& file, std::string_view extension)
{
    return !extension.empty() && ends_with_ignoring_case(file.filename().string(), extension);
}

const ImageFileKind* kind_of(const fs::path& file)
{
    const auto kind = std::ranges::find_if(
        image_file_kinds, [&file](const ImageFileKind& kind) { return has_extension(file, kind.extension); });
    return kind == std::end(image_file_kinds) ? nullptr : kind;
}

// The kind whose data file this is, when it is one.
const ImageFileKind* described_kind_of(const fs::path& file)
{
    const auto kind = std::ranges::find_if(
        image_file_kinds, [&file](const ImageFileKind& kind) { return has_extension(file, kind.data_file); });
    return kind == std::end(image_file_kinds) ? nullptr : kind;
}

// The name of the file that describes data_file, its extension in the case
// the data file's is written in: GAME.IMG's is GAME.CCD.
std::string describing_name(const fs::path& data_file, std::string_view extension)
{
    std::string own_extension(extension);
    const std::string data_extension = data_file.extension().string();
    if (std::ranges::any_of(data_extension, [](char c) { return c >= 'A' && c <= 'Z'; }))
        std::ranges::transform(own_extension, own_extension.begin(), ascii_upper);
    return data_file.stem().string().append(own_extension);
}

struct FoundImage {
    fs::path dropped;  // what the user dropped for it, and what a refusal names
    ImageSource source;

    // Whether file is one this image is read from or sized by.
    bool holds(const fs::path& file) const
    {
        const auto same = [&file](const fs::path& own) {
            std::error_code error;
            return fs::equivalent(own, file, error);
        };
        return same(source.described_by) || std::ranges::any_of(source.sized_files, same)
            || std::ranges::any_of(source.tracks, [&same](const ImageTrack& track) { return same(track.file); });
    }
};

}  // namespace

Outcome<ImageSource> read_image_file(const fs::path& path, ImageFileReader read)
{
    RegularFile file(path);
    if (!file.is_open())
        return cannot_read(path.filename().string(), file.problem().reason());
    return read(file, path);
}

std::optional<std::size_t> first_data_track(const std::vector<ImageTrack>& tracks)
{
    const auto data = std::ranges::find_if(
        tracks, [](const ImageTrack& track) { return !track.layout || track.layout->has_file_system; });
    return data == tracks.end() ? std::nullopt : std::optional<std::size_t>(data - tracks.begin());
}

bool is_image_file_name(std::string_view file_name)
{
    return kind_of(fs::path(file_name)) || described_kind_of(fs::path(file_name));
}

std::vector<std::string> image_file_patterns()
{
    std::vector<std::string> patterns;
    for (const ImageFileKind& kind : image_file_kinds) {
        patterns.push_back(std::string("*").append(kind.extension));
        if (!kind.data_file.empty())
            patterns.push_back(std::string("*").append(kind.data_file));
    }
    return patterns;
}

Outcome<std::optional<ImageSource>> find_image_source(const std::vector<fs::path>& image_files)
{
    std::vector<FoundImage> images;
    const auto already_found = [&images](const fs::path& file) {
        return std::ranges::any_of(images, [&file](const FoundImage& image) { return image.holds(file); });
    };
    const auto read = [&](const fs::path& dropped, const fs::path& file, const ImageFileKind& kind) -> Outcome<> {
        Outcome<ImageSource> source = kind.read(file);
        if (!source)
            return source.failure();
        images.push_back({dropped, *std::move(source)});
        return Outcome<>::done();
    };
    for (const bool naming : {true, false})
        for (const fs::path& file : image_files)
            if (const ImageFileKind* kind = kind_of(file); kind && kind->names_files == naming && !already_found(file))
                if (Outcome<> done = read(file, file, *kind); !done)
                    return done.failure();
    for (const fs::path& file : image_files) {
        const ImageFileKind* kind = described_kind_of(file);
        if (!kind || already_found(file))
            continue;
        const std::string describing = describing_name(file, kind->extension);
        const std::optional<fs::path> found = file_named_by(file, describing);
        if (!found && images.empty())
            return describing_file_missing(describing, file.filename().string());
        if (!found)
            continue;  // a stray file of that name beside an image
        if (Outcome<> done = read(file, *found, *kind); !done)
            return done.failure();
    }
    if (images.size() > 1)
        return two_images(images[0].dropped.filename().string(), images[1].dropped.filename().string());
    if (images.empty())
        return std::optional<ImageSource>();
    return std::optional(images.front().source);
}

}  // namespace relwiz::release_files
