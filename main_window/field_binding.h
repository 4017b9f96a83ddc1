// What an input of the main window feeds: a field of the ReleaseSheet, or of
// the DiscInfo of the disc whose page it stands on. The design names it on
// the input's own row, so each control is tied to its field in one place,
// and reading the form, filling a disc page and putting a record back into
// the form all go by it.
#pragma once

#include "release_sheet.h"

#include <string>
#include <variant>

namespace relwiz {

// An option button: when it is set, its group's field holds `value`. The
// buttons of a group share the field; the first set one, in design order,
// is the one read.
template <typename Record, typename Value>
struct OptionValue {
    Value Record::*field;
    Value value;

    friend constexpr bool operator==(const OptionValue&, const OptionValue&) = default;
};

using FieldBinding = std::variant<
    std::monostate,                          // feeds nothing: labels, frames, buttons, the preview box
    std::string ReleaseSheet::*,             // a text box, combo box or sheet box: its text
    std::string DiscInfo::*,
    bool ReleaseSheet::*,                    // a check box: checked or not
    OptionValue<ReleaseSheet, YesNoChoice>,  // an option button of a Yes/No pair
    OptionValue<ReleaseSheet, int>,          // a button of the disc-count group
    OptionValue<DiscInfo, YesNoChoice>,
    OptionValue<DiscInfo, ImageFormat>>;

// A field of a disc's record, whatever its type.
using DiscField = std::variant<std::string DiscInfo::*, ImageFormat DiscInfo::*, YesNoChoice DiscInfo::*>;

// Whether an input bound so feeds `field`: its text, or a value of its choice.
constexpr bool feeds_field(const FieldBinding& binding, const DiscField& field)
{
    if (const auto* text = std::get_if<std::string DiscInfo::*>(&binding))
        return field == DiscField(*text);
    if (const auto* format = std::get_if<OptionValue<DiscInfo, ImageFormat>>(&binding))
        return field == DiscField(format->field);
    if (const auto* answer = std::get_if<OptionValue<DiscInfo, YesNoChoice>>(&binding))
        return field == DiscField(answer->field);
    return false;
}

}  // namespace relwiz
