// Read as Martin Korth's psx-spx ("CDROM Disk Images MDS/MDF") describes the
// format, with the track modes Aaru's notes on it add; every number is
// little-endian.
#include "alcohol_image.h"

#include "byte_fields.h"
#include "refusals.h"
#include "sheet_files.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

namespace relwiz::release_files {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view signature = "MEDIA DESCRIPTOR";
constexpr std::size_t header_size = 0x58;
constexpr std::size_t session_block_size = 0x18;
constexpr std::size_t track_block_size = 0x50;
constexpr std::uint64_t max_file_name = 512;
// An .mds holds its blocks and names first; what may follow them (read errors, DPM data) is not read.
constexpr std::uint64_t max_descriptor_size = 128 * 1024;
constexpr std::string_view session_table = "session table";
constexpr std::string_view track_table = "track table";

// The low four bits of a track block's mode byte; the high ones vary between versions.
std::optional<TrackMode> track_mode(unsigned char mode)
{
    switch (mode & 0x0F) {
    case 0x9: return TrackMode::audio;
    case 0x2: return TrackMode::mode1;  // a DVD's one track
    case 0xA: return TrackMode::mode1;
    case 0xB:
    case 0xC: return TrackMode::mode2;
    case 0xD: return TrackMode::mode2_form2;
    default: return std::nullopt;
    }
}

// A name of 8-bit characters, or of 16-bit ones (UTF-16LE) kept here as UTF-8, up to its NUL.
std::string file_name_of(std::string_view bytes, bool wide)
{
    std::string name;
    for (std::size_t at = 0; at + (wide ? 1 : 0) < bytes.size(); at += wide ? 2 : 1) {
        const auto c = static_cast<char32_t>(wide ? little_endian(bytes, at, 2) : static_cast<unsigned char>(bytes[at]));
        if (c == 0)
            break;
        if (c < 0x80)
            name += static_cast<char>(c);
        else if (c < 0x800)
            name.append({static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))});
        else
            name.append({static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)),
                         static_cast<char>(0x80 | (c & 0x3F))});
    }
    return name;
}

// The bytes of the descriptor's head, where its blocks and names are; a
// field outside them reads as none.
class Descriptor {
public:
    explicit Descriptor(std::string bytes) : bytes_(std::move(bytes)) {}

    std::optional<std::string_view> record(std::uint64_t offset, std::uint64_t length) const
    {
        if (offset > bytes_.size() || length > bytes_.size() - offset)
            return std::nullopt;
        return std::string_view(bytes_).substr(offset, length);
    }

    std::uint64_t size() const { return bytes_.size(); }

private:
    std::string bytes_;
};

// The data file a track's file name block names, beside the .mds: "*.mdf" stands for the .mds's own name.
std::optional<fs::path> data_file_of(const Descriptor& mds, std::uint64_t block_at, const fs::path& path)
{
    const std::optional<std::string_view> block = mds.record(block_at, 16);
    const std::uint64_t name_at = block ? little_endian(*block, 0, 4) : mds.size();
    if (name_at >= mds.size())
        return std::nullopt;
    // The name ends at its NUL, or at the end of the bytes.
    const std::optional<std::string_view> bytes = mds.record(name_at, std::min(max_file_name, mds.size() - name_at));
    const std::string name = file_name_of(*bytes, (*block)[4] == 1);
    return name.starts_with('*') ? fs::path(path.stem().string() + name.substr(1)) : fs::path(name);
}

}  // namespace

Outcome<ImageSource> read_alcohol_descriptor(ByteSource& file, const fs::path& path)
{
    const std::string name = path.filename().string();
    const std::optional<std::string> head = read_record(file, 0, std::min(file.size(), max_descriptor_size));
    if (!head)
        return cannot_read(name, file.problem().reason());
    const Descriptor mds(*head);
    const std::optional<std::string_view> header = mds.record(0, header_size);
    if (!header || !header->starts_with(signature))
        return not_an_image_of(name, "an Alcohol 120% image descriptor");
    if ((*header)[16] != 1)
        return format_version_unread(name, "Alcohol 120%",
                                     std::to_string(static_cast<unsigned char>((*header)[16])) + '.'
                                         + std::to_string(static_cast<unsigned char>((*header)[17])));
    ImageSource source{{}, path, ImageKind::other, {}, {}, std::nullopt};
    const std::uint64_t sessions = little_endian(*header, 0x14, 2);
    const std::uint64_t sessions_at = little_endian(*header, 0x50, 4);
    for (std::uint64_t s = 0; s < sessions; ++s) {
        const std::optional<std::string_view> session = mds.record(sessions_at + s * session_block_size, session_block_size);
        if (!session)
            return table_outside_file(name, session_table);
        const std::uint64_t blocks = static_cast<unsigned char>((*session)[0x0A]);
        const std::uint64_t blocks_at = little_endian(*session, 0x14, 4);
        for (std::uint64_t b = 0; b < blocks; ++b) {
            const std::optional<std::string_view> block = mds.record(blocks_at + b * track_block_size, track_block_size);
            if (!block)
                return table_outside_file(name, track_table);
            const int point = static_cast<unsigned char>((*block)[4]);
            if (point < 1 || point > 99)
                continue;  // lead-in entries: the first and last track, the lead-out
            const std::optional<TrackMode> mode = track_mode(static_cast<unsigned char>((*block)[0]));
            if (!mode)
                return unknown_track_mode(name, point);
            const std::optional<SectorLayout> layout =
                track_sectors(*mode, static_cast<std::uint32_t>(little_endian(*block, 0x10, 2)));
            if (!layout)
                return unknown_sector_size(name, point);
            std::optional<std::uint64_t> sectors;  // a DVD's track has no index block: it fills the file
            if (const std::uint64_t index_at = little_endian(*block, 0x0C, 4); index_at != 0) {
                const std::optional<std::string_view> index = mds.record(index_at, 8);  // index 0's sectors, index 1's
                if (!index)
                    return table_outside_file(name, track_table);
                sectors = little_endian(*index, 4, 4);
            }
            const std::optional<fs::path> data = data_file_of(mds, little_endian(*block, 0x34, 4), path);
            if (!data)
                return table_outside_file(name, track_table);
            source.tracks.push_back({point, *data, little_endian(*block, 0x28, 8), sectors, layout});
            if (std::ranges::find(source.sized_files, *data) == source.sized_files.end())
                source.sized_files.push_back(*data);
        }
    }
    if (source.tracks.empty())
        return lists_no_track(name);
    source.label_track = first_data_track(source.tracks);
    return source;
}

Outcome<ImageSource> read_alcohol_image(const fs::path& path)
{
    Outcome<ImageSource> source = read_image_file(path, read_alcohol_descriptor);
    if (!source)
        return source;
    return with_named_files_found(*std::move(source), path);
}

}  // namespace relwiz::release_files
