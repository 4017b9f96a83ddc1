// libFuzzer target: arbitrary bytes read as volume descriptors, as a cue
// sheet and as the ends of RAR, ZIP and ARJ parts. No reader may crash or
// read out of bounds, each gives the same answer twice, and a label is
// well-formed UTF-8 of at most the 32 characters a primary descriptor's
// identifier holds (a Joliet one holds 16).
#undef NDEBUG  // the asserts are the checks
#include "archive_ends.h"
#include "cue_sheet.h"
#include "volume_descriptors.h"

#include <cassert>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using namespace relwiz::release_files;

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
    return 0;
}
