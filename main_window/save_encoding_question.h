// The question Create .nfo! asks before it saves a sheet that Windows-1252
// cannot hold whole: a pasted group's art, say, or a character from another
// script. A sheet that fits is saved as it always was, without a word.
#pragma once

#include "code_page.h"

#include <optional>

class QWidget;

namespace relwiz {

enum class SaveEncoding {
    Cp437,        // the DOS text .nfo viewers read; offered when it holds every character
    Utf8,         // every character kept; no byte-order mark
    Windows1252,  // "?" for each character it lacks, as sheets were always saved
};

// `in_windows_1252`: the sheet encoded, with at least one character it
// lacks. Nothing when the user cancels.
std::optional<SaveEncoding> ask_save_encoding(QWidget* parent, QStringView sheet,
                                              const EncodedText& in_windows_1252, bool fits_cp437);

}  // namespace relwiz
