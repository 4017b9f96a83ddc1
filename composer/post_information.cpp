// The Post Information section: where and how the release is posted.
#include "compose_sheet.h"
#include "sheet_layout.h"

namespace relwiz {

namespace sheet_layout {

constexpr std::string_view post_title = "Post Information";

constexpr std::array<LabelLine<ReleaseSheet>, 3> post_lines_before_repost = {{
    {"Group posted to.............: ", &ReleaseSheet::group_posted_to},
    {"News server used............: ", &ReleaseSheet::news_server},
    {"Parts per day...............: ", &ReleaseSheet::parts_per_day},
}};

// "Yes, " and the commencement phrase complete one sentence.
constexpr std::string_view repost_yes = "Full repost?................: Yes, ";
constexpr std::string_view repost_no = "Full repost?................: No, I am a lazy asshole.";

constexpr LabelLine<ReleaseSheet> fills_policy_line = {"My fills policy.............: ", &ReleaseSheet::fills_policy};

constexpr Label support_files_label = "Support files posted........: ";

// The items appear in this order whatever order the boxes were ticked in.
constexpr std::array<SupportFile, 4> support_files = {{
    {&ReleaseSheet::support_sfv, ".sfv "},
    {&ReleaseSheet::support_cue, ".cue "},
    {&ReleaseSheet::support_covers, "covers "},
    {&ReleaseSheet::support_manuals, "manuals "},
}};

constexpr std::string_view no_support_files = "None, WTF!?";

}  // namespace sheet_layout

namespace {

using namespace sheet_lines;
using namespace sheet_layout;

void append_repost_line(const ReleaseSheet& sheet, std::string& text)
{
    if (sheet.full_repost == YesNoChoice::Yes) {
        text += repost_yes;
        text += sheet.repost_commences;
        text += line_end;
    } else if (sheet.full_repost == YesNoChoice::No)
        append_fixed_line(text, repost_no);
}

void append_support_files_line(const ReleaseSheet& sheet, std::string& text)
{
    text += support_files_label.text();
    bool any_posted = false;
    for (const SupportFile& file : support_files) {
        if (sheet.*file.posted) {
            text += file.item;
            any_posted = true;
        }
    }
    if (!any_posted)
        text += no_support_files;
    text += line_end;
}

}  // namespace

void append_post_information(const ReleaseSheet& sheet, std::string& text)
{
    append_section_header(text, post_title);
    for (const LabelLine<ReleaseSheet>& line : post_lines_before_repost)
        append_label_line(text, line.label, sheet.*line.value);
    append_repost_line(sheet, text);
    append_label_line(text, fills_policy_line.label, sheet.*fills_policy_line.value);
    append_support_files_line(sheet, text);
    append_blank_line(text);
}

}  // namespace relwiz
