// Putting a record into the main window's controls, the other way round
// from reading them: every input shows the field its design row names.
#pragma once

#include "field_binding.h"
#include "release_sheet.h"

#include <span>

namespace relwiz {

class ControlIndex;

// Every input takes its field's value: text typed over (type_over), a check
// box checked or not, the option button of its group's value set, or none
// of the group's set when the field is unset. read_release_sheet then gives
// `sheet` back.
void write_release_sheet(const ControlIndex& controls, const ReleaseSheet& sheet);

// The inputs of disc page `disc` (0 to 5) that feed one of `fields` take
// their values from `values`, as write_release_sheet writes them; the
// page's other inputs stay as they are.
void write_fields(const ControlIndex& controls, int disc, const DiscInfo& values, std::span<const DiscField> fields);

}  // namespace relwiz
