// Files looked at, and opened for reading, only when they are regular files.
// A dropped FIFO or device must never block the program or be touched at
// all, so the type is checked before opening, and again on the open
// descriptor in case the path was swapped in between.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace relwiz::release_files {

// Why a file cannot be opened or read: the system's error, or what the path
// is instead of a regular file. Callers word it for their own messages.
struct FileProblem {
    enum class Kind { none, system_error, folder, not_regular_file };

    Kind kind = Kind::none;
    int system_error = 0;  // errno, for Kind::system_error

    explicit operator bool() const { return kind != Kind::none; }

    // The system's words ("Permission denied"), or what the path is
    // ("is a folder", "is not a regular file").
    std::string reason() const;
};

// What the file system says of a path without opening it: its size when it is
// a regular file that may be read, else why not.
struct RegularFileStatus {
    std::uint64_t size = 0;
    FileProblem problem;
};

RegularFileStatus regular_file_status(const std::filesystem::path& path);

class RegularFile {
public:
    explicit RegularFile(const std::filesystem::path& path);
    RegularFile(RegularFile&& other) noexcept;
    RegularFile& operator=(RegularFile&& other) noexcept;
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;
    ~RegularFile();

    bool is_open() const { return descriptor_ >= 0; }

    // Why the file is not open, or why a read failed.
    const FileProblem& problem() const { return problem_; }

    std::uint64_t size() const { return size_; }

    // Reads up to buffer.size() bytes at offset and returns how many: fewer
    // at the end of the file, 0 on an error, which problem() then explains.
    std::size_t read_at(std::uint64_t offset, std::span<char> buffer);

    // Every byte read so far, so callers can show how little they read.
    std::uint64_t bytes_read() const { return bytes_read_; }

private:
    void swap(RegularFile& other) noexcept;
    // Opens the file, or returns why not.
    FileProblem open_if_regular(const std::filesystem::path& path);

    int descriptor_ = -1;
    std::uint64_t size_ = 0;
    std::uint64_t bytes_read_ = 0;
    FileProblem problem_;
};

}  // namespace relwiz::release_files
