// Where the main window's design lives: one PageDesign per tab, and the
// names that make each of the six disc pages its own.
#pragma once

#include "control_design.h"

#include <array>

namespace relwiz {

inline constexpr int max_disc_pages = 6;

// The disc design's frames and labels by slot; each disc page renames them.
inline constexpr std::array<const char*, 14> disc_page_slots = {
    "page_frame", "format_frame", "overburn_frame", "burn_test_frame",
    "label_0", "label_1", "label_2", "label_3", "label_4",
    "label_5", "label_6", "label_7", "label_8", "label_9",
};

struct DiscPageNames {
    const char* caption;
    std::array<const char*, disc_page_slots.size()> names;
};

PageDesign general_info_page();
PageDesign post_info_page();
PageDesign disc_page(int index);  // index 0 to 5: Disc 1 Info to Disc 6 Info
PageDesign preview_page();

// One tab: its page design, and for a disc page the index of the control
// array elements it holds (-1 on the other tabs).
struct TabDesign {
    PageDesign page;
    int array_index = -1;
};

inline constexpr int tab_count = 9;

// The nine tabs in index order: General Info, Post Info, the six disc
// pages, Preview / Generate .nfo.
std::array<TabDesign, tab_count> main_form_tabs();

// The name a control of the disc design takes on disc page `index`.
const char* disc_page_control_name(int index, const char* design_name);

}  // namespace relwiz
