// The main window's design: every control of the nine tabs with its name,
// kind, position in twips, caption or initial text, list and focus order.
// Positions on a page are relative to the tab control, tab rows included.
#include "main_form_design.h"

#include "control_text.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <iterator>
#include <string_view>

namespace relwiz {
namespace {

using K = ControlKind;

// The disc design's frames and labels by slot, the page frame first; each
// disc page gives them names of its own.
constexpr std::array<std::string_view, 14> disc_page_slots = {
    "page_frame", "format_frame", "overburn_frame", "burn_test_frame",
    "label_0", "label_1", "label_2", "label_3", "label_4",
    "label_5", "label_6", "label_7", "label_8", "label_9",
};

struct DiscPageNames {
    const char* caption;
    std::array<const char*, disc_page_slots.size()> names;  // in slot order
};

constexpr const char* disc_types[] = {"Application", "Game", "VCD"};
constexpr const char* platforms[] = {
    "Windows 98", "Windows 2000", "Windows 98 and 2000", "Windows NT", "Macintosh", "Playstation", "Linux",
};
constexpr const char* imaging_programs[] = {
    "CDRWIN", "Nero", "Easy CD Creator", "Easy CD Pro", "Fireburner",
};
constexpr const char* parts_per_day[] = {
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16", "17",
    "18", "19", "20", "21", "22", "23", "24", "25", "26", "27", "28", "29", "30", "31", "32", "33",
    "34", "35", "36", "37", "38", "39", "40", "41", "42", "43", "44", "45", "46", "47", "48", "49",
    "50", "51", "52", "53", "54", "55", "56", "57", "58", "59", "60", "61", "62", "63", "64", "65",
    "66", "67", "68", "69", "70", "71", "72", "73", "74", "75", "76", "77", "78", "79", "80", "81",
    "82", "83", "84", "85", "86", "87", "88", "89", "90", "91", "92", "93", "94", "95", "96", "97",
    "98", "99", "100+"
};
static_assert(std::size(parts_per_day) == 100);
constexpr const char* repost_commencements[] = {
    "1 day after original post", "2 days after original post", "3 days after original post",
    "4 days after original post", "5 days after original post", "6 days after original post",
    "7 days after original post",
};
constexpr const char* fills_policies[] = {
    "Ask for them nicely in the discussion group.",
    "Wait until after the repost, then ask.",
    "Fuck off, impatient bastards!",
};
constexpr const char* archive_formats[] = {".rar", ".zip", ".ace", ".arj"};

// Tab 0: two columns of labels and inputs, then the paste box across the page.
constexpr ControlDesign general_info_controls[] = {
    {K::Label, "Label1", nullptr, {240, 1200, 1335, 255}, "Disc type:", {}, {}, "Combo1"},
    {K::DropDownCombo, "Combo1", nullptr, {1680, 1200, 3495, 330}, "Select what this disc is", disc_types, &ReleaseSheet::disc_type},
    {K::Label, "Label2", nullptr, {240, 1680, 1335, 255}, "Program platform:", {}, {}, "Combo2"},
    {K::DropDownCombo, "Combo2", nullptr, {1680, 1680, 3495, 330}, "Select the platform for this program", platforms, &ReleaseSheet::platform},
    {K::Label, "Label3", nullptr, {240, 2160, 1335, 255}, "Program category:", {}, {}, "category_text"},
    {K::TextBox, "category_text", nullptr, {1680, 2160, 3495, 315}, "Enter the type of program / game / movie here", {}, &ReleaseSheet::category},
    {K::Label, "Label6", nullptr, {240, 2640, 1335, 255}, "Number of discs:", {}, {}, "Frame1"},
    {K::Frame, "Frame1", nullptr, {1680, 2520, 3495, 615}},
    {K::OptionButton, "number_discs_radio_1", "Frame1", {360, 240, 375, 210}, "1", {}, OptionValue{&ReleaseSheet::disc_count, 1}},
    {K::OptionButton, "number_discs_radio_2", "Frame1", {840, 240, 375, 210}, "2", {}, OptionValue{&ReleaseSheet::disc_count, 2}},
    {K::OptionButton, "number_discs_radio_3", "Frame1", {1320, 240, 375, 210}, "3", {}, OptionValue{&ReleaseSheet::disc_count, 3}},
    {K::OptionButton, "number_discs_radio_4", "Frame1", {1800, 240, 375, 210}, "4", {}, OptionValue{&ReleaseSheet::disc_count, 4}},
    {K::OptionButton, "number_discs_radio_5", "Frame1", {2280, 240, 375, 210}, "5", {}, OptionValue{&ReleaseSheet::disc_count, 5}},
    {K::OptionButton, "number_discs_radio_6", "Frame1", {2760, 240, 375, 210}, "6", {}, OptionValue{&ReleaseSheet::disc_count, 6}},
    {K::Label, "Label80", nullptr, {240, 3360, 1335, 255}, "Serial number:", {}, {}, "serial_number_text"},
    {K::TextBox, "serial_number_text", nullptr, {1680, 3360, 3495, 330}, "", {}, &ReleaseSheet::serial_number},
    {K::Label, "Label5", nullptr, {240, 3840, 4455, 255}, "Release group's .nfo (copy + paste it below if you have one):", {}, {}, "paste_nfo_text"},
    {K::MultiLineTextBox, "paste_nfo_text", nullptr, {240, 4080, 9855, 4035}, "", {}, &ReleaseSheet::release_group_nfo},
    {K::Label, "Label8", nullptr, {5640, 1200, 1335, 255}, "Program title:", {}, {}, "program_title_text"},
    {K::TextBox, "program_title_text", nullptr, {7080, 1200, 2895, 330}, "", {}, &ReleaseSheet::program_title},
    {K::Label, "Label7", nullptr, {5640, 1680, 1335, 255}, "Release group:", {}, {}, "release_group_text"},
    {K::TextBox, "release_group_text", nullptr, {7080, 1680, 2895, 330}, "", {}, &ReleaseSheet::release_group},
    {K::Label, "Label4", nullptr, {5640, 2160, 1335, 255}, "URL for more info:", {}, {}, "url_text"},
    {K::TextBox, "url_text", nullptr, {7080, 2160, 2895, 330}, "", {}, &ReleaseSheet::url},
    {K::Label, "Label14", nullptr, {5640, 2640, 1455, 255}, "Image creation app:", {}, {}, "Combo3"},
    {K::DropDownCombo, "Combo3", nullptr, {7080, 2640, 2895, 330}, "Select your disc imaging program", imaging_programs, &ReleaseSheet::image_creation_app},
    {K::Label, "Label22", nullptr, {5640, 3120, 1815, 255}, "Image is 'cracked':", {}, {}, "Frame2"},
    {K::Frame, "Frame2", nullptr, {7080, 3000, 2895, 615}},
    {K::OptionButton, "image_is_cracked_no_radio", "Frame2", {240, 240, 615, 210}, "No", {}, OptionValue{&ReleaseSheet::image_is_cracked, YesNoChoice::No}},
    {K::OptionButton, "image_is_cracked_yes_radio", "Frame2", {2040, 240, 615, 210}, "Yes", {}, OptionValue{&ReleaseSheet::image_is_cracked, YesNoChoice::Yes}},
};

constexpr const char* general_info_focus[] = {
    "Combo1", "Combo2", "category_text",
    "number_discs_radio_1", "number_discs_radio_2", "number_discs_radio_3",
    "number_discs_radio_4", "number_discs_radio_5", "number_discs_radio_6",
    "program_title_text", "release_group_text", "url_text", "Combo3",
    "image_is_cracked_no_radio", "image_is_cracked_yes_radio", "paste_nfo_text",
    "serial_number_text",  // last, though it stands mid-column
};

// Tab 1: one column of labels and inputs, then the support-file boxes in a row.
constexpr ControlDesign post_info_controls[] = {
    {K::Label, "Label9", nullptr, {240, 1200, 1935, 255}, "Poster's name:", {}, {}, "poster_name_text"},
    {K::TextBox, "poster_name_text", nullptr, {2280, 1200, 2895, 330}, "", {}, &ReleaseSheet::poster_name},
    {K::Label, "Label10", nullptr, {240, 1680, 1935, 255}, "Group posted to:", {}, {}, "group_text"},
    {K::TextBox, "group_text", nullptr, {2280, 1680, 2895, 330}, "", {}, &ReleaseSheet::group_posted_to},
    {K::Label, "Label13", nullptr, {240, 2160, 1935, 255}, "News server used:", {}, {}, "server_text"},
    {K::TextBox, "server_text", nullptr, {2280, 2160, 2895, 330}, "", {}, &ReleaseSheet::news_server},
    {K::Label, "Label11", nullptr, {240, 2640, 1935, 255}, "Parts per day:", {}, {}, "Combo4"},
    {K::DropDownCombo, "Combo4", nullptr, {2280, 2640, 1335, 330}, "", parts_per_day, &ReleaseSheet::parts_per_day},
    {K::Label, "Label16", nullptr, {240, 3240, 1935, 255}, "Full repost ?", {}, {}, "Frame3"},
    {K::Frame, "Frame3", nullptr, {2280, 3120, 2895, 615}},
    {K::OptionButton, "full_repost_yes_radio", "Frame3", {240, 240, 615, 210}, "Yes", {}, OptionValue{&ReleaseSheet::full_repost, YesNoChoice::Yes}},
    {K::OptionButton, "full_repost_no_radio", "Frame3", {2040, 240, 615, 210}, "No", {}, OptionValue{&ReleaseSheet::full_repost, YesNoChoice::No}},
    {K::Label, "Label17", nullptr, {240, 3960, 1935, 255}, "Repost commences", {}, {}, "Combo5"},
    {K::DropDownCombo, "Combo5", nullptr, {2280, 3960, 3615, 330}, "", repost_commencements, &ReleaseSheet::repost_commences},
    {K::Label, "Label18", nullptr, {240, 4440, 1935, 255}, "Those looking for fills can:", {}, {}, "Combo6"},
    {K::DropDownCombo, "Combo6", nullptr, {2280, 4440, 3615, 330}, "", fills_policies, &ReleaseSheet::fills_policy},
    {K::Label, "Label19", nullptr, {240, 4920, 1935, 255}, "Support files posted:"},
    {K::CheckBox, "Check1", nullptr, {2280, 4920, 735, 255}, ".sfv", {}, &ReleaseSheet::support_sfv},
    {K::CheckBox, "Check2", nullptr, {3120, 4920, 735, 255}, ".cue", {}, &ReleaseSheet::support_cue},
    {K::CheckBox, "Check3", nullptr, {3960, 4920, 975, 255}, "covers", {}, &ReleaseSheet::support_covers},
    {K::CheckBox, "Check4", nullptr, {4920, 4920, 975, 255}, "manuals", {}, &ReleaseSheet::support_manuals},
};

constexpr const char* post_info_focus[] = {
    "poster_name_text", "group_text", "server_text", "Combo4",
    "full_repost_yes_radio", "full_repost_no_radio", "Combo5", "Combo6",
    "Check1", "Check2", "Check3", "Check4",
};

// Tabs 2 to 7 share this design. Frames and labels are named per page from
// disc_pages below; everything else is element i of a control array.
constexpr ControlDesign disc_controls[] = {
    {K::Frame, "page_frame", nullptr, {120, 960, 9975, 7215}},
    {K::Label, "label_0", "page_frame", {480, 360, 1335, 255}, "Disc volume label:", {}, {}, "volume_label_text"},
    {K::TextBox, "volume_label_text", "page_frame", {2880, 360, 2895, 375}, "", {}, &DiscInfo::volume_label},
    {K::Label, "label_1", "page_frame", {480, 840, 975, 255}, "Image format:", {}, {}, "format_frame"},
    {K::Frame, "format_frame", "page_frame", {2880, 720, 2895, 735}},
    {K::OptionButton, "image_format_bin_radio", "format_frame", {240, 240, 1095, 255}, ".bin + .cue", {}, OptionValue{&DiscInfo::image_format, ImageFormat::BinCue}},
    {K::OptionButton, "image_format_iso_radio", "format_frame", {1920, 240, 615, 255}, ".iso", {}, OptionValue{&DiscInfo::image_format, ImageFormat::Iso}},
    {K::Label, "label_2", "page_frame", {480, 1560, 1215, 255}, "Image filename:", {}, {}, "image_filename_text"},
    {K::TextBox, "image_filename_text", "page_frame", {2880, 1560, 2895, 375}, "", {}, &DiscInfo::image_filename},
    {K::Label, "label_3", "page_frame", {480, 2160, 1695, 255}, "Image file size in bytes:", {}, {}, "image_file_size_text"},
    {K::TextBox, "image_file_size_text", "page_frame", {2880, 2160, 2895, 375}, "", {}, &DiscInfo::image_file_size},
    {K::Label, "label_4", "page_frame", {480, 2760, 1215, 255}, "Archive format:", {}, {}, "archive_format_combo"},
    {K::DropDownCombo, "archive_format_combo", "page_frame", {2880, 2760, 1815, 330}, "", archive_formats, &DiscInfo::archive_format},
    {K::Label, "label_5", "page_frame", {480, 3240, 1935, 255}, "Archive part size in bytes:", {}, {}, "archive_part_size_text"},
    {K::TextBox, "archive_part_size_text", "page_frame", {2880, 3240, 2895, 375}, "", {}, &DiscInfo::archive_part_size},
    {K::Label, "label_6", "page_frame", {480, 3840, 1695, 255}, "# of parts for this disc:", {}, {}, "number_parts_text"},
    {K::TextBox, "number_parts_text", "page_frame", {2880, 3840, 2895, 375}, "", {}, &DiscInfo::number_of_parts},
    {K::Label, "label_7", "page_frame", {480, 4440, 1935, 255}, "Total archive size in bytes:", {}, {}, "archive_size_text"},
    {K::TextBox, "archive_size_text", "page_frame", {2880, 4440, 2895, 375}, "", {}, &DiscInfo::archive_size},
    {K::Label, "label_8", "page_frame", {480, 5040, 1575, 255}, "80 min CDR required?", {}, {}, "overburn_frame"},
    {K::Frame, "overburn_frame", "page_frame", {2880, 4920, 2895, 735}},
    {K::OptionButton, "overburn_no_radio", "overburn_frame", {240, 240, 615, 255}, "No", {}, OptionValue{&DiscInfo::needs_80min_cdr, YesNoChoice::No}},
    {K::OptionButton, "overburn_yes_radio", "overburn_frame", {2040, 240, 615, 255}, "Yes", {}, OptionValue{&DiscInfo::needs_80min_cdr, YesNoChoice::Yes}},
    {K::Label, "label_9", "page_frame", {480, 5760, 2055, 255}, "Image has been burn tested:", {}, {}, "burn_test_frame"},
    {K::Frame, "burn_test_frame", "page_frame", {2880, 5640, 2895, 735}},
    {K::OptionButton, "burn_test_yes_radio", "burn_test_frame", {240, 240, 615, 255}, "Yes", {}, OptionValue{&DiscInfo::burn_tested, YesNoChoice::Yes}},
    {K::OptionButton, "burn_test_no_radio", "burn_test_frame", {2040, 240, 615, 255}, "No", {}, OptionValue{&DiscInfo::burn_tested, YesNoChoice::No}},
};

constexpr const char* disc_focus_top_down[] = {
    "volume_label_text", "image_filename_text", "image_file_size_text", "archive_format_combo",
    "archive_part_size_text", "number_parts_text", "archive_size_text",
    "image_format_bin_radio", "image_format_iso_radio", "overburn_no_radio", "overburn_yes_radio",
    "burn_test_yes_radio", "burn_test_no_radio",
};

// Discs 2 to 6 are traversed from the bottom of the page up.
constexpr const char* disc_focus_bottom_up[] = {
    "burn_test_no_radio", "burn_test_yes_radio", "overburn_yes_radio", "overburn_no_radio",
    "image_format_iso_radio", "image_format_bin_radio", "archive_size_text", "number_parts_text",
    "archive_part_size_text", "archive_format_combo", "image_file_size_text", "image_filename_text",
    "volume_label_text",
};

constexpr std::array<DiscPageNames, max_discs> disc_pages = {{
    {"Disc 1 Info", {"Frame4", "Frame5", "Frame6", "Frame7",
                     "Label23", "Label24", "Label25", "Label26", "Label33",
                     "Label34", "Label35", "Label36", "Label37", "Label38"}},
    {"Disc 2 Info", {"Frame8", "Frame11", "Frame10", "Frame9",
                     "Label39", "Label32", "Label31", "Label30", "Label29",
                     "Label28", "Label27", "Label21", "Label20", "Label12"}},
    {"Disc 3 Info", {"Frame12", "Frame15", "Frame14", "Frame13",
                     "Label49", "Label48", "Label47", "Label46", "Label45",
                     "Label44", "Label43", "Label42", "Label41", "Label40"}},
    {"Disc 4 Info", {"Frame16", "Frame19", "Frame18", "Frame17",
                     "Label59", "Label58", "Label57", "Label56", "Label55",
                     "Label54", "Label53", "Label52", "Label51", "Label50"}},
    {"Disc 5 Info", {"Frame20", "Frame23", "Frame22", "Frame21",
                     "Label69", "Label68", "Label67", "Label66", "Label65",
                     "Label64", "Label63", "Label62", "Label61", "Label60"}},
    {"Disc 6 Info", {"Frame24", "Frame27", "Frame26", "Frame25",
                     "Label79", "Label78", "Label77", "Label76", "Label75",
                     "Label74", "Label73", "Label72", "Label71", "Label70"}},
}};

// Tab 8: the command row and the preview box.
constexpr ControlDesign preview_controls[] = {
    {K::CommandButton, preview_button, nullptr, {240, 1080, 1095, 495}, "Preview"},
    {K::CommandButton, clear_button, nullptr, {1320, 1080, 1095, 495}, "Clear"},
    {K::CommandButton, create_nfo_button, nullptr, {2400, 1080, 1095, 495}, "Create .nfo!"},
    {K::CommandButton, readme_button, nullptr, {9000, 1080, 1095, 495}, "Readme!"},
    {K::MultiLineTextBox, preview_box, nullptr, {240, 1680, 9855, 6435}},
};

constexpr const char* preview_focus[] = {
    preview_box, preview_button, clear_button, create_nfo_button, readme_button,
};

// The design is checked as it compiles: a name that no control has, a field
// fed twice or a control that feeds the wrong kind of field does not build.

constexpr bool has_control(std::span<const ControlDesign> design, std::string_view name)
{
    return std::ranges::any_of(design, [name](const ControlDesign& row) { return row.name == name; });
}

constexpr bool has_frame(std::span<const ControlDesign> design, std::string_view name)
{
    return std::ranges::any_of(design, [name](const ControlDesign& row) { return row.kind == K::Frame && row.name == name; });
}

// Whether what a row feeds suits its kind: text from text and combo boxes,
// a flag from a check box, a choice from an option button, and only fields
// of `Record`, the record its page fills.
template <typename Record>
struct FeedsSuitKind {
    K kind;

    constexpr bool operator()(std::monostate) const
    {
        return kind == K::Label || kind == K::Frame || kind == K::CommandButton || kind == K::MultiLineTextBox;
    }
    constexpr bool operator()(std::string Record::*) const { return holds_text(kind); }
    constexpr bool operator()(bool Record::*) const { return kind == K::CheckBox; }
    template <typename Value>
    constexpr bool operator()(OptionValue<Record, Value>) const { return kind == K::OptionButton; }
    template <typename OtherRecordField>
    constexpr bool operator()(OtherRecordField) const { return false; }
};

template <typename Record>
constexpr bool well_formed(std::span<const ControlDesign> design, std::span<const char* const> focus_order)
{
    for (std::size_t i = 0; i < design.size(); ++i) {
        const ControlDesign& row = design[i];
        if (!std::visit(FeedsSuitKind<Record>{row.kind}, row.feeds))
            return false;
        if (row.container && !has_frame(design.first(i), row.container))
            return false;  // a container is a frame made before its controls
        if (row.label_for && !has_control(design, row.label_for))
            return false;
    }
    for (const char* name : focus_order)
        if (!has_control(design, name))
            return false;
    return true;
}

// No field is fed by two controls, nor a choice's value by two buttons.
constexpr bool feeds_each_field_once(std::initializer_list<std::span<const ControlDesign>> designs)
{
    std::size_t count = 0;
    for (std::span<const ControlDesign> design : designs)
        count += design.size();
    for (std::span<const ControlDesign> design : designs)
        for (const ControlDesign& row : design) {
            std::size_t same = 0;
            for (std::span<const ControlDesign> other : designs)
                for (const ControlDesign& other_row : other)
                    same += other_row.feeds == row.feeds;
            if (!std::holds_alternative<std::monostate>(row.feeds) && same != 1)
                return false;
        }
    return count > 0;
}

constexpr bool disc_page_names_every_frame_and_label()
{
    for (const ControlDesign& row : disc_controls) {
        const bool named_by_page = std::ranges::find(disc_page_slots, std::string_view(row.name)) != disc_page_slots.end();
        if (named_by_page != (row.kind == K::Frame || row.kind == K::Label))
            return false;
    }
    return disc_page_slots.front() == "page_frame";
}

static_assert(well_formed<ReleaseSheet>(general_info_controls, general_info_focus));
static_assert(well_formed<ReleaseSheet>(post_info_controls, post_info_focus));
static_assert(well_formed<DiscInfo>(disc_controls, disc_focus_top_down));
static_assert(well_formed<DiscInfo>(disc_controls, disc_focus_bottom_up));
static_assert(well_formed<ReleaseSheet>(preview_controls, preview_focus));
static_assert(feeds_each_field_once({general_info_controls, post_info_controls, preview_controls}));
static_assert(feeds_each_field_once({disc_controls}));
static_assert(disc_page_names_every_frame_and_label());

PageDesign general_info_page()
{
    return {"General Info", general_info_controls, general_info_focus};
}

PageDesign post_info_page()
{
    return {"Post Info", post_info_controls, post_info_focus};
}

PageDesign disc_page(int index)
{
    return {disc_pages[static_cast<std::size_t>(index)].caption, disc_controls,
            index == 0 ? std::span<const char* const>(disc_focus_top_down)
                       : std::span<const char* const>(disc_focus_bottom_up)};
}

PageDesign preview_page()
{
    return {"Preview / Generate .nfo", preview_controls, preview_focus};
}

}  // namespace

std::array<TabDesign, tab_count> main_form_tabs()
{
    std::array<TabDesign, tab_count> tabs;
    tabs[0] = {general_info_page()};
    tabs[1] = {post_info_page()};
    for (int disc = 0; disc < max_discs; ++disc)
        tabs[static_cast<std::size_t>(2 + disc)] = {disc_page(disc), disc};
    tabs[tab_count - 1] = {preview_page()};
    return tabs;
}

const char* disc_page_control_name(int index, const char* design_name)
{
    const DiscPageNames& page = disc_pages[static_cast<std::size_t>(index)];
    for (std::size_t slot = 0; slot < disc_page_slots.size(); ++slot)
        if (design_name == disc_page_slots[slot])
            return page.names[slot];
    return design_name;  // an element of a control array keeps the array's name
}

const char* disc_page_frame_name(int index)
{
    return disc_pages[static_cast<std::size_t>(index)].names.front();
}

}  // namespace relwiz
