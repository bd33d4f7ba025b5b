#include "platform/platformfile.h"

#include <cerrno>
#include <climits>
#include <random>
#include <system_error>
#include <utility>

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

int MakeFolders(const std::string &folder)
{
    std::error_code error;
    fs::create_directories(PathFromUtf8(folder), error);
    // The generic condition is an errno value on both systems.
    return error ? error.default_error_condition().value() : 0;
}
