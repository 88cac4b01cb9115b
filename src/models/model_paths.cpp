#include "models/model_paths.h"

#include <filesystem>
#include <sys/stat.h>

namespace fs = std::filesystem;

std::string withSlashes(std::string_view path)
{
    std::string result(path);
    for (char& c : result) {
        if (c == '\\')
            c = '/';
    }
    return result;
}

std::string folderOf(std::string_view path)
{
    const std::string normal = withSlashes(path);
    const std::size_t slash = normal.rfind('/');
    if (slash == std::string::npos)
        return "./";
    return normal.substr(0, slash + 1);
}

std::string fileNameOf(std::string_view path)
{
    const std::string normal = withSlashes(path);
    const std::size_t slash = normal.rfind('/');
    return slash == std::string::npos ? normal : normal.substr(slash + 1);
}

std::string resolveAgainst(std::string_view path, std::string_view folder)
{
    std::string normal = withSlashes(path);
    if (normal.empty() || normal.front() == '/')
        return normal;
    if (normal.starts_with("./"))
        normal.erase(0, 2);
    std::string base = withSlashes(folder);
    if (!base.empty() && base.back() != '/')
        base.push_back('/');
    return base + normal;
}

bool isSameFile(const std::string& first, const std::string& second)
{
    struct stat a {};
    struct stat b {};
    if (::stat(first.c_str(), &a) == 0 && ::stat(second.c_str(), &b) == 0)
        return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
    std::error_code firstError;
    std::error_code secondError;
    const fs::path p = fs::absolute(first, firstError);
    const fs::path q = fs::absolute(second, secondError);
    if (firstError || secondError)
        return first == second;
    return p.lexically_normal() == q.lexically_normal();
}
