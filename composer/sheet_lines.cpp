#include "sheet_lines.h"

namespace relwiz::sheet_lines {

void append_rule(std::string& sheet, char rule_char)
{
    append_final_rule(sheet, rule_char);
    sheet += line_end;
}

void append_final_rule(std::string& sheet, char rule_char)
{
    sheet.append(rule_width, rule_char);
}

void append_section_header(std::string& sheet, std::string_view title)
{
    append_rule(sheet, dash);
    sheet += title;
    if (title.size() < rule_width)
        sheet.append(rule_width - title.size(), ' ');
    sheet += line_end;
    append_rule(sheet, dash);
    append_blank_line(sheet);
}

void append_label_line(std::string& sheet, Label label, std::string_view value)
{
    sheet += label.text();
    sheet += value;
    sheet += line_end;
}

void append_fixed_line(std::string& sheet, std::string_view line)
{
    sheet += line;
    sheet += line_end;
}

void append_blank_line(std::string& sheet)
{
    sheet += line_end;
}

}  // namespace relwiz::sheet_lines
