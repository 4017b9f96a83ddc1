// Writing the preview box's text to "<title>.nfo".
#pragma once

#include "outcome.h"

#include <QByteArray>
#include <QString>

namespace relwiz {

// Replaces "<title>.nfo", relative to the current directory, with the sheet
// already encoded, as its line breaks are (CR LF). The file is replaced
// whole or not at all (replace_file), so a failed save leaves an earlier
// file exactly as it was. A refusal names the file by its absolute path and
// carries the system's reason as its detail.
//
//     if (const Outcome<> saved = save_sheet("Game", windows_1252().encode(text).bytes); !saved)
//         show(saved.refusal());
Outcome<> save_sheet(const QString& title, const QByteArray& encoded_sheet);

}  // namespace relwiz
