// The Win32 half of the platform file: wide-character paths, share modes, handles.
#ifdef _WIN32

#include "platform/platformfile.h"

#include <cerrno>
#include <climits>
#include <random>
#include <system_error>
#include <utility>

#include <windows.h>

#include <wchar.h>

#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <shellapi.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

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

namespace {

// The volume and file index of what `path` names (after links); false when it is not there.
bool FileIdentity(const std::string &path, BY_HANDLE_FILE_INFORMATION &info)
{
    const HANDLE file = ::CreateFileW(PathFromUtf8(path).c_str(), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool got = ::GetFileInformationByHandle(file, &info);
    ::CloseHandle(file);
    return got;
}

} // namespace

bool SameFile(const std::string &a, const std::string &b)
{
    BY_HANDLE_FILE_INFORMATION first = {}, second = {};
    if (FileIdentity(a, first) && FileIdentity(b, second))
        return first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
               first.nFileIndexHigh == second.nFileIndexHigh &&
               first.nFileIndexLow == second.nFileIndexLow;
    // Names compare without regard to case, as the file system does.
    std::error_code error;
    const fs::path left = fs::weakly_canonical(PathFromUtf8(a), error);
    const fs::path right = error ? fs::path() : fs::weakly_canonical(PathFromUtf8(b), error);
    return !error && ::_wcsicmp(left.c_str(), right.c_str()) == 0;
}

std::string FileKey(const std::string &path)
{
    BY_HANDLE_FILE_INFORMATION info = {};
    if (FileIdentity(path, info))
        return "id " + std::to_string(info.dwVolumeSerialNumber) + ':' +
               std::to_string(info.nFileIndexHigh) + ':' + std::to_string(info.nFileIndexLow);
    // Names compare without regard to case, as the file system does.
    std::error_code error;
    std::wstring full = fs::weakly_canonical(PathFromUtf8(path), error).wstring();
    if (error)
        return "path " + path;
    for (wchar_t &c : full)
        c = static_cast<wchar_t>(::towlower(c));
    return "path " + Utf8FromPath(fs::path(full));
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

#endif // _WIN32
