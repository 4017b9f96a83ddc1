// Read as Martin Korth's psx-spx ("CDROM Disk Images NRG") and Wikipedia's
// "NRG (file format)" describe the format; every number is big-endian.
#include "nero_image.h"

#include "byte_fields.h"
#include "refusals.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace relwiz::release_files {

namespace fs = std::filesystem;

namespace {

// A chain holds the tracks' tables, CD-TEXT and a little more: tens of KiB at most.
constexpr std::uint64_t max_chain_size = 128 * 1024;
constexpr std::string_view chunk_table = "chunk table";

struct Footer {
    std::uint64_t first_chunk = 0;  // where the chain begins, which is where the sectors end
    std::uint64_t at = 0;           // where the footer begins, which is where the chain ends
};

// The chunks that list tracks. Disc at once: a 22-byte head (the first
// track's number at 20), then per track its ISRC (12 bytes), sector size (2),
// mode (1), 3 bytes, and the offsets of its pregap, its data and its end.
// Track at once: per track its offset and its length in bytes, its mode
// (4 bytes), and in ETNF and ETN2 a few more fields.
struct TrackChunk {
    std::string_view id;
    bool disc_at_once;
    int offset_width;        // 4 or 8 bytes
    std::size_t entry_size;  // of one track
};

constexpr TrackChunk track_chunks[] = {
    {"DAOI", true, 4, 30}, {"DAOX", true, 8, 42}, {"TINF", false, 4, 12}, {"ETNF", false, 4, 20}, {"ETN2", false, 8, 32},
};
constexpr std::size_t disc_at_once_head = 22;

// Nero's track modes; a track-at-once chunk gives no sector size, so the mode implies it.
struct NeroMode {
    std::uint64_t code;
    TrackMode mode;
    std::uint32_t sector_size;
};

constexpr NeroMode nero_modes[] = {
    {0x00, TrackMode::mode1, 2048}, {0x02, TrackMode::mode2, 2048}, {0x03, TrackMode::mode2, 2336},
    {0x05, TrackMode::mode1, 2352}, {0x06, TrackMode::mode2, 2352}, {0x07, TrackMode::audio, 2352},
    {0x08, TrackMode::audio, 2352}, {0x0F, TrackMode::mode1, 2448}, {0x10, TrackMode::audio, 2448},
    {0x11, TrackMode::mode2, 2448},
};

struct NeroTrack {
    std::uint64_t mode = 0;
    std::uint32_t sector_size = 0;  // 0: the mode's
    std::uint64_t pregap_at = 0;
    std::uint64_t data_at = 0;
    std::uint64_t end = 0;
};

NeroTrack disc_at_once_track(std::string_view entry, int width)
{
    return {static_cast<unsigned char>(entry[14]), static_cast<std::uint32_t>(big_endian(entry, 12, 2)),
            big_endian(entry, 18, width), big_endian(entry, 18 + width, width), big_endian(entry, 18 + 2 * width, width)};
}

NeroTrack track_at_once_track(std::string_view entry, int width)
{
    const std::uint64_t offset = big_endian(entry, 0, width);
    const std::uint64_t length = big_endian(entry, width, width);
    return {big_endian(entry, 2 * width, 4), 0, offset, offset, offset + std::min(length, ~offset)};
}

std::optional<Footer> footer_of(ByteSource& nrg)
{
    const std::uint64_t length = std::min<std::uint64_t>(nrg.size(), 12);
    const std::optional<std::string> tail = read_record(nrg, nrg.size() - length, length);
    if (!tail)
        return std::nullopt;
    if (tail->size() == 12 && tail->starts_with("NER5"))
        return Footer{big_endian(*tail, 4, 8), nrg.size() - 12};
    if (tail->size() >= 8 && std::string_view(*tail).substr(tail->size() - 8).starts_with("NERO"))
        return Footer{big_endian(*tail, tail->size() - 4, 4), nrg.size() - 8};
    return std::nullopt;
}

// Appends the runs of the tracks that one chunk lists; no track may reach past sectors_end.
Outcome<> add_tracks(ImageSource& source, const TrackChunk& chunk, std::string_view body, std::uint64_t sectors_end)
{
    const std::string name = source.described_by.filename().string();
    const std::size_t head = chunk.disc_at_once ? disc_at_once_head : 0;
    if (body.size() < head)
        return table_does_not_add_up(name, chunk_table);
    int number = chunk.disc_at_once ? static_cast<unsigned char>(body[20])
                                    : source.tracks.empty() ? 1 : source.tracks.back().number + 1;
    for (std::size_t at = head; at + chunk.entry_size <= body.size(); at += chunk.entry_size, ++number) {
        const std::string_view entry = body.substr(at, chunk.entry_size);
        const NeroTrack track = chunk.disc_at_once ? disc_at_once_track(entry, chunk.offset_width)
                                                   : track_at_once_track(entry, chunk.offset_width);
        const auto mode = std::ranges::find(nero_modes, track.mode, &NeroMode::code);
        if (mode == std::end(nero_modes))
            return unknown_track_mode(name, number);
        const std::optional<SectorLayout> layout =
            track_sectors(mode->mode, track.sector_size ? track.sector_size : mode->sector_size);
        if (!layout)
            return unknown_sector_size(name, number);
        if (track.pregap_at > track.data_at || track.data_at > track.end || track.end > sectors_end)
            return table_does_not_add_up(name, chunk_table);
        if (track.data_at > track.pregap_at)
            source.tracks.push_back(
                {number, source.described_by, track.pregap_at, (track.data_at - track.pregap_at) / layout->sector_size,
                 pregap_sectors(*layout)});
        source.tracks.push_back(
            {number, source.described_by, track.data_at, (track.end - track.data_at) / layout->sector_size, layout});
    }
    return Outcome<>::done();
}

}  // namespace

Outcome<ImageSource> read_nero_image(ByteSource& nrg, const fs::path& path)
{
    const std::string name = path.filename().string();
    const std::optional<Footer> footer = footer_of(nrg);
    if (!footer)
        return nrg.problem() ? cannot_read(name, nrg.problem().reason()) : not_an_image_of(name, "a Nero image");
    if (footer->first_chunk > footer->at)
        return table_outside_file(name, chunk_table);
    if (footer->at - footer->first_chunk > max_chain_size)
        return table_too_large(name, chunk_table);
    const std::optional<std::string> chain = read_record(nrg, footer->first_chunk, footer->at - footer->first_chunk);
    if (!chain)
        return cannot_read(name, nrg.problem().reason());
    ImageSource source{name, path, ImageKind::other, {}, {path}, std::nullopt};
    for (std::size_t at = 0; at + 8 <= chain->size();) {
        const std::string_view id = std::string_view(*chain).substr(at, 4);
        const std::uint64_t size = big_endian(*chain, at + 4, 4);
        if (size > chain->size() - at - 8)
            return table_outside_file(name, chunk_table);
        if (id == "END!")
            break;
        if (const auto chunk = std::ranges::find(track_chunks, id, &TrackChunk::id); chunk != std::end(track_chunks))
            if (Outcome<> added = add_tracks(source, *chunk, std::string_view(*chain).substr(at + 8, size), footer->first_chunk);
                !added)
                return added.failure();
        at += 8 + size;
    }
    if (source.tracks.empty())
        return lists_no_track(name);
    source.label_track = first_data_track(source.tracks);
    return source;
}

Outcome<ImageSource> read_nero_image(const fs::path& path)
{
    return read_image_file(path, read_nero_image);
}

}  // namespace relwiz::release_files
