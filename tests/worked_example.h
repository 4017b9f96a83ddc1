// The worked example: one record with every section in use, and the whole
// sheet it gives. The composer tests compose it; the window tests type it in.
#pragma once

#include "compose_sheet.h"
#include "sheet_text.h"

#include <string>
#include <string_view>

namespace relwiz::testing {

inline constexpr std::string_view slash_rule = "///////////////////////////////////////////////////////////////////////////////";
inline constexpr std::string_view star_rule = "*******************************************************************************";
inline constexpr std::string_view dash_rule = "-------------------------------------------------------------------------------";
inline constexpr std::string_view general_title = "General Information                                                            ";
inline constexpr std::string_view post_title = "Post Information                                                               ";
inline constexpr std::string_view disc_1_title = "Disc 1 Information                                                             ";
inline constexpr std::string_view disc_2_title = "Disc 2 Information                                                             ";
inline constexpr std::string_view nfo_title = "Release Group NFO                                                              ";

// The closing footer, last line without a line end.
inline std::string footer()
{
    return crlf_lines({dash_rule, credit_line, dash_rule});
}

inline ReleaseSheet worked_example()
{
    ReleaseSheet sheet;
    sheet.poster_name = "Poster42";
    sheet.program_title = "Example Suite 4.0";
    sheet.disc_type = "Application";
    sheet.platform = "Windows 98 and 2000";
    sheet.category = "Office suite";
    sheet.image_is_cracked = YesNoChoice::No;
    sheet.disc_count = 2;
    sheet.serial_number = "Not needed";
    sheet.release_group = "ExampleGroup";
    sheet.image_creation_app = "CDRWIN";
    sheet.url = "the publisher's home page";

    sheet.group_posted_to = "alt.binaries.example";
    sheet.news_server = "my provider's server";
    sheet.parts_per_day = "40";
    sheet.full_repost = YesNoChoice::Yes;
    sheet.repost_commences = "3 days after original post";
    sheet.fills_policy = "Wait until after the repost, then ask.";
    sheet.support_sfv = true;
    sheet.support_covers = true;

    DiscInfo& disc1 = sheet.discs[0];
    disc1.volume_label = "GAME_CD1";
    disc1.image_format = ImageFormat::Iso;
    disc1.image_filename = "game1.iso";
    disc1.image_file_size = "650000000";
    disc1.archive_format = ".zip";
    disc1.archive_part_size = "15000000";
    disc1.number_of_parts = "44";
    disc1.archive_size = "649000000";
    disc1.needs_80min_cdr = YesNoChoice::Yes;
    disc1.burn_tested = YesNoChoice::No;

    DiscInfo& disc2 = sheet.discs[1];
    disc2.volume_label = "GAME_CD2";
    disc2.image_format = ImageFormat::BinCue;
    disc2.image_filename = "game2.bin";
    disc2.image_file_size = "681984000";
    disc2.archive_format = ".rar";
    disc2.archive_part_size = "15000000";
    disc2.number_of_parts = "46";
    disc2.archive_size = "679813120";
    disc2.needs_80min_cdr = YesNoChoice::No;
    disc2.burn_tested = YesNoChoice::Yes;

    sheet.release_group_nfo = "GROUP NAME\r\nrelease notes";
    return sheet;
}


inline std::string worked_example_sheet()
{
    return concat({crlf_lines({
        slash_rule,
        star_rule,
        "",
        "Poster42 proudly presents Example Suite 4.0",
        "",
        star_rule,
        slash_rule,
        "",
        dash_rule,
        general_title,
        dash_rule,
        "",
        "Disc type...................: Application",
        "Program platform............: Windows 98 and 2000",
        "Program category............: Office suite",
        "Image is 'cracked'?.........: No",
        "# of discs..................: 2",
        "Serial number...............: Not needed",
        "Release group...............: ExampleGroup",
        "Image creation application..: CDRWIN",
        "",
        "Go to the publisher's home page for more info",
        "",
        dash_rule,
        post_title,
        dash_rule,
        "",
        "Group posted to.............: alt.binaries.example",
        "News server used............: my provider's server",
        "Parts per day...............: 40",
        "Full repost?................: Yes, 3 days after original post",
        "My fills policy.............: Wait until after the repost, then ask.",
        "Support files posted........: .sfv covers ",
        "",
        dash_rule,
        disc_1_title,
        dash_rule,
        "",
        "Disc volume label...........: GAME_CD1",
        "Image format................: .iso",
        "Image filename..............: game1.iso",
        "Image file size in bytes....: 650000000",
        "Archive format..............: .zip",
        "Archive part size in bytes..: 15000000",
        "# of parts for this disc:...: 44",
        "Total archive size this disc: 649000000",
        "80 min CDR required?........: Yes",
        "Image has been burn tested?.: No",
        "",
        dash_rule,
        disc_2_title,
        dash_rule,
        "",
        "Disc volume label...........: GAME_CD2",
        "Image format................: .bin + .cue",
        "Image filename..............: game2.bin",
        "Image file size in bytes....: 681984000",
        "Archive format..............: .rar",
        "Archive part size in bytes..: 15000000",
        "# of parts for this disc:...: 46",
        "Total archive size this disc: 679813120",
        "80 min CDR required?........: No",
        "Image has been burn tested?.: Yes",
        "",
        dash_rule,
        nfo_title,
        dash_rule,
        "",
        "GROUP NAME",
        "release notes",
        "",
        "",
    }), footer()});

}

}  // namespace relwiz::testing
