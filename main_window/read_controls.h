// Reading the main window's controls into a ReleaseSheet, the moment the
// user asks for a preview.
#pragma once

#include "release_sheet.h"

namespace relwiz {

class ControlIndex;

// Text boxes and combo boxes give their text unchanged (multi-line text
// with CR LF line breaks); option pairs give their choice, read in the
// order each pair is read in; the disc count is the first set button.
ReleaseSheet read_release_sheet(const ControlIndex& controls);

}  // namespace relwiz
