// One Disc Information section for each of discs 1 to disc_count.
#include "compose_sheet.h"
#include "sheet_layout.h"

#include <algorithm>

namespace relwiz {

namespace sheet_layout {

constexpr std::array<std::string_view, max_discs> disc_titles = {
    "Disc 1 Information", "Disc 2 Information", "Disc 3 Information",
    "Disc 4 Information", "Disc 5 Information", "Disc 6 Information",
};

constexpr LabelLine<DiscInfo> volume_label_line = {"Disc volume label...........: ", &DiscInfo::volume_label};

constexpr ChoiceLines<3> image_format_lines = {
    "", "Image format................: .bin + .cue", "Image format................: .iso"};

// The label lines between the image-format line and the 80-minute line.
// Two labels fill their 28 characters unlike the rest, and are written so.
constexpr std::array<LabelLine<DiscInfo>, 6> file_and_archive_lines = {{
    {"Image filename..............: ", &DiscInfo::image_filename},
    {"Image file size in bytes....: ", &DiscInfo::image_file_size},
    {"Archive format..............: ", &DiscInfo::archive_format},
    {"Archive part size in bytes..: ", &DiscInfo::archive_part_size},
    {"# of parts for this disc:...: ", &DiscInfo::number_of_parts},
    {"Total archive size this disc: ", &DiscInfo::archive_size},
}};

constexpr ChoiceLines<3> overburn_lines = {"", "80 min CDR required?........: Yes", "80 min CDR required?........: No"};
constexpr ChoiceLines<3> burn_test_lines = {"", "Image has been burn tested?.: Yes", "Image has been burn tested?.: No"};

}  // namespace sheet_layout

namespace {

using namespace sheet_lines;
using namespace sheet_layout;

void append_disc_block(int disc_number, const DiscInfo& disc, std::string& text)
{
    append_section_header(text, disc_titles[static_cast<std::size_t>(disc_number - 1)]);
    append_label_line(text, volume_label_line.label, disc.*volume_label_line.value);
    append_choice_line(text, disc.image_format, image_format_lines);
    for (const LabelLine<DiscInfo>& line : file_and_archive_lines)
        append_label_line(text, line.label, disc.*line.value);
    append_choice_line(text, disc.needs_80min_cdr, overburn_lines);
    append_choice_line(text, disc.burn_tested, burn_test_lines);
    append_blank_line(text);
}

}  // namespace

std::string format_disc_block(int disc_number, const DiscInfo& disc)
{
    std::string block;
    if (disc_number >= 1 && disc_number <= max_discs)
        append_disc_block(disc_number, disc, block);
    return block;
}

void append_disc_sections(const ReleaseSheet& sheet, std::string& text)
{
    // The window offers 0 to 6; anything else a caller might pass is held to that.
    const int count = std::clamp(sheet.disc_count, 0, max_discs);
    for (int number = 1; number <= count; ++number)
        append_disc_block(number, sheet.discs[static_cast<std::size_t>(number - 1)], text);
}

}  // namespace relwiz
