// A file written whole or not at all. The bytes go to a new file beside the
// target, are flushed to the disc, and only then is it renamed over the
// target, and the folder flushed so that the rename itself survives a power
// cut: an earlier file stays exactly as it was until the new one is
// complete, and a write that fails (a missing folder, a full disc, a
// file-size limit) leaves no file of its own behind.
#pragma once

#include "outcome.h"

#include <filesystem>
#include <string_view>

namespace relwiz {

// Replaces target, or creates it, with bytes. A replaced file keeps its
// permissions; a target that is a symbolic link stays one, and the file it
// names is replaced. Refused with the system's reason as the message
// ("Permission denied"), which the caller words with the file it meant.
//
//     if (const Outcome<> written = replace_file("game.sfv", text); !written)
//         return cannot_write("game.sfv", written.refusal().message);
Outcome<> replace_file(const std::filesystem::path& target, std::string_view bytes);

// The same, for a file made piece by piece, too large to be held whole
// first (a picture drawn row by row): the pieces go to the new file as they
// come, and the target is replaced only by commit(). A replacement dropped
// before its commit, or whose write failed, takes its new file away.
//
//     FileReplacement picture("sheet.png");
//     for (const std::string& piece : pieces)
//         if (!picture.write(piece))
//             break;                        // commit() then says why
//     if (const Outcome<> written = picture.commit(); !written)
//         return cannot_write("sheet.png", written.refusal().message);
class FileReplacement {
public:
    explicit FileReplacement(const std::filesystem::path& target);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Appends `bytes` to the new file; false once anything has failed.
    bool write(std::string_view bytes);
    bool failed() const { return error_ != 0; }

    // The new file flushed to the disc and renamed over the target, or the
    // system's reason why not, as replace_file() words it. Once only.
    Outcome<> commit();

private:
    void discard();

    std::filesystem::path file_;       // the target, its symbolic links followed
    std::filesystem::path temporary_;  // beside it
    int descriptor_ = -1;
    int error_ = 0;  // errno of the first step that failed
};

// Lets a write beyond the file-size limit fail with an error instead of a
// signal that ends the program (and takes the unsaved form with it). Called
// once, as the program starts.
void ignore_file_size_signal();

}  // namespace relwiz
