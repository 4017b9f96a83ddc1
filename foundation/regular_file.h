// Files looked at, and opened for reading, only when they are regular files.
// A dropped FIFO or device must never block the program or be touched at
// all, so the type is checked before opening, and again on the open
// descriptor in case the path was swapped in between.
#pragma once

#include "byte_source.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

namespace relwiz {

// What the file system says of a path without opening it: its size when it is
// a regular file that may be read, else why not.
struct RegularFileStatus {
    std::uint64_t size = 0;
    FileProblem problem;
};

RegularFileStatus regular_file_status(const std::filesystem::path& path);

class RegularFile final : public ByteSource {
public:
    explicit RegularFile(const std::filesystem::path& path);
    RegularFile(RegularFile&& other) noexcept;
    RegularFile& operator=(RegularFile&& other) noexcept;
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;
    ~RegularFile() override;

    bool is_open() const { return descriptor_ >= 0; }

    // Why the file is not open, or why a read failed.
    const FileProblem& problem() const override { return problem_; }

    std::uint64_t size() const override { return size_; }

    std::size_t read_at(std::uint64_t offset, std::span<char> buffer) override;

private:
    void swap(RegularFile& other) noexcept;
    // Opens the file, or returns why not.
    FileProblem open_if_regular(const std::filesystem::path& path);

    int descriptor_ = -1;
    std::uint64_t size_ = 0;
    FileProblem problem_;
};

}  // namespace relwiz
