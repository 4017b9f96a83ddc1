// A release group's .nfo read from its file, as the paste box takes it.
#pragma once

#include "text_file.h"

namespace relwiz {

inline constexpr int largest_nfo_file_mib = 32;

// The file's text; regular files of up to 32 MiB only: a FIFO or a device
// is never opened. A refusal names the file by `path`, in quotes:
// "\"/home/me/group.nfo\" is a folder."
//
//     if (const Outcome<ReadText> read = read_nfo_file(path))
//         box->insertPlainText(read->text);
Outcome<ReadText> read_nfo_file(const QString& path);

// The text of a file's bytes, by the first rule that applies: a UTF-16
// byte-order mark before UTF-16 text (at least one character below U+0100:
// a NUL in every second byte of Latin text); a UTF-8 mark before valid
// UTF-8; valid UTF-8 with at least one byte beyond ASCII; DOS text for
// ".nfo" and ".diz", the DOS art files (dos_text.h); Windows-1252 for
// anything else. In every case a SAUCE record, whole or cut short, and NUL
// padding (U+0000 in UTF-16) at the end are not text. A few NULs inside the
// text of a file not read as UTF-16 or after a UTF-8 mark are blanks, as
// .nfo viewers show them; a file that they make binary (is_binary()) is
// refused.
//
//     decode_nfo_text("\xDB\xDB\r\n", "group.nfo")->text == u"\u2588\u2588\n"
Outcome<ReadText> decode_nfo_text(QByteArrayView bytes, const QString& path);

}  // namespace relwiz
