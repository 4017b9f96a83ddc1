// Writing the preview box's text to "<title>.nfo".
#pragma once

#include "refusal.h"

#include <QByteArray>
#include <QString>

namespace relwiz {

// Replaces "<title>.nfo", relative to the current directory, with the sheet
// already encoded, as its line breaks are (CR LF). The file is replaced
// whole or not at all: the bytes go to a temporary file beside it, renamed
// over it once complete, so a failed save leaves an earlier file exactly as
// it was. A refusal names the file by its absolute path and carries the
// system's reason as its detail.
//
//     if (const OrRefusal<> saved = save_sheet("Game", windows_1252().encode(text).bytes); !saved)
//         show(saved.refusal());
OrRefusal<> save_sheet(const QString& title, const QByteArray& encoded_sheet);

// Lets a write beyond the file-size limit fail with an error instead of a
// signal that ends the program (and takes the unsaved form with it).
void ignore_file_size_signal();

}  // namespace relwiz
