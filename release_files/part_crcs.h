// The CRC-32 of each of a set's parts, as the check and the writing of an
// .sfv need them, read off the caller's thread with progress and a cancel.
//
// The parts are read front to back in 64 KiB blocks, each block's CRC taken
// while it is still in the processor's cache: reading and checking 256 MiB
// from the page cache took about the same CPU in blocks of 16 to 256 KiB,
// 10% more in 1 and 4 MiB blocks and 30% more in 4 KiB blocks
// (bench/crc32_bench.cpp). Two threads work, one part each; memory stays
// one block per thread however large the parts, and a part is never mapped
// or loaded whole.
#pragma once

#include "outcome.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <stop_token>
#include <vector>

namespace relwiz::release_files {

// How far the reading is, for a progress bar.
struct PartsProgress {
    std::size_t part = 0;  // index in the caller's parts of the part most recently begun
    std::uint64_t bytes_done = 0;   // may pass bytes_total should a part grow while it is read
    std::uint64_t bytes_total = 0;  // the parts' sizes when the work began
};

// Called on the thread that called the work (for the window, its own worker
// thread, which hands the figures on to the GUI thread), never on a reading
// thread and never twice at once: once before any part is read, about every
// 50 ms while they are read, and once with every byte done when all were.
using PartsProgressCallback = std::function<void(const PartsProgress&)>;

// One CRC-32 per part, in the parts' order.
using PartCrcs = std::vector<std::uint32_t>;

// Reads every part and returns their CRC-32s, or cancelled. Blocks the
// calling thread until done: the window calls it from a thread of its own.
// A stop requested on cancel is seen between two blocks, within
// microseconds, and every thread is gone when the call returns. Refused,
// naming the part and the system's reason, when a part is not a regular
// file or cannot be read.
//
//     std::stop_source cancel;   // the Cancel button calls cancel.request_stop()
//     const auto read = part_crcs(parts, [](const PartsProgress& p) { show(p); }, cancel.get_token());
//     if (read)                show(*read);
//     else if (read.refused()) show(read.refusal());   // "Cannot read game.r03: Input/output error."
Outcome<PartCrcs> part_crcs(std::span<const std::filesystem::path> parts, const PartsProgressCallback& progress,
                            std::stop_token cancel);

}  // namespace relwiz::release_files
