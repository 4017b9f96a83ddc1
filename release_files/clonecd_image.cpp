// Read as Martin Korth's psx-spx ("CDROM Disk Images CCD/IMG/SUB") describes
// the format.
#include "clonecd_image.h"

#include "ascii_case.h"
#include "refusals.h"
#include "sheet_files.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <string>

namespace relwiz::release_files {

namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t raw_sector = 2352;
constexpr int lead_out = 0xA2;
constexpr std::string_view blanks = " \t\r";

struct Section {
    std::string name;                         // "Entry 3", "TRACK 1"
    std::map<std::string, std::string> keys;  // lower case, as CloneCD's own case may vary
};

std::string_view trimmed(std::string_view text)
{
    const std::size_t begin = text.find_first_not_of(blanks);
    if (begin == std::string_view::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(blanks) + 1 - begin);
}

std::vector<Section> sections_of(std::string_view text)
{
    std::vector<Section> sections;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        const std::size_t equals = line.find('=');
        if (line.starts_with('[') && line.ends_with(']'))
            sections.push_back({std::string(trimmed(line.substr(1, line.size() - 2))), {}});
        else if (equals != std::string_view::npos && !sections.empty()) {
            std::string key(trimmed(line.substr(0, equals)));
            std::ranges::transform(key, key.begin(), ascii_lower);
            sections.back().keys[key] = trimmed(line.substr(equals + 1));
        }
    }
    return sections;
}

// A number as CloneCD writes one: decimal, or hexadecimal after "0x".
std::optional<long long> number_in(const Section& section, const std::string& key)
{
    const auto found = section.keys.find(key);
    if (found == section.keys.end())
        return std::nullopt;
    std::string_view text = found->second;
    const bool hex = text.starts_with("0x") || text.starts_with("0X");
    text.remove_prefix(hex ? 2 : 0);
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, hex ? 16 : 10);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// An [Entry N]: one line of the disc's table of contents.
struct Entry {
    long long session = 1;
    long long point = 0;
    long long control = 0;
    long long address = 0;  // the sector Point points to, counted from the disc's first
};

Entry entry_of(const Section& section)
{
    const auto value = [&section](const std::string& key) { return number_in(section, key).value_or(0); };
    const long long from_msf = (value("pmin") * 60 + value("psec")) * 75 + value("pframe") - 150;
    return {number_in(section, "session").value_or(1), value("point"), value("control"),
            number_in(section, "plba").value_or(from_msf)};
}

// N of a section named "[kind N]", in any case; none for another section.
std::optional<long long> number_of(const Section& section, std::string_view kind)
{
    const std::string_view name = section.name;
    long long number = 0;
    if (name.size() <= kind.size() + 1 || !equals_ignoring_case(name.substr(0, kind.size()), kind)
        || name[kind.size()] != ' ')
        return std::nullopt;
    const std::string_view digits = trimmed(name.substr(kind.size() + 1));
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return number;
}

// The [TRACK N] sections' modes by track number.
std::map<long long, long long> track_modes(const std::vector<Section>& sections)
{
    std::map<long long, long long> modes;
    for (const Section& section : sections)
        if (const std::optional<long long> track = number_of(section, "TRACK"))
            if (const std::optional<long long> mode = number_in(section, "mode"))
                modes[*track] = *mode;
    return modes;
}

}  // namespace

Outcome<ImageSource> clonecd_image_of(std::string_view text, const fs::path& ccd)
{
    const std::string name = ccd.filename().string();
    const std::vector<Section> sections = sections_of(text);
    std::vector<Entry> tracks;
    std::map<long long, long long> lead_outs;  // by session
    for (const Section& section : sections) {
        if (!number_of(section, "Entry"))
            continue;
        const Entry entry = entry_of(section);
        if (entry.point >= 1 && entry.point <= 99)
            tracks.push_back(entry);
        else if (entry.point == lead_out)
            lead_outs[entry.session] = entry.address;
    }
    if (tracks.empty())
        return lists_no_track(name);
    std::ranges::sort(tracks, {}, &Entry::point);
    const std::map<long long, long long> modes = track_modes(sections);
    const fs::path img = ccd.stem().string() + ".img";
    ImageSource source{{}, ccd, ImageKind::other, {}, {img}, std::nullopt};
    std::uint64_t offset = 0;
    for (std::size_t i = 0; i < tracks.size(); ++i) {
        const Entry& track = tracks[i];
        const bool last = i + 1 == tracks.size();
        const auto session_lead_out = lead_outs.find(track.session);
        // The sector after the track: the next one's first, or where its session's lead-out begins.
        long long end = last ? track.address : tracks[i + 1].address;
        if ((last || tracks[i + 1].session != track.session) && session_lead_out != lead_outs.end())
            end = session_lead_out->second;
        if (end < track.address)
            return table_does_not_add_up(name, "track table");
        const auto mode = modes.find(track.point);
        const long long kind = mode != modes.end() ? mode->second : track.control & 0x04 ? 1 : 0;
        if (kind < 0 || kind > 2)
            return unknown_track_mode(name, static_cast<int>(track.point));
        const SectorLayout layout{raw_sector, kind == 2 ? 24u : 16u, kind != 0};
        const std::optional<std::uint64_t> sectors = last ? std::nullopt : std::optional<std::uint64_t>(end - track.address);
        source.tracks.push_back({static_cast<int>(track.point), img, offset, sectors, layout});
        offset += sectors.value_or(0) * raw_sector;
    }
    source.label_track = first_data_track(source.tracks);
    return source;
}

Outcome<ImageSource> read_clonecd_image(const fs::path& ccd)
{
    Outcome<ImageSource> found = read_sheet_image(ccd, clonecd_image_of);
    if (found)
        if (const std::optional<fs::path> sub = file_named_by(ccd, ccd.stem().string() + ".sub"))
            found->sized_files.push_back(*sub);
    return found;
}

}  // namespace relwiz::release_files
