#include "cue_sheet.h"

#include "ascii_case.h"

#include <algorithm>
#include <utility>

namespace relwiz::release_files {

namespace {

struct CueTrackMode {
    std::string_view name;
    SectorLayout layout;
};

constexpr CueTrackMode track_modes[] = {
    {"MODE1/2048", {2048, 0, true}},
    {"MODE1/2352", {2352, 16, true}},
    {"MODE2/2352", {2352, 24, true}},
    {"MODE2/2336", {2336, 8, true}},
    {"AUDIO", {2352, 0, false}},
};

constexpr std::string_view blanks = " \t\r";

std::string_view trimmed(std::string_view text)
{
    const std::size_t begin = text.find_first_not_of(blanks);
    if (begin == std::string_view::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(blanks) + 1 - begin);
}

// Takes the first word off the front of line.
std::string_view take_word(std::string_view& line)
{
    line = trimmed(line);
    const std::size_t end = std::min(line.find_first_of(blanks), line.size());
    const std::string_view word = line.substr(0, end);
    line.remove_prefix(end);
    return word;
}

// What follows FILE: a quoted name, or an unquoted one up to the file type word.
std::string file_name_of(std::string_view rest)
{
    rest = trimmed(rest);
    if (rest.starts_with('"'))
        return std::string(rest.substr(1, rest.find('"', 1) - 1));
    const std::size_t type_at = rest.find_last_of(blanks);
    return std::string(type_at == std::string_view::npos ? rest : trimmed(rest.substr(0, type_at)));
}

}  // namespace

CueSheet parse_cue_sheet(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))  // the byte-order mark some editors put first
        text.remove_prefix(3);
    CueSheet sheet;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        const std::string_view keyword = take_word(line);
        if (equals_ignoring_case(keyword, "FILE")) {
            if (std::string name = file_name_of(line); !name.empty())
                sheet.files.push_back({std::move(name), {}});
        } else if (equals_ignoring_case(keyword, "TRACK") && !sheet.files.empty()
                   && sheet.files.back().track_mode.empty()) {
            take_word(line);  // the track number
            sheet.files.back().track_mode = take_word(line);
        }
    }
    return sheet;
}

std::optional<SectorLayout> layout_of_track_mode(std::string_view mode)
{
    const auto known = std::ranges::find_if(
        track_modes, [mode](const CueTrackMode& track) { return equals_ignoring_case(track.name, mode); });
    if (known == std::end(track_modes))
        return std::nullopt;
    return known->layout;
}

}  // namespace relwiz::release_files
