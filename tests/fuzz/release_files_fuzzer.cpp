// libFuzzer target: arbitrary bytes read as volume descriptors and as a cue
// sheet. Neither reader may crash or read out of bounds, each gives the same
// answer twice, and a label is well-formed UTF-8 of at most the 32 characters
// a primary descriptor's identifier holds (a Joliet one holds 16).
#include "cue_sheet.h"
#include "volume_descriptors.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

using namespace relwiz::release_files;

namespace {

void require(bool holds)
{
    if (!holds)
        std::abort();
}

// How many characters utf8 holds; none when it is not well formed.
std::optional<std::size_t> characters(std::string_view utf8)
{
    std::size_t count = 0;
    for (std::size_t at = 0; at < utf8.size(); ++count) {
        const unsigned char lead = utf8[at];
        const std::size_t length = lead < 0x80 ? 1 : lead >> 5 == 0x6 ? 2 : lead >> 4 == 0xE ? 3 : 0;
        if (length == 0 || at + length > utf8.size())
            return std::nullopt;
        for (std::size_t k = 1; k < length; ++k)
            if ((utf8[at + k] & 0xC0) != 0x80)
                return std::nullopt;
        at += length;
    }
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::optional<std::string> label = volume_label_of(bytes);
    require(label == volume_label_of(bytes));
    require(!label || characters(*label).value_or(33) <= 32);

    const CueSheet cue = parse_cue_sheet(bytes);
    const CueSheet again = parse_cue_sheet(bytes);
    require(cue.image_file == again.image_file && cue.track_mode == again.track_mode);
    require(cue.image_file.find('\n') == std::string::npos);
    require(cue.track_mode.find_first_of(" \t\r\n") == std::string::npos);
    const std::optional<SectorLayout> layout = layout_of_track_mode(cue.track_mode);
    require(!layout || (layout->data_offset + 2048 <= layout->sector_size || !layout->has_file_system));
    return 0;
}
