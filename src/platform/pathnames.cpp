#include "platform/pathnames.h"

#include "platform/platformfile.h"

#include <filesystem>

namespace fs = std::filesystem;

std::string CurrentDirectory()
{
    std::error_code error;
    const fs::path current = fs::current_path(error);
    return error ? std::string() : Utf8FromPath(current);
}

std::string JoinPath(const std::string &folder, const std::string &name)
{
    if (folder.empty())
        return name;
    return Utf8FromPath(PathFromUtf8(folder) / PathFromUtf8(name));
}

std::string FullPath(const std::string &path)
{
    if (path.empty())
        return path;
    std::error_code error;
    const fs::path absolute = fs::absolute(PathFromUtf8(path), error);
    if (error)
        return path;
    fs::path normal = absolute.lexically_normal();
    // "/a/b/" names the folder "/a/b": no trailing separator but on the root.
    if (!normal.has_filename() && normal.has_relative_path())
        normal = normal.parent_path();
    return Utf8FromPath(normal);
}

std::string FileNameOf(const std::string &path)
{
    return Utf8FromPath(PathFromUtf8(path).filename());
}

bool PathExists(const std::string &path)
{
    std::error_code error;
    return !path.empty() && fs::exists(PathFromUtf8(path), error);
}

bool IsReadableFile(const std::string &path)
{
    std::error_code error;
    return !path.empty() && fs::is_regular_file(PathFromUtf8(path), error) && MayReadPath(path);
}

bool IsWritablePath(const std::string &path)
{
    return !path.empty() && WriteAccessError(path) == 0;
}
