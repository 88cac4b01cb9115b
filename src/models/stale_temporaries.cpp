#include "models/stale_temporaries.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <string>
#include <string_view>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = ".attrava-";
constexpr std::string_view kSuffix = ".tmp";

// The writer's process id of a temporary name, or 0 for any other name.
pid_t writerOf(std::string_view name)
{
    if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix))
        return 0;
    name.remove_prefix(kPrefix.size());
    name.remove_suffix(kSuffix.size());
    const std::size_t dash = name.find('-');
    if (dash == std::string_view::npos || dash == 0 || dash + 1 == name.size())
        return 0;
    pid_t pid = 0;
    const auto parsed = std::from_chars(name.data(), name.data() + dash, pid);
    unsigned serial = 0;
    const auto serialParsed = std::from_chars(name.data() + dash + 1, name.data() + name.size(), serial);
    if (parsed.ec != std::errc() || parsed.ptr != name.data() + dash || pid <= 0 ||
        serialParsed.ec != std::errc() || serialParsed.ptr != name.data() + name.size())
        return 0;
    return pid;
}

bool processRuns(pid_t pid)
{
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

}  // namespace

fs::path nextTemporaryName(const fs::path& folder)
{
    static std::atomic<unsigned> serial{0};
    return folder / (std::string(kPrefix) + std::to_string(::getpid()) + "-" +
                     std::to_string(serial++) + std::string(kSuffix));
}

void removeStaleTemporaries(const fs::path& folder)
{
    std::error_code ec;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end;
         !ec && it != end; it.increment(ec)) {
        const pid_t writer = writerOf(it->path().filename().native());
        std::error_code ignored;
        if (writer > 0 && !processRuns(writer) && it->is_regular_file(ignored))
            fs::remove(it->path(), ignored);
    }
}
