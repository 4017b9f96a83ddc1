// A saved sheet read from its file, to be opened in the window again.
#pragma once

#include "text_file.h"

namespace relwiz {

// A sheet with the largest group's .nfo the paste box takes, and room to spare.
inline constexpr int largest_sheet_file_mib = 48;

// The file's text and how it was read; regular files of up to 48 MiB only,
// and a refusal names the file as read_text_file's do.
Outcome<ReadText> read_sheet_file(const QString& path);

// The text of a sheet file's bytes: after a byte-order mark as it says;
// UTF-8 when the bytes are valid UTF-8 with one at least beyond ASCII;
// otherwise Windows-1252, in which sheets have always been saved, unless
// most bytes beyond ASCII are the box and block characters of DOS text
// (0xB0 to 0xDF), when the file is DOS text and read by its rules
// (dos_text.h). Refused when a NUL stands inside the text.
//
//     decode_sheet_text("caf\xE9", path)->read_as == TextEncoding::Windows1252
//     decode_sheet_text("\xDB\xDB\xB2 caf\x82", path)->read_as == TextEncoding::DosText
Outcome<ReadText> decode_sheet_text(QByteArrayView bytes, const QString& path);

}  // namespace relwiz
