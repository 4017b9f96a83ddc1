#include "regular_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace relwiz {

namespace {

FileProblem type_problem(mode_t mode)
{
    return {S_ISDIR(mode) ? FileProblem::Kind::folder : FileProblem::Kind::not_regular_file};
}

}  // namespace

RegularFile::RegularFile(const std::filesystem::path& path)
{
    problem_ = open_if_regular(path);
    if (problem_ && descriptor_ >= 0)
        ::close(std::exchange(descriptor_, -1));
}

RegularFile::RegularFile(RegularFile&& other) noexcept
{
    swap(other);
}

// The moved-from file takes this one's descriptor along and closes it when it goes.
RegularFile& RegularFile::operator=(RegularFile&& other) noexcept
{
    swap(other);
    return *this;
}

RegularFile::~RegularFile()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

std::size_t RegularFile::read_at(std::uint64_t offset, std::span<char> buffer)
{
    std::size_t done = 0;
    while (is_open() && done < buffer.size()) {
        const ssize_t got = ::pread(descriptor_, buffer.data() + done, buffer.size() - done,
                                    static_cast<off_t>(offset + done));
        if (got == 0)
            break;
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            problem_ = system_problem(errno);
            return 0;
        }
        done += static_cast<std::size_t>(got);
    }
    return done;
}

void RegularFile::swap(RegularFile& other) noexcept
{
    std::swap(descriptor_, other.descriptor_);
    std::swap(size_, other.size_);
    std::swap(problem_, other.problem_);
}

FileProblem RegularFile::open_if_regular(const std::filesystem::path& path)
{
    if (FileProblem problem = regular_file_status(path).problem)
        return problem;
    // O_NONBLOCK: should the path have become a FIFO since it was looked at, open must not wait for a writer.
    descriptor_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor_ < 0)
        return system_problem(errno);
    struct stat status {};
    if (::fstat(descriptor_, &status) != 0)
        return system_problem(errno);
    if (!S_ISREG(status.st_mode))
        return type_problem(status.st_mode);
    size_ = static_cast<std::uint64_t>(status.st_size);
    return {};
}

RegularFileStatus regular_file_status(const std::filesystem::path& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return {0, system_problem(errno)};
    if (!S_ISREG(status.st_mode))
        return {0, type_problem(status.st_mode)};
    if (::access(path.c_str(), R_OK) != 0)
        return {0, system_problem(errno)};
    return {static_cast<std::uint64_t>(status.st_size), {}};
}

}  // namespace relwiz
