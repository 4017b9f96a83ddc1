#include "sfv_write.h"

#include "refusals.h"
#include "regular_file.h"
#include "sfv_file.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace relwiz::release_files {

namespace {

std::string system_reason(int error)
{
    return FileProblem{FileProblem::Kind::system_error, error}.reason();
}

struct TemporaryFile {
    int descriptor = -1;
    std::filesystem::path path;
    int error = 0;  // errno, when the file could not be made
};

// A new file beside target, named after it so a person who finds one left by
// a crash knows where it came from: ".game.sfv.relwiz-1f3a9c".
TemporaryFile create_beside(const std::filesystem::path& target)
{
    std::random_device random;
    TemporaryFile temporary;
    for (int attempt = 0; temporary.descriptor < 0 && attempt < 100; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".relwiz-%06x", random() & 0xFFFFFF);
        temporary.path = target.parent_path() / std::string(".").append(target.filename().string()).append(suffix);
        temporary.descriptor = ::open(temporary.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        temporary.error = temporary.descriptor < 0 ? errno : 0;
        if (temporary.error != EEXIST)
            break;
    }
    return temporary;
}

bool write_all(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The folder's own entry flushed too, so that the rename survives a power cut.
void flush_folder(const std::filesystem::path& folder)
{
    const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

// The bytes written and flushed to the disc, with an older target's
// permissions; 0, or the errno of the step that failed.
int fill(int descriptor, const std::filesystem::path& target, std::string_view bytes)
{
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && ::fchmod(descriptor, old.st_mode & 07777) != 0)
        return errno;
    return write_all(descriptor, bytes) && ::fsync(descriptor) == 0 ? 0 : errno;
}

// target replaced by bytes at once, or left as it was.
OrRefusal<> replace_file(const std::filesystem::path& target, std::string_view bytes)
{
    const TemporaryFile temporary = create_beside(target);
    if (temporary.descriptor < 0)
        return cannot_write(target.filename().string(), system_reason(temporary.error));
    int error = fill(temporary.descriptor, target, bytes);
    if (::close(temporary.descriptor) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.path.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.path.c_str());
        return cannot_write(target.filename().string(), system_reason(error));
    }
    flush_folder(target.parent_path());
    return OrRefusal<>::done();
}

}  // namespace

OrRefusal<SfvWritten> write_sfv(const std::filesystem::path& sfv, std::span<const std::filesystem::path> parts,
                                const PartsProgressCallback& progress, std::stop_token cancel,
                                std::chrono::system_clock::time_point when)
{
    const OrRefusal<PartCrcs> read = part_crcs(parts, progress, cancel);
    if (!read)
        return read.refusal();
    if (read->cancelled || cancel.stop_requested())
        return SfvWritten{true, 0};
    std::vector<SfvEntry> entries;
    for (std::size_t i = 0; i < parts.size(); ++i)
        entries.push_back({parts[i].filename().string(), read->crcs[i]});
    if (const OrRefusal<> replaced = replace_file(sfv, sfv_text(entries, when)); !replaced)
        return replaced.refusal();
    return SfvWritten{false, parts.size()};
}

}  // namespace relwiz::release_files
