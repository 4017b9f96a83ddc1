// A sheet's fixed text beside its values, section by section: the titles,
// the label literals in their order, the whole lines that answer a choice.
// The composer writes a sheet by these tables and read_sheet reads one back
// by the same ones, so the two cannot disagree. Each table is defined with
// the stage that writes it.
#pragma once

#include "release_sheet.h"
#include "sheet_lines.h"

#include <array>
#include <string>
#include <string_view>

namespace relwiz::sheet_layout {

using sheet_lines::Label;

// A label literal and the field whose value follows it.
template <class Record>
struct LabelLine {
    Label label;
    std::string Record::*value;
};

// The lines a choice is answered with, by its value (YesNoChoice::Yes is 1,
// No 2; ImageFormat::BinCue 1, Iso 2; a disc count N is N). The first, for
// the unset value, is empty and never written.
template <std::size_t values>
using ChoiceLines = std::array<std::string_view, values>;
static_assert(int(YesNoChoice::Yes) == 1 && int(YesNoChoice::No) == 2);
static_assert(int(ImageFormat::BinCue) == 1 && int(ImageFormat::Iso) == 2);

// The banner and General Information (general_information.cpp).
extern const std::string_view proudly_presents;
extern const std::string_view general_title;
extern const std::array<LabelLine<ReleaseSheet>, 3> general_lines_before_choices;
extern const ChoiceLines<3> cracked_lines;
extern const ChoiceLines<max_discs + 1> disc_count_lines;
extern const std::array<LabelLine<ReleaseSheet>, 3> general_lines_after_choices;
extern const std::string_view go_to;
extern const std::string_view for_more_info;

// Post Information (post_information.cpp).
struct SupportFile {
    bool ReleaseSheet::*posted;
    std::string_view item;  // each item carries its own trailing blank
};

extern const std::string_view post_title;
extern const std::array<LabelLine<ReleaseSheet>, 3> post_lines_before_repost;
extern const std::string_view repost_yes;  // the commencement phrase follows it
extern const std::string_view repost_no;
extern const LabelLine<ReleaseSheet> fills_policy_line;
extern const Label support_files_label;
extern const std::array<SupportFile, 4> support_files;
extern const std::string_view no_support_files;

// A Disc Information section (disc_sections.cpp).
extern const std::array<std::string_view, max_discs> disc_titles;
extern const LabelLine<DiscInfo> volume_label_line;
extern const ChoiceLines<3> image_format_lines;
extern const std::array<LabelLine<DiscInfo>, 6> file_and_archive_lines;
extern const ChoiceLines<3> overburn_lines;
extern const ChoiceLines<3> burn_test_lines;

// The group's .nfo (closing_sections.cpp); the footer's credit line is
// compose_sheet.h's credit_line.
extern const std::string_view release_group_title;

}  // namespace relwiz::sheet_layout
