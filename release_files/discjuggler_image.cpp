// Read as DeXT's notes on the DiscJuggler image (the ones cdirip follows)
// and Martin Korth's psx-spx ("CDROM Disk Images CDI") describe the format;
// every number is little-endian.
#include "discjuggler_image.h"

#include "byte_fields.h"
#include "refusals.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace relwiz::release_files {

namespace fs = std::filesystem;

namespace {

constexpr std::uint64_t version_2 = 0x80000004;
constexpr std::uint64_t version_3 = 0x80000005;
constexpr std::uint64_t version_35 = 0x80000006;  // 3.5 and 4; its table's place is counted back from the end
constexpr std::uint64_t max_table_size = 128 * 1024;
constexpr std::string_view track_table = "track table";
constexpr std::string_view track_marks("\0\0\1\0\0\0\xFF\xFF\xFF\xFF\0\0\1\0\0\0\xFF\xFF\xFF\xFF", 20);
constexpr std::array<std::uint32_t, 5> sector_sizes{2048, 2336, 2352, 2368, 2448};
constexpr std::array<TrackMode, 3> track_modes{TrackMode::audio, TrackMode::mode1, TrackMode::mode2};

// The table read field by field from its start. A field past its end reads
// as 0 and leaves the cursor overrun, which the reader checks once a track.
class Cursor {
public:
    explicit Cursor(std::string_view bytes) : bytes_(bytes) {}

    std::uint64_t number(int width)
    {
        const std::string_view field = take(width);
        return overran_ ? 0 : little_endian(field, 0, width);
    }

    std::string_view take(std::uint64_t length)
    {
        if (overran_ || length > bytes_.size() - at_) {
            overran_ = true;
            return {};
        }
        at_ += length;
        return bytes_.substr(at_ - length, length);
    }

    bool overran() const { return overran_; }

private:
    std::string_view bytes_;
    std::size_t at_ = 0;
    bool overran_ = false;
};

struct CdiTrack {
    std::uint64_t mode = 0;       // 0 audio, 1 mode 1, 2 mode 2
    std::uint64_t pregap = 0;     // sectors
    std::uint64_t total = 0;      // sectors, pregap included
    std::uint64_t size_code = 0;  // an index into sector_sizes
    bool marked = false;          // the two track start marks were there
};

// One track's entry; the fields passed over are names, flags and addresses.
CdiTrack track_entry(Cursor& table, std::uint64_t version)
{
    if (table.number(4) != 0)
        table.take(8);  // DiscJuggler 3.00.780 puts 8 more bytes first
    CdiTrack track;
    track.marked = table.take(track_marks.size()) == track_marks;
    table.take(4);
    table.take(table.number(1));  // the file name
    table.take(19);
    if (table.number(4) == 0x80000000)
        table.take(8);  // DiscJuggler 4
    table.take(2);
    track.pregap = table.number(4);
    table.take(4 + 6);  // its length without the pregap
    track.mode = table.number(4);
    table.take(4 + 4 + 4 + 4);  // session and track numbers, start address
    track.total = table.number(4);
    table.take(16);
    track.size_code = table.number(4);
    table.take(29);
    if (version != version_2) {
        table.take(5);
        if (table.number(4) == 0xFFFFFFFF)
            table.take(78);  // DiscJuggler 3.00.780 and later
    }
    return track;
}

}  // namespace

Outcome<ImageSource> read_discjuggler_image(ByteSource& cdi, const fs::path& path)
{
    const std::string name = path.filename().string();
    const std::optional<std::string> tail = cdi.size() < 8 ? std::nullopt : read_record(cdi, cdi.size() - 8, 8);
    const std::uint64_t version = tail ? little_endian(*tail, 0, 4) : 0;
    if (version != version_2 && version != version_3 && version != version_35)
        return cdi.problem() ? cannot_read(name, cdi.problem().reason()) : not_an_image_of(name, "a DiscJuggler image");
    const std::uint64_t place = little_endian(*tail, 4, 4);
    const std::uint64_t table_at = version == version_35 ? cdi.size() - std::min(place, cdi.size()) : place;
    if (table_at >= cdi.size() - 8)
        return table_outside_file(name, track_table);
    if (cdi.size() - 8 - table_at > max_table_size)
        return table_too_large(name, track_table);
    const std::optional<std::string> bytes = read_record(cdi, table_at, cdi.size() - 8 - table_at);
    if (!bytes)
        return cannot_read(name, cdi.problem().reason());

    ImageSource source{name, path, ImageKind::other, {}, {path}, std::nullopt};
    Cursor table(*bytes);
    std::uint64_t position = 0;  // of the next track's first sector: the tracks lie one after another
    int number = 0;
    const std::uint64_t sessions = table.number(2);
    for (std::uint64_t session = 0; session < sessions && !table.overran(); ++session) {
        const std::uint64_t tracks = table.number(2);
        std::optional<std::size_t> session_data;
        for (std::uint64_t t = 0; t < tracks; ++t) {
            const CdiTrack track = track_entry(table, version);
            ++number;
            if (table.overran() || !track.marked || track.total < track.pregap)
                return table_does_not_add_up(name, track_table);
            if (track.mode >= track_modes.size())
                return unknown_track_mode(name, number);
            const std::optional<SectorLayout> layout =
                track.size_code < sector_sizes.size() ? track_sectors(track_modes[track.mode], sector_sizes[track.size_code])
                                                      : std::nullopt;
            if (!layout)
                return unknown_sector_size(name, number);
            if (track.total > (table_at - position) / layout->sector_size)
                return table_does_not_add_up(name, track_table);
            if (track.pregap > 0)
                source.tracks.push_back({number, path, position, track.pregap, pregap_sectors(*layout)});
            const std::uint64_t data_at = position + track.pregap * layout->sector_size;
            source.tracks.push_back({number, path, data_at, track.total - track.pregap, layout});
            if (!session_data && layout->has_file_system)
                session_data = source.tracks.size() - 1;
            position += track.total * layout->sector_size;
        }
        if (tracks > 0)
            table.take(version == version_2 ? 12 : 13);  // the session's end
        if (session + 1 == sessions && session_data)
            source.label_track = session_data;
    }
    if (table.overran())
        return table_does_not_add_up(name, track_table);
    if (source.tracks.empty())
        return lists_no_track(name);
    if (!source.label_track)
        source.label_track = first_data_track(source.tracks);
    return source;
}

Outcome<ImageSource> read_discjuggler_image(const fs::path& path)
{
    return read_image_file(path, read_discjuggler_image);
}

}  // namespace relwiz::release_files
