// Where the main window's design lives: one PageDesign per tab, the names
// that make each of the six disc pages its own, and the names of the
// controls the commands find by name. Every input's row names the field it
// feeds (field_binding.h).
#pragma once

#include "control_design.h"

#include <array>

namespace relwiz {

// The controls the commands find by name; the design names them with these.
inline constexpr const char* preview_button = "Command1";
inline constexpr const char* clear_button = "Command2";
inline constexpr const char* create_nfo_button = "Command3";
inline constexpr const char* readme_button = "Command4";
inline constexpr const char* preview_box = "preview_text";

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

// The name a control of the disc design takes on disc page `index` (0 to
// 5): its frames and labels are the page's own, every input is element
// `index` of the control array the design names.
const char* disc_page_control_name(int index, const char* design_name);

// The frame that fills disc page `index`.
const char* disc_page_frame_name(int index);

}  // namespace relwiz
