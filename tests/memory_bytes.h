// Bytes in memory read as a file is, for the image readers' tests and
// fuzzers: a read past the end comes short, as a file's does, and every
// byte handed out is counted.
#pragma once

#include "byte_source.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace relwiz::testing {

class MemoryBytes final : public ByteSource {
public:
    explicit MemoryBytes(std::string_view bytes) : bytes_(bytes) {}

    std::uint64_t size() const override { return bytes_.size(); }

    std::size_t read_at(std::uint64_t offset, std::span<char> buffer) override
    {
        if (offset >= bytes_.size())
            return 0;
        const auto length = static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), bytes_.size() - offset));
        std::copy_n(bytes_.data() + offset, length, buffer.data());
        bytes_read_ += length;
        return length;
    }

    const FileProblem& problem() const override { return no_problem_; }

    std::uint64_t bytes_read() const { return bytes_read_; }

private:
    std::string_view bytes_;
    FileProblem no_problem_;
    std::uint64_t bytes_read_ = 0;
};

}  // namespace relwiz::testing
