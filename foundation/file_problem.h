// Why a file cannot be opened, read or written: the system's error, or what
// the path is instead of a regular file. Callers word it for their own
// messages.
#pragma once

#include <string>

namespace relwiz {

struct FileProblem {
    enum class Kind { none, system_error, folder, not_regular_file };

    Kind kind = Kind::none;
    int system_error = 0;  // errno, for Kind::system_error

    explicit operator bool() const { return kind != Kind::none; }

    // The system's words ("Permission denied"), or what the path is
    // ("is a folder", "is not a regular file").
    std::string reason() const;
};

inline FileProblem system_problem(int error)
{
    return {FileProblem::Kind::system_error, error};
}

}  // namespace relwiz
