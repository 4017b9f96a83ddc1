// Bytes a reader takes at offsets of its choosing, a few at a time: a
// regular file on the disc, or, for a test or a fuzzer, bytes in memory.
// The readers of disc images read a file's descriptors and tables this way
// and never load it whole.
#pragma once

#include "file_problem.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace relwiz {

class ByteSource {
public:
    virtual ~ByteSource() = default;

    virtual std::uint64_t size() const = 0;

    // Reads up to buffer.size() bytes at offset and returns how many: fewer
    // at the end, 0 on an error, which problem() then explains.
    virtual std::size_t read_at(std::uint64_t offset, std::span<char> buffer) = 0;

    // Why the bytes cannot be read; none when they can.
    virtual const FileProblem& problem() const = 0;

protected:
    ByteSource() = default;
    ByteSource(const ByteSource&) = default;
    ByteSource& operator=(const ByteSource&) = default;
};

}  // namespace relwiz
