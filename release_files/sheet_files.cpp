#include "sheet_files.h"

#include "ascii_case.h"
#include "refusals.h"
#include "regular_file.h"

#include <algorithm>
#include <utility>

namespace relwiz::release_files {

namespace fs = std::filesystem;

Outcome<std::string> read_sheet_text(const fs::path& sheet)
{
    RegularFile file(sheet);
    std::string text(max_sheet_size, '\0');
    text.resize(file.read_at(0, text));
    if (file.problem())
        return cannot_read(sheet.filename().string(), file.problem().reason());
    return text;
}

std::optional<fs::path> file_named_by(const fs::path& sheet, const std::string& name)
{
    const fs::path named = sheet.parent_path() / name;
    std::error_code error;
    if (fs::status(named, error).type() != fs::file_type::not_found)
        return named;  // whatever else is wrong with it, reading it will say
    const std::string wanted = named.filename().string();
    const fs::path folder = named.parent_path().empty() ? "." : named.parent_path();  // a sheet named without its folder
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

Outcome<ImageSource> with_named_files_found(ImageSource source, const fs::path& sheet)
{
    const auto found = [&sheet](fs::path& file) -> Outcome<> {
        const std::optional<fs::path> path = file_named_by(sheet, file.string());
        if (!path)
            return cue_image_missing(file.filename().string(), sheet.filename().string());
        file = *path;
        return Outcome<>::done();
    };
    std::vector<fs::path> data_files;
    for (ImageTrack& track : source.tracks) {
        if (Outcome<> done = found(track.file); !done)
            return done.failure();
        if (std::ranges::find(data_files, track.file) == data_files.end())
            data_files.push_back(track.file);
    }
    std::vector<fs::path> sized;  // each once, whatever case each time it was named in
    for (fs::path file : source.sized_files) {
        if (Outcome<> done = found(file); !done)
            return done.failure();
        if (std::ranges::find(sized, file) == sized.end())
            sized.push_back(file);
    }
    source.sized_files = std::move(sized);
    source.described_by = sheet;
    source.file_name = (data_files.size() == 1 ? data_files.front() : sheet).filename().string();
    return source;
}

Outcome<ImageSource> read_sheet_image(const fs::path& sheet, SheetImageReader image_of)
{
    const Outcome<std::string> text = read_sheet_text(sheet);
    if (!text)
        return text.failure();
    Outcome<ImageSource> image = image_of(*text, sheet);
    if (!image)
        return image;
    return with_named_files_found(*std::move(image), sheet);
}

}  // namespace relwiz::release_files
