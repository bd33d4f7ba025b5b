#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Everything the program asks of the operating system about files, in one place: this
// header is the same everywhere, platformfile.cpp has a POSIX half and a Win32 half, and
// no other source includes a system header.
//
// Paths are UTF-8 (on POSIX: the file system's own bytes, passed through unchanged; on
// Windows converted to UTF-16 for the wide API, so "Québec.irc" is that name on disk).
// Errors are errno values (Win32 error codes are mapped to the nearest one), so messages
// read the same on both: "File exists", "Permission denied", ...

// The std::filesystem path of a UTF-8 path, and back.
std::filesystem::path PathFromUtf8(const std::string &path);
std::string Utf8FromPath(const std::filesystem::path &path);

// One open file: always binary (no newline translation, no end-of-file byte), never
// inherited by a child process. Closed by its destructor.
class PlatformFile
{
public:
    enum class Open {
        Read,           // existing file, read only
        ReadWrite,      // existing file, read and write
        ReadWriteMake,  // read and write, made when missing; never truncated
        ReadWriteFresh, // read and write, made now: fails with EEXIST when already there
    };

    struct Info {
        bool regular = false;
        bool folder = false;
        uint64_t size = 0;
    };

    PlatformFile() = default;
    ~PlatformFile();
    PlatformFile(const PlatformFile &) = delete;
    PlatformFile &operator=(const PlatformFile &) = delete;

    // Each returns 0 on success or an errno value. `open` closes a file held before.
    int open(const std::string &path, Open how);
    int info(Info &out) const;
    // Reads up to `size` bytes at the current position; `got` 0 means the end of the file.
    int read(void *data, size_t size, size_t &got);
    // Writes all `size` bytes at the current position.
    int writeAll(const void *data, size_t size);
    int seek(uint64_t offset);
    // Sends what was written to the disk (fsync, FlushFileBuffers).
    int flush();
    // Locks the whole file for this handle without waiting: EWOULDBLOCK when another
    // handle (in this process or another) holds it. The lock goes when the file is closed.
    int lockExclusive();
    // Sets the permission bits (POSIX); Windows has none of that kind: nothing is done.
    int setMode(unsigned mode);
    // Gives the file to `owner` and `group` (POSIX) as far as the process may: a user who
    // may not give it away keeps at least the group when a member of it. Nothing on Windows.
    void setOwner(unsigned owner, unsigned group);
    // Cuts the file to (or extends it with zeros to) `size` bytes.
    int resize(uint64_t size);
    // Whether `path` names this open file now (and not a file renamed over it since).
    bool isAt(const std::string &path) const;
    // Closes the file; the error of the close itself (a late write failure) or 0.
    int close();

    bool isOpen() const { return fd_ >= 0; }
    // Exchanges the files this object and `other` hold.
    void swap(PlatformFile &other) noexcept;

private:
    int fd_ = -1;
};

// Moves `from` over `to` in one step: `to` is either the old file or the new one, never
// missing or partly written. Windows keeps the old file's attributes (ReplaceFileW).
int ReplaceByRename(const std::string &from, const std::string &to);
// Whether a file may be renamed over while it is open (POSIX: yes; Windows: not while this
// program holds it, so a store that replaces its file lets go of it for the rename).
bool RenameKeepsOpenFiles();
// Removes the file at `path`.
int RemoveFileAt(const std::string &path);
// Makes the folder's latest change (a rename into it) durable where the system allows.
void FlushFolder(const std::string &folder);

// What a path names. A link is told as one only when asked not to follow it.
struct PathStatus {
    enum class Kind { Missing, Regular, Folder, Link, Other };
    Kind kind = Kind::Missing;
    uint64_t size = 0;
    unsigned mode = 0; // permission bits (POSIX)
    unsigned owner = 0;
    unsigned group = 0;
};
// 0 with `out` filled (Kind::Missing and 0 when nothing is there), or the errno value.
int StatusOfPath(const std::string &path, bool followLink, PathStatus &out);
// The path a symbolic link points to, as written in the link (may be relative to its folder).
int ReadLinkAt(const std::string &path, std::string &target);
// Whether `a` and `b` name the same file: the same device and inode (on Windows the same
// volume and file index) after links, or, when either is not there, the same path once
// links and "." and ".." are resolved. An output is never written over an input this way.
bool SameFile(const std::string &a, const std::string &b);
// A text that is the same for every name of one file and differs between files, as
// SameFile tells them apart: for sorting many names at once (a merge of thousands of
// files), where comparing each pair would take the square of their number.
std::string FileKey(const std::string &path);
// The names of the entries of a folder (none when it cannot be read).
std::vector<std::string> FolderEntryNames(const std::string &folder);
// Makes the folder and the folders above it that are missing: 0, or the errno value.
int MakeFolders(const std::string &folder);

// Whether the process may read `path`, and why it may not write it: 0 when it may,
// ENOENT when nothing is there, else the errno value (EACCES, EROFS, ...).
bool MayReadPath(const std::string &path);
int WriteAccessError(const std::string &path);
// The permission bits of the file at `path` (false when it cannot be told, and always on
// Windows), and the bits a new file gets: rw-rw-rw- less the umask, as an editor makes it.
bool PermissionBitsOf(const std::string &path, unsigned &mode);
unsigned NewFilePermissionBits();

// Makes a new folder with a name of `prefix` and six random characters under `parent`;
// returns its path, or empty when none could be made.
std::string MakeTemporaryFolder(const std::string &parent, const std::string &prefix);

// The program's arguments as UTF-8 (on Windows from the wide command line, whatever the
// ANSI code page), and standard output and error set to write bytes as they are.
std::vector<std::string> Utf8Arguments(int argc, char **argv);
void UseBinaryStandardStreams();

// The folder of the running program's file, as UTF-8; empty when it cannot be told.
std::string RunningProgramFolder();

// Asks the system to back a large block of memory with its large pages where it has them
// (Linux's transparent huge pages): a million trip lines then fault in some forty pages
// instead of twenty thousand. Only the whole pages inside the block are advised; nothing
// happens where the system has no such pages.
void AdviseLargePages(void *block, size_t bytes);
