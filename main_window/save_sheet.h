// Writing the preview box's text to "<title>.nfo".
#pragma once

#include <QString>

namespace relwiz {

struct SaveResult {
    bool saved = false;
    QString file_name;  // the name as written: title + ".nfo"
    QString error;      // the system's reason when not saved
};

// Replaces "<title>.nfo", relative to the current directory, with the sheet
// in Windows-1252, as the text holds it (line breaks CR LF). The file is
// replaced whole or not at all: the bytes go to a temporary file beside it,
// renamed over it once complete, so a failed save leaves an earlier file
// exactly as it was.
SaveResult save_sheet(const QString& title, const QString& sheet);

// The same with the sheet already encoded, in whatever encoding was chosen.
SaveResult save_sheet(const QString& title, const QByteArray& encoded_sheet);

// Lets a write beyond the file-size limit fail with an error instead of a
// signal that ends the program (and takes the unsaved form with it).
void ignore_file_size_signal();

}  // namespace relwiz
