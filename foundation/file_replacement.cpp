#include "file_replacement.h"

#include "file_problem.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

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

FileReplacement::FileReplacement(const fs::path& target)
    : file_(without_links(target))
{
    const TemporaryFile temporary = create_beside(file_);
    descriptor_ = temporary.descriptor;
    temporary_ = temporary.path;
    error_ = temporary.error;
    // A replaced file keeps who may read and write it.
    struct stat old {};
    if (descriptor_ >= 0 && ::stat(file_.c_str(), &old) == 0 && ::fchmod(descriptor_, old.st_mode & 07777) != 0)
        error_ = errno;
}

FileReplacement::~FileReplacement()
{
    discard();
}

bool FileReplacement::write(std::string_view bytes)
{
    if (error_ == 0 && !write_all(descriptor_, bytes))
        error_ = errno;
    return error_ == 0;
}

Outcome<> FileReplacement::commit()
{
    if (descriptor_ < 0)
        return Refusal{system_problem(error_ != 0 ? error_ : EBADF).reason()};
    if (error_ == 0 && ::fsync(descriptor_) != 0)
        error_ = errno;
    if (::close(std::exchange(descriptor_, -1)) != 0 && error_ == 0)
        error_ = errno;
    if (error_ == 0 && ::rename(temporary_.c_str(), file_.c_str()) != 0)
        error_ = errno;
    if (error_ != 0) {
        ::unlink(temporary_.c_str());
        return Refusal{system_problem(error_).reason()};
    }
    flush_folder(file_.parent_path());
    return Outcome<>::done();
}

void FileReplacement::discard()
{
    if (descriptor_ < 0)
        return;
    ::close(std::exchange(descriptor_, -1));
    ::unlink(temporary_.c_str());
}

Outcome<> replace_file(const fs::path& target, std::string_view bytes)
{
    FileReplacement file(target);
    file.write(bytes);
    return file.commit();
}

void ignore_file_size_signal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace relwiz
