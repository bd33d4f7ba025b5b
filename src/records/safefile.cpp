#include "records/safefile.h"

#include "records/cp1252.h"
#include "records/platformfile.h"

#include <cerrno>
#include <cstring>
#include <random>

namespace {

// Messages are Windows-1252 like every other text of the program; paths are UTF-8.
std::string describe(const char *what, const std::string &path, int error)
{
    return std::string(what) + " \"" + Utf8ToCp1252(path) + "\": " + std::strerror(error) + ".";
}

// The folder that holds `path` ("." for a bare name), split by the system's own rules so
// that "C:\data\q2.irc" is in "C:\data" on Windows.
std::string folderOf(const std::string &path)
{
    const std::filesystem::path folder = PathFromUtf8(path).parent_path();
    return folder.empty() ? std::string(".") : Utf8FromPath(folder);
}

// A new hidden file beside `path`, ".NAME.XXXXXX", made here and now so that no other
// file of that name is ever written over.
int openTemporaryBeside(const std::string &path, PlatformFile &file, std::string &temp)
{
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    const std::string name = Utf8FromPath(PathFromUtf8(path).filename());
    const std::filesystem::path folder = PathFromUtf8(folderOf(path));
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<size_t> pick(0, sizeof kLetters - 2);
    int error = EEXIST;
    for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
        std::string suffix(6, ' ');
        for (char &c : suffix)
            c = kLetters[pick(random)];
        temp = Utf8FromPath(folder / PathFromUtf8("." + name + "." + suffix));
        error = file.open(temp, PlatformFile::Open::ReadWriteFresh);
    }
    return error;
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
    PlatformFile file;
    if (const int error = file.open(path, PlatformFile::Open::Read))
        return Result::cannotOpen(openFailureText(path, error));
    PlatformFile::Info info;
    if (file.info(info) == 0 && info.folder)
        return Result::cannotOpen(openFailureText(path, EISDIR));
    if (info.size > 0)
        bytes.reserve(static_cast<size_t>(info.size));
    char buffer[65536];
    for (;;) {
        size_t got = 0;
        if (const int error = file.read(buffer, sizeof buffer, got)) {
            bytes.clear();
            return Result::cannotOpen(openFailureText(path, error));
        }
        if (got == 0)
            break;
        bytes.append(buffer, got);
    }
    return Result::success();
}

Result SafeFile::writeAll(const std::string &path, const std::string &bytes)
{
    // A file the user may not write stays as it is, as it would when written in place;
    // renaming over it would replace it all the same.
    if (const int denied = WriteAccessError(path); denied && denied != ENOENT)
        return Result::failure(saveFailureText(path, denied));

    PlatformFile file;
    std::string temp;
    if (const int error = openTemporaryBeside(path, file, temp))
        return Result::failure(saveFailureText(path, error));

    unsigned mode = 0;
    if (!PermissionBitsOf(path, mode))
        mode = NewFilePermissionBits();
    int error = file.setMode(mode);
    if (!error)
        error = file.writeAll(bytes.data(), bytes.size());
    if (!error)
        error = file.flush();
    if (const int closed = file.close(); closed && !error)
        error = closed;
    if (!error && beforeRenameHook)
        beforeRenameHook(temp, path);
    if (!error)
        error = ReplaceByRename(temp, path);
    if (error) {
        RemoveFileAt(temp);
        return Result::failure(saveFailureText(path, error));
    }

    // Make the rename itself durable; a failure here does not undo the save.
    FlushFolder(folderOf(path));
    return Result::success();
}
