#include "records/safefile.h"

#include "records/cp1252.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Messages are Windows-1252 like every other text of the program; paths are UTF-8.
std::string describe(const char *what, const std::string &path, int error)
{
    return std::string(what) + " \"" + Utf8ToCp1252(path) + "\": " + std::strerror(error) + ".";
}

std::string folderOf(const std::string &path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

bool writeFully(int fd, const std::string &bytes)
{
    const char *data = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= static_cast<size_t>(written);
    }
    return true;
}

// New files get the usual rw-rw-rw- less the user's umask, as any editor would make
// them; mkstemp alone would leave them readable by the owner only.
mode_t defaultMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

SafeFile::BeforeRenameHook beforeRenameHook = nullptr;

} // namespace

void SafeFile::setBeforeRenameHook(BeforeRenameHook hook)
{
    beforeRenameHook = hook;
}

std::string SafeFile::openFailureText(const std::string &path, int error)
{
    return describe("Cannot open the file", path, error);
}

std::string SafeFile::saveFailureText(const std::string &path, int error)
{
    return describe("Cannot save the file", path, error);
}

Result SafeFile::readAll(const std::string &path, std::string &bytes)
{
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return Result::cannotOpen(openFailureText(path, errno));
    struct stat info = {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        return Result::cannotOpen(openFailureText(path, EISDIR));
    }
    if (info.st_size > 0)
        bytes.reserve(static_cast<size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            bytes.clear();
            return Result::cannotOpen(openFailureText(path, error));
        }
        bytes.append(buffer, static_cast<size_t>(got));
    }
    ::close(fd);
    return Result::success();
}

Result SafeFile::writeAll(const std::string &path, const std::string &bytes)
{
    const std::string folder = folderOf(path);
    const size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string temp = folder + "/." + name + ".XXXXXX";

    // A file the user may not write stays as it is, as it would when written in place;
    // renaming over it would replace it all the same.
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0)
        return Result::failure(saveFailureText(path, errno));

    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return Result::failure(saveFailureText(path, errno));

    struct stat existing = {};
    const mode_t mode =
        ::stat(path.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : defaultMode();
    int error = 0;
    if (::fchmod(fd, mode) != 0 && errno != EPERM)
        error = errno;
    if (!error && !writeFully(fd, bytes))
        error = errno;
    if (!error && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (!error && beforeRenameHook)
        beforeRenameHook(temp, path);
    if (!error && ::rename(temp.c_str(), path.c_str()) != 0)
        error = errno;
    if (error) {
        ::unlink(temp.c_str());
        return Result::failure(saveFailureText(path, error));
    }

    // Make the rename itself durable; a failure here does not undo the save.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return Result::success();
}
