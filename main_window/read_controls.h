// Reading the main window's controls into a ReleaseSheet, the moment the
// user asks for a preview.
#pragma once

#include "release_sheet.h"

namespace relwiz {

class ControlIndex;

// Every input into the field its design row names: text and combo boxes
// give their text unchanged (a sheet box with CR LF line breaks), a check
// box whether it is checked, and the first set option button of a group, in
// design order, its value; a group with none set leaves its field unset.
ReleaseSheet read_release_sheet(const ControlIndex& controls);

}  // namespace relwiz
