#include "records/pathnames.h"

#include <filesystem>

#include <unistd.h>

namespace fs = std::filesystem;

std::string CurrentDirectory()
{
    std::error_code error;
    const fs::path current = fs::current_path(error);
    return error ? std::string() : current.string();
}

std::string JoinPath(const std::string &folder, const std::string &name)
{
    if (folder.empty())
        return name;
    return folder.back() == '/' ? folder + name : folder + '/' + name;
}

std::string FullPath(const std::string &path)
{
    if (path.empty())
        return path;
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    if (error)
        return path;
    std::string normal = absolute.lexically_normal().string();
    // "/a/b/" names the folder "/a/b": no trailing separator but on the root.
    while (normal.size() > 1 && normal.back() == '/')
        normal.pop_back();
    return normal;
}

std::string FileNameOf(const std::string &path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool PathExists(const std::string &path)
{
    std::error_code error;
    return !path.empty() && fs::exists(path, error);
}

bool IsReadableFile(const std::string &path)
{
    std::error_code error;
    return !path.empty() && fs::is_regular_file(path, error) && ::access(path.c_str(), R_OK) == 0;
}

bool IsWritablePath(const std::string &path)
{
    return !path.empty() && ::access(path.c_str(), W_OK) == 0;
}
