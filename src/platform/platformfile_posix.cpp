// The POSIX half of the platform file: descriptors, flock, rename in place.
#ifndef _WIN32

#include "platform/platformfile.h"

#include <cerrno>
#include <climits>
#include <random>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

// ---- POSIX -------------------------------------------------------------------------------

int PlatformFile::open(const std::string &path, Open how)
{
    close();
    // A read never waits for a writer: a FIFO opens at once (and is then refused by the
    // caller, which finds it is not a regular file); on a regular file the flag does nothing.
    int flags = O_CLOEXEC | (how == Open::Read ? O_RDONLY | O_NONBLOCK : O_RDWR);
    if (how == Open::ReadWriteMake)
        flags |= O_CREAT;
    if (how == Open::ReadWriteFresh)
        flags |= O_CREAT | O_EXCL;
    // A fresh file starts private (as mkstemp makes one); the caller sets its mode.
    const mode_t mode = how == Open::ReadWriteFresh ? 0600 : 0644;
    fd_ = ::open(path.c_str(), flags, mode);
    return fd_ < 0 ? errno : 0;
}

int PlatformFile::info(Info &out) const
{
    struct stat status = {};
    if (::fstat(fd_, &status) != 0)
        return errno;
    out.regular = S_ISREG(status.st_mode);
    out.folder = S_ISDIR(status.st_mode);
    out.size = static_cast<uint64_t>(status.st_size);
    return 0;
}

int PlatformFile::read(void *data, size_t size, size_t &got)
{
    for (;;) {
        const ssize_t done = ::read(fd_, data, size);
        if (done < 0 && errno == EINTR)
            continue;
        got = done > 0 ? static_cast<size_t>(done) : 0;
        return done < 0 ? errno : 0;
    }
}

int PlatformFile::writeAll(const void *data, size_t size)
{
    const char *bytes = static_cast<const char *>(data);
    while (size > 0) {
        const ssize_t done = ::write(fd_, bytes, size);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return done < 0 ? errno : EIO;
        bytes += done;
        size -= static_cast<size_t>(done);
    }
    return 0;
}

int PlatformFile::seek(uint64_t offset)
{
    return ::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) < 0 ? errno : 0;
}

int PlatformFile::flush()
{
    return ::fsync(fd_) == 0 ? 0 : errno;
}

int PlatformFile::lockExclusive()
{
    // An advisory lock: every instance of this program takes it, programs that do not
    // lock are not kept out.
    return ::flock(fd_, LOCK_EX | LOCK_NB) == 0 ? 0 : errno;
}

int PlatformFile::setMode(unsigned mode)
{
    // A file on a system without modes (some network shares) says EPERM: not a failure.
    if (::fchmod(fd_, static_cast<mode_t>(mode)) != 0 && errno != EPERM)
        return errno;
    return 0;
}

void PlatformFile::setOwner(unsigned owner, unsigned group)
{
    struct stat status = {};
    if (::fstat(fd_, &status) != 0 || (status.st_uid == owner && status.st_gid == group))
        return;
    if (::fchown(fd_, static_cast<uid_t>(owner), static_cast<gid_t>(group)) != 0)
        (void)!::fchown(fd_, static_cast<uid_t>(-1), static_cast<gid_t>(group));
}

int PlatformFile::resize(uint64_t size)
{
    for (;;) {
        if (::ftruncate(fd_, static_cast<off_t>(size)) == 0)
            return 0;
        if (errno != EINTR)
            return errno;
    }
}

bool PlatformFile::isAt(const std::string &path) const
{
    struct stat held = {}, named = {};
    return ::fstat(fd_, &held) == 0 && ::stat(path.c_str(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

int PlatformFile::close()
{
    if (fd_ < 0)
        return 0;
    const int result = ::close(fd_); // also releases the lock
    fd_ = -1;
    return result != 0 ? errno : 0;
}

int ReplaceByRename(const std::string &from, const std::string &to)
{
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

bool RenameKeepsOpenFiles()
{
    return true;
}

int RemoveFileAt(const std::string &path)
{
    return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

void FlushFolder(const std::string &folder)
{
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

int StatusOfPath(const std::string &path, bool followLink, PathStatus &out)
{
    out = PathStatus{};
    struct stat status = {};
    if ((followLink ? ::stat(path.c_str(), &status) : ::lstat(path.c_str(), &status)) != 0)
        return errno == ENOENT ? 0 : errno;
    if (S_ISREG(status.st_mode))
        out.kind = PathStatus::Kind::Regular;
    else if (S_ISDIR(status.st_mode))
        out.kind = PathStatus::Kind::Folder;
    else if (S_ISLNK(status.st_mode))
        out.kind = PathStatus::Kind::Link;
    else
        out.kind = PathStatus::Kind::Other;
    out.size = static_cast<uint64_t>(status.st_size);
    out.mode = status.st_mode & 07777;
    out.owner = status.st_uid;
    out.group = status.st_gid;
    return 0;
}

bool SameFile(const std::string &a, const std::string &b)
{
    struct stat first = {}, second = {};
    if (::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0)
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    std::error_code error;
    const fs::path left = fs::weakly_canonical(PathFromUtf8(a), error);
    const fs::path right = error ? fs::path() : fs::weakly_canonical(PathFromUtf8(b), error);
    return !error && left == right;
}

std::string FileKey(const std::string &path)
{
    struct stat status = {};
    if (::stat(path.c_str(), &status) == 0)
        return "id " + std::to_string(status.st_dev) + ':' + std::to_string(status.st_ino);
    std::error_code error;
    const fs::path full = fs::weakly_canonical(PathFromUtf8(path), error);
    return "path " + (error ? path : Utf8FromPath(full));
}

bool MayReadPath(const std::string &path)
{
    return ::access(path.c_str(), R_OK) == 0;
}

int WriteAccessError(const std::string &path)
{
    return ::access(path.c_str(), W_OK) == 0 ? 0 : errno;
}

bool PermissionBitsOf(const std::string &path, unsigned &mode)
{
    struct stat status = {};
    if (::stat(path.c_str(), &status) != 0)
        return false;
    mode = status.st_mode & 07777;
    return true;
}

unsigned NewFilePermissionBits()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::vector<std::string> Utf8Arguments(int argc, char **argv)
{
    return std::vector<std::string>(argv, argv + argc);
}

void UseBinaryStandardStreams()
{
    // POSIX streams write bytes as they are.
}

std::string RunningProgramFolder()
{
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : self.parent_path().string();
}

void AdviseLargePages(void *block, size_t bytes)
{
#ifdef MADV_HUGEPAGE
    const auto page = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<uintptr_t>(block);
    const uintptr_t begin = (start + page - 1) / page * page;
    const uintptr_t end = (start + bytes) / page * page;
    if (end > begin)
        ::madvise(reinterpret_cast<void *>(begin), end - begin, MADV_HUGEPAGE);
#else
    (void)block;
    (void)bytes;
#endif
}

#endif // !_WIN32
