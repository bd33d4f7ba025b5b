#include "records/platformfile.h"

#include <cerrno>
#include <climits>
#include <random>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <shellapi.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

// ---- Both systems ------------------------------------------------------------------------

fs::path PathFromUtf8(const std::string &path)
{
    return fs::u8path(path);
}

std::string Utf8FromPath(const fs::path &path)
{
    return path.u8string();
}

PlatformFile::~PlatformFile()
{
    close();
}

void PlatformFile::swap(PlatformFile &other) noexcept
{
    std::swap(fd_, other.fd_);
}

std::string MakeTemporaryFolder(const std::string &parent, const std::string &prefix)
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<size_t> pick(0, sizeof kLetters - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = prefix;
        for (int i = 0; i < 6; ++i)
            name += kLetters[pick(random)];
        const fs::path folder = PathFromUtf8(parent) / PathFromUtf8(name);
        std::error_code error;
        if (fs::create_directory(folder, error))
            return Utf8FromPath(folder);
        if (error && error != std::errc::file_exists)
            return std::string();
    }
    return std::string();
}

int ReadLinkAt(const std::string &path, std::string &target)
{
    std::error_code error;
    const fs::path link = fs::read_symlink(PathFromUtf8(path), error);
    if (error)
        return error.value() != 0 ? error.value() : EINVAL;
    target = Utf8FromPath(link);
    return 0;
}

std::vector<std::string> FolderEntryNames(const std::string &folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(PathFromUtf8(folder), error), end; !error && it != end;
         it.increment(error))
        names.push_back(Utf8FromPath(it->path().filename()));
    return names;
}

#ifdef _WIN32
// ---- Win32 -------------------------------------------------------------------------------

namespace {

// The errno value nearest to a Win32 error, for the program's messages.
int ErrnoOf(DWORD code)
{
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
        return ENOENT;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_WRITE_PROTECT:
        return EACCES;
    case ERROR_LOCK_VIOLATION:
    case ERROR_IO_PENDING:
        return EWOULDBLOCK;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
        return EINVAL;
    default:
        return EIO;
    }
}

int LastErrno()
{
    return ErrnoOf(::GetLastError());
}

HANDLE HandleOf(int fd)
{
    return reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
}

} // namespace

int PlatformFile::open(const std::string &path, Open how)
{
    close();
    int flags = _O_BINARY | _O_NOINHERIT | (how == Open::Read ? _O_RDONLY : _O_RDWR);
    if (how == Open::ReadWriteMake)
        flags |= _O_CREAT;
    if (how == Open::ReadWriteFresh)
        flags |= _O_CREAT | _O_EXCL;
    const fs::path wide = PathFromUtf8(path);
    const int error = ::_wsopen_s(&fd_, wide.c_str(), flags, _SH_DENYNO, _S_IREAD | _S_IWRITE);
    if (error != 0)
        fd_ = -1;
    return error;
}

int PlatformFile::info(Info &out) const
{
    struct _stati64 status = {};
    if (::_fstati64(fd_, &status) != 0)
        return errno;
    out.regular = (status.st_mode & _S_IFMT) == _S_IFREG;
    out.folder = (status.st_mode & _S_IFMT) == _S_IFDIR;
    out.size = static_cast<uint64_t>(status.st_size);
    return 0;
}

int PlatformFile::read(void *data, size_t size, size_t &got)
{
    const unsigned chunk = size > INT_MAX ? INT_MAX : static_cast<unsigned>(size);
    const int done = ::_read(fd_, data, chunk);
    got = done > 0 ? static_cast<size_t>(done) : 0;
    return done < 0 ? errno : 0;
}

int PlatformFile::writeAll(const void *data, size_t size)
{
    const char *bytes = static_cast<const char *>(data);
    while (size > 0) {
        const unsigned chunk = size > INT_MAX ? INT_MAX : static_cast<unsigned>(size);
        const int done = ::_write(fd_, bytes, chunk);
        if (done <= 0)
            return done < 0 ? errno : EIO;
        bytes += done;
        size -= static_cast<size_t>(done);
    }
    return 0;
}

int PlatformFile::seek(uint64_t offset)
{
    return ::_lseeki64(fd_, static_cast<__int64>(offset), SEEK_SET) < 0 ? errno : 0;
}

int PlatformFile::flush()
{
    return ::FlushFileBuffers(HandleOf(fd_)) ? 0 : LastErrno();
}

int PlatformFile::lockExclusive()
{
    OVERLAPPED whole = {};
    if (::LockFileEx(HandleOf(fd_), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0,
                     MAXDWORD, MAXDWORD, &whole))
        return 0;
    return LastErrno();
}

int PlatformFile::setMode(unsigned)
{
    return 0;
}

void PlatformFile::setOwner(unsigned, unsigned) {}

int PlatformFile::resize(uint64_t size)
{
    return ::_chsize_s(fd_, static_cast<__int64>(size));
}

bool PlatformFile::isAt(const std::string &path) const
{
    BY_HANDLE_FILE_INFORMATION held = {}, named = {};
    if (!::GetFileInformationByHandle(HandleOf(fd_), &held))
        return false;
    const HANDLE other = ::CreateFileW(PathFromUtf8(path).c_str(), 0,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (other == INVALID_HANDLE_VALUE)
        return false;
    const bool got = ::GetFileInformationByHandle(other, &named);
    ::CloseHandle(other);
    return got && held.dwVolumeSerialNumber == named.dwVolumeSerialNumber &&
           held.nFileIndexHigh == named.nFileIndexHigh && held.nFileIndexLow == named.nFileIndexLow;
}

int PlatformFile::close()
{
    if (fd_ < 0)
        return 0;
    const int result = ::_close(fd_); // also releases the lock
    fd_ = -1;
    return result != 0 ? errno : 0;
}

int ReplaceByRename(const std::string &from, const std::string &to)
{
    const fs::path source = PathFromUtf8(from);
    const fs::path target = PathFromUtf8(to);
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return EISDIR;
    // rename() refuses an existing target on Windows; ReplaceFileW swaps the new file in
    // and keeps the old one's attributes. With no target there is nothing to replace.
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        ::ReplaceFileW(target.c_str(), source.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                       nullptr, nullptr))
        return 0;
    if (::MoveFileExW(source.c_str(), target.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return 0;
    return LastErrno();
}

bool RenameKeepsOpenFiles()
{
    return false;
}

int RemoveFileAt(const std::string &path)
{
    return ::_wunlink(PathFromUtf8(path).c_str()) == 0 ? 0 : errno;
}

void FlushFolder(const std::string &)
{
    // The move was made with MOVEFILE_WRITE_THROUGH; a folder cannot be flushed here.
}

int StatusOfPath(const std::string &path, bool followLink, PathStatus &out)
{
    out = PathStatus{};
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!::GetFileAttributesExW(PathFromUtf8(path).c_str(), GetFileExInfoStandard, &data)) {
        const int error = LastErrno();
        return error == ENOENT ? 0 : error;
    }
    if (!followLink && (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        std::error_code error;
        if (fs::is_symlink(fs::symlink_status(PathFromUtf8(path), error))) {
            out.kind = PathStatus::Kind::Link;
            return 0;
        }
    }
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        out.kind = PathStatus::Kind::Folder;
    else if (data.dwFileAttributes & FILE_ATTRIBUTE_DEVICE)
        out.kind = PathStatus::Kind::Other;
    else
        out.kind = PathStatus::Kind::Regular;
    out.size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    out.mode = 0666;
    return 0;
}

bool MayReadPath(const std::string &path)
{
    return ::_waccess(PathFromUtf8(path).c_str(), 4) == 0;
}

int WriteAccessError(const std::string &path)
{
    return ::_waccess(PathFromUtf8(path).c_str(), 2) == 0 ? 0 : errno;
}

bool PermissionBitsOf(const std::string &, unsigned &)
{
    return false;
}

unsigned NewFilePermissionBits()
{
    return 0666;
}

std::vector<std::string> Utf8Arguments(int argc, char **argv)
{
    int count = 0;
    LPWSTR *wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!wide || count != argc) {
        if (wide)
            ::LocalFree(wide);
        return std::vector<std::string>(argv, argv + argc);
    }
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i)
        arguments.push_back(Utf8FromPath(fs::path(wide[i])));
    ::LocalFree(wide);
    return arguments;
}

void UseBinaryStandardStreams()
{
    ::_setmode(::_fileno(stdin), _O_BINARY);
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
}

std::string RunningProgramFolder()
{
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD got =
            ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (got == 0)
            return {};
        if (got < name.size()) {
            name.resize(got);
            return Utf8FromPath(fs::path(name).parent_path());
        }
        name.resize(name.size() * 2);
    }
}

void AdviseLargePages(void *, size_t)
{
    // Windows gives large pages only to a process with the lock-pages privilege.
}

#else
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

#endif
