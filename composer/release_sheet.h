// The record the main window fills from its controls and hands to the
// composer. Strings hold UTF-8 exactly as the controls held it: nothing is
// trimmed, converted or checked, and any of them may be empty.
#pragma once

#include <array>
#include <string>

namespace relwiz {

// One Yes/No option pair; None while neither button has been chosen.
enum class YesNoChoice { None, Yes, No };

// A disc's image-format pair; None while neither button has been chosen.
enum class ImageFormat { None, BinCue, Iso };

inline constexpr int max_discs = 6;

// What the sheet says about one disc. Sizes and counts are text as typed.
struct DiscInfo {
    std::string volume_label;
    ImageFormat image_format = ImageFormat::None;
    std::string image_filename;
    std::string image_file_size;
    std::string archive_format;
    std::string archive_part_size;
    std::string number_of_parts;
    std::string archive_size;
    YesNoChoice needs_80min_cdr = YesNoChoice::None;
    YesNoChoice burn_tested = YesNoChoice::None;

    friend bool operator==(const DiscInfo&, const DiscInfo&) = default;
};

struct ReleaseSheet {
    // General Info tab
    std::string program_title;
    std::string disc_type;
    std::string platform;
    std::string category;
    YesNoChoice image_is_cracked = YesNoChoice::None;
    int disc_count = 0;  // 0 to 6; discs from this index on are never printed
    std::string serial_number;
    std::string release_group;
    std::string image_creation_app;
    std::string url;
    std::string release_group_nfo;

    // Post Info tab
    std::string poster_name;
    std::string group_posted_to;
    std::string news_server;
    std::string parts_per_day;
    YesNoChoice full_repost = YesNoChoice::None;
    std::string repost_commences;
    std::string fills_policy;
    bool support_sfv = false;
    bool support_cue = false;
    bool support_covers = false;
    bool support_manuals = false;

    // Disc 1 Info to Disc 6 Info tabs; element 0 is Disc 1
    std::array<DiscInfo, max_discs> discs;

    friend bool operator==(const ReleaseSheet&, const ReleaseSheet&) = default;
};

}  // namespace relwiz
