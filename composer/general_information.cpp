// The banner with its headline, and the General Information section.
#include "compose_sheet.h"
#include "sheet_lines.h"

#include <array>
#include <string_view>

namespace relwiz {
namespace {

using namespace sheet_lines;

constexpr std::string_view proudly_presents = " proudly presents ";

// Indexed by disc_count; a count of 0 writes no line.
constexpr std::array<std::string_view, max_discs + 1> disc_count_lines = {
    "",
    "# of discs..................: 1",
    "# of discs..................: 2",
    "# of discs..................: 3",
    "# of discs..................: 4",
    "# of discs..................: 5",
    "# of discs..................: 6",
};

constexpr ChoiceLines cracked_lines = {"Image is 'cracked'?.........: Yes", "Image is 'cracked'?.........: No"};

void append_disc_count_line(int disc_count, std::string& text)
{
    if (disc_count >= 1 && disc_count <= max_discs)
        append_fixed_line(text, disc_count_lines[static_cast<std::size_t>(disc_count)]);
}

}  // namespace

void append_banner(const ReleaseSheet& sheet, std::string& text)
{
    append_rule(text, slash);
    append_rule(text, star);
    append_blank_line(text);
    text += sheet.poster_name;
    text += proudly_presents;
    text += sheet.program_title;
    text += line_end;
    append_blank_line(text);
    append_rule(text, star);
    append_rule(text, slash);
    append_blank_line(text);
}

void append_general_information(const ReleaseSheet& sheet, std::string& text)
{
    append_section_header(text, "General Information");
    append_label_line(text, "Disc type...................: ", sheet.disc_type);
    append_label_line(text, "Program platform............: ", sheet.platform);
    append_label_line(text, "Program category............: ", sheet.category);
    append_choice_line(text, sheet.image_is_cracked, cracked_lines);
    append_disc_count_line(sheet.disc_count, text);
    append_label_line(text, "Serial number...............: ", sheet.serial_number);
    append_label_line(text, "Release group...............: ", sheet.release_group);
    append_label_line(text, "Image creation application..: ", sheet.image_creation_app);
    append_blank_line(text);
    text += "Go to ";
    text += sheet.url;
    text += " for more info";
    text += line_end;
    append_blank_line(text);
}

}  // namespace relwiz
