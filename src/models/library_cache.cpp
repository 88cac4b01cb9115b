// An entry is one file, "<key>.so.entry": the library's bytes followed by a
// trailer line "\n#attrava-cache <sha256 of the library>\n". It is written
// under a temporary name and renamed into place, so readers see either the
// whole entry or none; the trailer catches truncation and any changed byte.
#include "models/library_cache.h"

#include "models/file_replace.h"
#include "models/sha256.h"
#include "models/text_io.h"
#include "models/user_folders.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTrailerKey = "\n#attrava-cache ";
constexpr std::size_t kDigestLength = 64;
constexpr std::size_t kTrailerLength = kTrailerKey.size() + kDigestLength + 1;

}  // namespace

std::string libraryCacheFolder() { return attravaUserFolder("XDG_CACHE_HOME", ".cache"); }

std::string libraryCacheKey(const std::vector<std::string>& parts)
{
    std::string joined;
    for (const std::string& part : parts)
        joined += std::to_string(part.size()) + ":" + part;
    return sha256Hex(joined);
}

std::string sourceTextForKey(std::string_view source)
{
    std::string kept;
    std::size_t start = 0;
    while (start < source.size()) {
        std::size_t end = source.find('\n', start);
        end = end == std::string_view::npos ? source.size() : end + 1;
        std::string_view line = source.substr(start, end - start);
        start = end;
        std::string_view body = line;
        while (!body.empty() && (body.back() == '\n' || body.back() == '\r'))
            body.remove_suffix(1);
        if (body.ends_with('\\'))
            return std::string(source);
        if (!body.starts_with("//"))
            kept += line;
    }
    return kept;
}

std::string LibraryCache::entryPath(const std::string& key) const
{
    return folder_ + key + ".so.entry";
}

std::optional<std::string> LibraryCache::load(const std::string& key) const
{
    if (folder_.empty())
        return std::nullopt;
    const std::string path = entryPath(key);
    std::string bytes;
    std::error_code ec;
    if (!fs::exists(path, ec) || !readFileBytes(path, bytes))
        return std::nullopt;
    if (bytes.size() >= kTrailerLength) {
        const std::size_t size = bytes.size() - kTrailerLength;
        const std::string_view trailer = std::string_view(bytes).substr(size);
        const std::string_view library = std::string_view(bytes).substr(0, size);
        if (trailer.starts_with(kTrailerKey) && trailer.back() == '\n' &&
            trailer.substr(kTrailerKey.size(), kDigestLength) == sha256Hex(library)) {
            bytes.resize(size);
            return bytes;
        }
    }
    fs::remove(path, ec);
    return std::nullopt;
}

void LibraryCache::store(const std::string& key, std::string_view library) const
{
    if (folder_.empty())
        return;
    std::error_code ec;
    fs::create_directories(folder_, ec);
    std::string entry(library);
    entry += kTrailerKey;
    entry += sha256Hex(library);
    entry += '\n';
    replaceFileContents(entryPath(key), entry);
}
