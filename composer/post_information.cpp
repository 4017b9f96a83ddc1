// The Post Information section: where and how the release is posted.
#include "compose_sheet.h"
#include "sheet_lines.h"

#include <array>
#include <string_view>

namespace relwiz {
namespace {

using namespace sheet_lines;

struct SupportFile {
    bool ReleaseSheet::*posted;
    std::string_view item;  // each item carries its own trailing blank
};

// The items appear in this order whatever order the boxes were ticked in.
constexpr std::array<SupportFile, 4> support_files = {{
    {&ReleaseSheet::support_sfv, ".sfv "},
    {&ReleaseSheet::support_cue, ".cue "},
    {&ReleaseSheet::support_covers, "covers "},
    {&ReleaseSheet::support_manuals, "manuals "},
}};

void append_repost_line(const ReleaseSheet& sheet, std::string& text)
{
    if (sheet.full_repost == YesNoChoice::Yes) {
        // "Yes, " and the commencement phrase complete one sentence.
        text += "Full repost?................: Yes, ";
        text += sheet.repost_commences;
        text += line_end;
    } else if (sheet.full_repost == YesNoChoice::No)
        append_fixed_line(text, "Full repost?................: No, I am a lazy asshole.");
}

void append_support_files_line(const ReleaseSheet& sheet, std::string& text)
{
    text += "Support files posted........: ";
    bool any_posted = false;
    for (const SupportFile& file : support_files) {
        if (sheet.*file.posted) {
            text += file.item;
            any_posted = true;
        }
    }
    if (!any_posted)
        text += "None, WTF!?";
    text += line_end;
}

}  // namespace

void append_post_information(const ReleaseSheet& sheet, std::string& text)
{
    append_section_header(text, "Post Information");
    append_label_line(text, "Group posted to.............: ", sheet.group_posted_to);
    append_label_line(text, "News server used............: ", sheet.news_server);
    append_label_line(text, "Parts per day...............: ", sheet.parts_per_day);
    append_repost_line(sheet, text);
    append_label_line(text, "My fills policy.............: ", sheet.fills_policy);
    append_support_files_line(sheet, text);
    append_blank_line(text);
}

}  // namespace relwiz
