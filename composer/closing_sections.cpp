// The pasted release-group sheet and the credit footer that ends every sheet.
#include "compose_sheet.h"
#include "sheet_layout.h"

namespace relwiz {

namespace sheet_layout {

constexpr std::string_view release_group_title = "Release Group NFO";

}  // namespace sheet_layout

using namespace sheet_lines;

void append_release_group_section(const ReleaseSheet& sheet, std::string& text)
{
    // Only the empty string counts as absent; blanks or line ends alone are text.
    if (sheet.release_group_nfo.empty())
        return;
    append_section_header(text, sheet_layout::release_group_title);
    text += sheet.release_group_nfo;
    text += line_end;
    append_blank_line(text);
}

void append_credit_footer(const ReleaseSheet& /*sheet*/, std::string& text)
{
    append_rule(text, dash);
    append_fixed_line(text, credit_line);
    append_final_rule(text, dash);  // the sheet's last character is this rule's last "-"
}

}  // namespace relwiz
