// The sheet composer: a pure function from a ReleaseSheet to the text of the
// information sheet, built section by section into one growing string.
//
//     relwiz::ReleaseSheet sheet;
//     sheet.poster_name = "Poster42";
//     sheet.program_title = "Example Suite 4.0";
//     std::string text = relwiz::compose_sheet(sheet);
//     // text starts with 79 "/" and ends with the 79th "-" of the closing
//     // rule, with no line end after it.
//
// Every stage appends to the text it is given and never reads or changes what
// an earlier stage wrote. Values are copied byte for byte; the composer adds
// only ASCII, so UTF-8 values stay UTF-8.
#pragma once

#include "release_sheet.h"

#include <string>
#include <string_view>

namespace relwiz {

// The whole sheet. Reads nothing but its argument and cannot fail; the same
// record always yields the same text.
std::string compose_sheet(const ReleaseSheet& sheet);

// The stages, in the order compose_sheet calls them.
void append_banner(const ReleaseSheet& sheet, std::string& text);
void append_general_information(const ReleaseSheet& sheet, std::string& text);
void append_post_information(const ReleaseSheet& sheet, std::string& text);
void append_disc_sections(const ReleaseSheet& sheet, std::string& text);
void append_release_group_section(const ReleaseSheet& sheet, std::string& text);
void append_credit_footer(const ReleaseSheet& sheet, std::string& text);

// One Disc Information section for disc_number (1 to 6): lines ended by
// CR LF, the last one blank.
std::string format_disc_block(int disc_number, const DiscInfo& disc);

// The footer's middle line, 79 characters: the generator and where to get it.
inline constexpr std::string_view credit_line =
    "Created with Relwiz 2000 - get it at https://relwiz.example.org/download       ";
static_assert(credit_line.size() == 79);

}  // namespace relwiz
