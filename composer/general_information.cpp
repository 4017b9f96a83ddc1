// The banner with its headline, and the General Information section.
#include "compose_sheet.h"
#include "sheet_layout.h"

namespace relwiz {

namespace sheet_layout {

constexpr std::string_view proudly_presents = " proudly presents ";
constexpr std::string_view general_title = "General Information";

constexpr std::array<LabelLine<ReleaseSheet>, 3> general_lines_before_choices = {{
    {"Disc type...................: ", &ReleaseSheet::disc_type},
    {"Program platform............: ", &ReleaseSheet::platform},
    {"Program category............: ", &ReleaseSheet::category},
}};

constexpr ChoiceLines<3> cracked_lines = {"", "Image is 'cracked'?.........: Yes", "Image is 'cracked'?.........: No"};

constexpr ChoiceLines<max_discs + 1> disc_count_lines = {
    "",
    "# of discs..................: 1",
    "# of discs..................: 2",
    "# of discs..................: 3",
    "# of discs..................: 4",
    "# of discs..................: 5",
    "# of discs..................: 6",
};

constexpr std::array<LabelLine<ReleaseSheet>, 3> general_lines_after_choices = {{
    {"Serial number...............: ", &ReleaseSheet::serial_number},
    {"Release group...............: ", &ReleaseSheet::release_group},
    {"Image creation application..: ", &ReleaseSheet::image_creation_app},
}};

constexpr std::string_view go_to = "Go to ";
constexpr std::string_view for_more_info = " for more info";

}  // namespace sheet_layout

using namespace sheet_lines;
using namespace sheet_layout;

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
    append_section_header(text, general_title);
    for (const LabelLine<ReleaseSheet>& line : general_lines_before_choices)
        append_label_line(text, line.label, sheet.*line.value);
    append_choice_line(text, sheet.image_is_cracked, cracked_lines);
    append_choice_line(text, sheet.disc_count, disc_count_lines);
    for (const LabelLine<ReleaseSheet>& line : general_lines_after_choices)
        append_label_line(text, line.label, sheet.*line.value);
    append_blank_line(text);
    text += go_to;
    text += sheet.url;
    text += for_more_info;
    text += line_end;
    append_blank_line(text);
}

}  // namespace relwiz
