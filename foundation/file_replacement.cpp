#include "file_replacement.h"

#include "file_problem.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace relwiz {
namespace {

namespace fs = std::filesystem;

struct TemporaryFile {
    int descriptor = -1;
    fs::path path;
    int error = 0;  // errno, when the file could not be made
};

// A new file beside target, named after it so that a person who finds one
// left by a crash knows where it came from: ".game.sfv.relwiz-1f3a9c".
TemporaryFile create_beside(const fs::path& target)
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

// A write cut short (a full disc, a file-size limit) reports no error; the
// next one then fails with the system's reason.
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

// The bytes written and flushed to the disc, with an older target's
// permissions; 0, or the errno of the step that failed.
int fill(int descriptor, const fs::path& target, std::string_view bytes)
{
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && ::fchmod(descriptor, old.st_mode & 07777) != 0)
        return errno;
    return write_all(descriptor, bytes) && ::fsync(descriptor) == 0 ? 0 : errno;
}

void flush_folder(const fs::path& folder)
{
    const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

// The file a chain of symbolic links ends at; the path itself when it is no link.
fs::path without_links(fs::path path)
{
    std::error_code error;
    for (int hops = 0; hops < 40 && fs::is_symlink(path, error); ++hops) {
        const fs::path link = fs::read_symlink(path, error);
        if (error)
            break;
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return path;
}

}  // namespace

Outcome<> replace_file(const fs::path& target, std::string_view bytes)
{
    const fs::path file = without_links(target);
    const TemporaryFile temporary = create_beside(file);
    if (temporary.descriptor < 0)
        return Refusal{system_problem(temporary.error).reason()};
    int error = fill(temporary.descriptor, file, bytes);
    if (::close(temporary.descriptor) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.path.c_str(), file.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.path.c_str());
        return Refusal{system_problem(error).reason()};
    }
    flush_folder(file.parent_path());
    return Outcome<>::done();
}

void ignore_file_size_signal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace relwiz
