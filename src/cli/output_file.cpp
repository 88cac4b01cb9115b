#include "cli/output_file.h"

std::FILE* openOutput(const std::string& path)
{
    return path.empty() ? stdout : std::fopen(path.c_str(), "wb");
}

bool closeOutput(std::FILE* out)
{
    const bool ok = std::ferror(out) == 0;
    if (out == stdout)
        return std::fflush(out) == 0 && ok;
    return std::fclose(out) == 0 && ok;
}
