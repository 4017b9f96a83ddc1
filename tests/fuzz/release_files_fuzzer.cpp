// libFuzzer target: arbitrary bytes read as volume descriptors, as a cue
// sheet, as the ends of RAR, ZIP and ARJ parts, and as every kind of image
// table (Nero, DiscJuggler, Alcohol 120%, cdrdao, CloneCD). No reader may
// crash or read out of bounds, each gives the same answer twice, and a
// label is well-formed UTF-8 of at most the 32 characters a primary
// descriptor's identifier holds (a Joliet one holds 16). An image read has
// tracks whose label track exists and can carry a file system, whose
// layouts hold 2048 bytes of data a sector, and, where the image is the
// file itself, whose sectors lie inside it; no more than 128 KiB of it is
// read.
#undef NDEBUG  // the asserts are the checks
#include "../memory_bytes.h"
#include "alcohol_image.h"
#include "archive_ends.h"
#include "clonecd_image.h"
#include "cue_sheet.h"
#include "discjuggler_image.h"
#include "nero_image.h"
#include "toc_sheet.h"
#include "volume_descriptors.h"

#include <cassert>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using namespace relwiz::release_files;

namespace {

// What a reader said, on one line, to hold against what it says again.
std::string said(const relwiz::Outcome<ImageSource>& image)
{
    if (!image)
        return image.refusal().message;
    std::string tracks;
    for (const ImageTrack& track : image->tracks)
        tracks += std::to_string(track.offset) + ' ' + std::to_string(track.sectors.value_or(0)) + ' '
                + track.file.string() + ';';
    return tracks + std::to_string(image->label_track.value_or(99999));
}

void check(const relwiz::Outcome<ImageSource>& image, std::optional<std::uint64_t> own_size)
{
    if (!image) {
        assert(!image.refusal().message.empty());
        return;
    }
    assert(!image->tracks.empty());
    assert(!image->label_track || *image->label_track < image->tracks.size());
    if (image->label_track) {
        const std::optional<SectorLayout>& layout = image->tracks[*image->label_track].layout;
        assert(!layout || layout->has_file_system);
    }
    for (const ImageTrack& track : image->tracks) {
        assert(track.layout && track.layout->sector_size >= 2048);
        assert(!track.layout->has_file_system || track.layout->data_offset + 2048 <= track.layout->sector_size);
        if (own_size)
            assert(track.offset <= *own_size
                   && track.sectors.value_or(0) <= (*own_size - track.offset) / track.layout->sector_size);
    }
}

// A reader of an image that is its own file, or whose tables name others.
template <typename Reader>
void check_binary(std::string_view bytes, Reader read, bool self_contained)
{
    relwiz::testing::MemoryBytes file(bytes), again(bytes);
    const relwiz::Outcome<ImageSource> image = read(file, "f");
    assert(said(image) == said(read(again, "f")) && file.bytes_read() <= 128 * 1024 + 12);
    check(image, self_contained ? std::optional<std::uint64_t>(bytes.size()) : std::nullopt);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // How many characters utf8 holds; none when it is not well formed.
    const auto characters = [](std::string_view utf8) -> std::optional<std::size_t> {
        std::size_t count = 0;
        for (std::size_t at = 0; at < utf8.size(); ++count) {
            const auto lead = static_cast<unsigned char>(utf8[at++]);
            const std::size_t more = lead < 0x80          ? 0
                                   : lead >> 5 == 0x6   ? 1
                                   : lead >> 4 == 0xE   ? 2
                                   : lead >> 3 == 0x1E  ? 3
                                                        : 4;  // no lead byte
            for (const std::size_t end = at + more; at < end; ++at)
                if (more == 4 || at >= utf8.size() || (utf8[at] & 0xC0) != 0x80)
                    return std::nullopt;
        }
        return count;
    };
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<std::string> label = volume_label_of(bytes);
    assert(label == volume_label_of(bytes) && (!label || characters(*label).value_or(33) <= 32));
    const CueSheet cue = parse_cue_sheet(bytes);
    assert(cue.files == parse_cue_sheet(bytes).files);
    for (const CueFile& file : cue.files) {
        assert(!file.name.empty() && file.name.find('\n') == std::string::npos);
        assert(file.track_mode.find_first_of(" \t\r\n") == std::string::npos);
        if (const std::optional<SectorLayout> layout = layout_of_track_mode(file.track_mode))
            assert(layout->data_offset + 2048 <= layout->sector_size || !layout->has_file_system);
    }
    const std::optional<std::uint32_t> zip = zip_part_number(bytes);
    assert(zip == zip_part_number(bytes) && (!zip || *zip < 0xFFFF));
    assert(rar_volume_goes_on(bytes) == rar_volume_goes_on(bytes));
    assert(arj_volume_goes_on(bytes) == arj_volume_goes_on(bytes));
    check_binary(bytes, [](auto& file, auto path) { return read_nero_image(file, path); }, true);
    check_binary(bytes, [](auto& file, auto path) { return read_discjuggler_image(file, path); }, true);
    check_binary(bytes, [](auto& file, auto path) { return read_alcohol_descriptor(file, path); }, false);
    for (const auto read : {toc_image_of, clonecd_image_of}) {
        const relwiz::Outcome<ImageSource> image = read(bytes, "f");
        assert(said(image) == said(read(bytes, "f")));
        check(image, std::nullopt);
    }
    return 0;
}
