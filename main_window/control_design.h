// A window's design as data: one row per control, in creation order, with
// its kind, name, container, position, caption or initial text, list and
// the field it feeds. The builder (form_builder.h) turns a table of rows into
// widgets.
#pragma once

#include "field_binding.h"
#include "twips.h"

#include <span>

namespace relwiz {

enum class ControlKind {
    Label,             // static text
    TextBox,           // single line
    MultiLineTextBox,  // the sheet boxes: fixed pitch, green on black
    DropDownCombo,     // free text beside an unsorted list
    OptionButton,      // exclusive within its frame
    CheckBox,          // two states
    Frame,             // a bordered box without a title
    CommandButton,
};

struct ControlDesign {
    ControlKind kind;
    const char* name;
    const char* container = nullptr;  // a frame named earlier in the table; nullptr: the page
    TwipsRect rect;
    const char* text = "";                // caption, or the initial text of an input
    std::span<const char* const> items = {};  // a combo box's list, in order
    FieldBinding feeds = {};              // an input: the field it feeds
    const char* label_for = nullptr;      // a label: the input it names for screen readers
};

// One tab of the main window: its caption, its controls and the order in
// which they take the focus.
struct PageDesign {
    const char* caption;
    std::span<const ControlDesign> controls;
    std::span<const char* const> focus_order;
};

}  // namespace relwiz
