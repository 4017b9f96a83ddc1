#include "part_crcs.h"

#include "crc32.h"
#include "refusals.h"
#include "regular_file.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace relwiz::release_files {

namespace {

constexpr std::size_t block_size = 64 * 1024;
constexpr unsigned most_threads = 2;
constexpr std::chrono::milliseconds progress_interval(50);

// What the reading threads share with the one that waits for them.
struct Reading {
    Reading(std::span<const std::filesystem::path> parts, std::stop_token cancel)
        : parts(parts), cancel(std::move(cancel)), crcs(parts.size())
    {
    }

    std::span<const std::filesystem::path> parts;
    std::stop_token cancel;
    std::vector<std::uint32_t> crcs;
    std::atomic<std::size_t> next_part{0};  // counts past the end as threads find nothing left
    std::atomic<std::uint64_t> bytes_done{0};
    std::atomic<bool> failed{false};

    std::mutex mutex;
    std::condition_variable finished;
    unsigned threads_left = 0;       // under mutex
    std::optional<Refusal> refusal;  // under mutex: the first part that could not be read

    bool stopping() const { return failed.load(std::memory_order_relaxed) || cancel.stop_requested(); }

    void fail(const std::filesystem::path& part, const FileProblem& problem)
    {
        const std::lock_guard lock(mutex);
        if (!refusal)
            refusal = cannot_read(part.filename().string(), problem.reason());
        failed = true;
    }

    PartsProgress progress(std::uint64_t bytes_total) const
    {
        const std::size_t begun = std::min(next_part.load(), parts.size());
        return {begun == 0 ? 0 : begun - 1, bytes_done.load(), bytes_total};
    }
};

// The part's CRC-32, or nothing when the reading stopped or the part failed.
std::optional<std::uint32_t> crc_of_part(Reading& reading, const std::filesystem::path& part, std::span<char> block)
{
    RegularFile file(part);
    if (!file.is_open())
        return reading.fail(part, file.problem()), std::nullopt;
    std::uint32_t crc = 0;
    for (std::uint64_t offset = 0; !reading.stopping();) {
        const std::size_t got = file.read_at(offset, block);
        if (file.problem())
            return reading.fail(part, file.problem()), std::nullopt;
        crc = crc32_update(crc, block.first(got));
        offset += got;
        reading.bytes_done.fetch_add(got, std::memory_order_relaxed);
        if (got < block.size())  // read_at fills the block unless the file ends
            return crc;
    }
    return std::nullopt;
}

void read_parts(Reading& reading)
{
    std::vector<char> block(block_size);
    for (std::size_t i = 0; !reading.stopping() && (i = reading.next_part++) < reading.parts.size();)
        if (const std::optional<std::uint32_t> crc = crc_of_part(reading, reading.parts[i], block))
            reading.crcs[i] = *crc;
    const std::lock_guard lock(reading.mutex);
    if (--reading.threads_left == 0)
        reading.finished.notify_all();
}

// Sized from the file system before anything is read, for the progress
// bar's total; a part that cannot be read is refused when it is opened.
std::uint64_t total_size(std::span<const std::filesystem::path> parts)
{
    std::uint64_t total = 0;
    for (const std::filesystem::path& part : parts)
        total += regular_file_status(part).size;
    return total;
}

}  // namespace

Outcome<PartCrcs> part_crcs(std::span<const std::filesystem::path> parts, const PartsProgressCallback& progress,
                            std::stop_token cancel)
{
    const std::uint64_t total = total_size(parts);
    Reading reading(parts, cancel);
    const auto report = [&] { if (progress) progress(reading.progress(total)); };
    report();
    const unsigned threads = std::min<std::size_t>({std::max(1u, std::thread::hardware_concurrency()), most_threads,
                                                    parts.size()});
    reading.threads_left = threads;
    {
        std::vector<std::jthread> readers;
        for (unsigned n = 0; n < threads; ++n)
            readers.emplace_back(read_parts, std::ref(reading));
        std::unique_lock lock(reading.mutex);
        while (!reading.finished.wait_for(lock, progress_interval, [&] { return reading.threads_left == 0; })) {
            lock.unlock();
            report();
            lock.lock();
        }
    }
    if (reading.refusal)
        return *reading.refusal;
    if (cancel.stop_requested())
        return cancelled;
    report();
    return std::move(reading.crcs);
}

}  // namespace relwiz::release_files
