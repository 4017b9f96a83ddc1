// The line forms every section of the sheet is made of. Each appends to the
// sheet being built; every line but the sheet's very last ends in CR LF.
#pragma once

#include "release_sheet.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace relwiz::sheet_lines {

inline constexpr std::string_view line_end = "\r\n";
inline constexpr std::size_t rule_width = 79;
inline constexpr std::size_t label_width = 30;

inline constexpr char slash = '/';
inline constexpr char star = '*';
inline constexpr char dash = '-';

// A label literal: the label's words, periods up to column 28, then ": ".
// Checked at compile time, so a literal one character off does not build.
class Label {
public:
    consteval Label(const char* text) : text_(text) {  // NOLINT: implicit by design
        if (text_.size() != label_width || !text_.ends_with(": "))
            throw "a label literal is 30 characters ending in \": \"";
    }
    constexpr std::string_view text() const { return text_; }

private:
    std::string_view text_;
};

// "/" or "*" or "-" 79 times, then CR LF.
void append_rule(std::string& sheet, char rule_char);

// A rule with no line end: only the sheet's closing rule is written so.
void append_final_rule(std::string& sheet, char rule_char);

// Dash rule, title filled with blanks to 79 characters, dash rule, blank line.
void append_section_header(std::string& sheet, std::string_view title);

// The label literal, then the value unchanged, then CR LF.
void append_label_line(std::string& sheet, Label label, std::string_view value);

// A whole literal line such as "Image is 'cracked'?.........: Yes".
void append_fixed_line(std::string& sheet, std::string_view line);

// An empty line: a second CR LF right after the one ending the line before.
void append_blank_line(std::string& sheet);

// The line of the choice made, from the choice's lines by value; no line at
// all, and no trace, while it is unset (value 0).
template <typename Choice>
void append_choice_line(std::string& sheet, Choice value, std::span<const std::string_view> lines)
{
    if (const auto index = static_cast<std::size_t>(value); index != 0 && index < lines.size())
        append_fixed_line(sheet, lines[index]);
}

}  // namespace relwiz::sheet_lines
