// The compiled-library cache: model libraries already built, kept under
// $XDG_CACHE_HOME/attrava (default ~/.cache/attrava) and named by a hash of
// everything that goes into a build (the sources, the compiler and its
// settings), so that building the same list again copies the library instead
// of running the compiler. An entry carries the hash of its own bytes and is
// used only when they still match: a damaged or half-written entry is
// removed and the library is built anew. The same cache remembers passed
// syntax checks (an entry of the compiler's output, often empty).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The cache folder ($XDG_CACHE_HOME/attrava or $HOME/.cache/attrava, ending
// with '/'); empty when neither variable is set.
std::string libraryCacheFolder();

// The key of a build: a hash over the parts, each length-prefixed, so that
// no two different part lists give the same key text.
std::string libraryCacheKey(const std::vector<std::string>& parts);

// The list source text as it matters to the compiler: lines that are only a
// line comment ("//...", the model names, file paths and dates of the list)
// are left out, so lists that differ in those alone share an entry. When any
// line ends in a backslash (which would splice the next line into a comment)
// the text is kept whole.
std::string sourceTextForKey(std::string_view source);

class LibraryCache {
public:
    explicit LibraryCache(std::string folder) : folder_(std::move(folder)) {}

    // The library stored under key, or nothing when there is none or the
    // entry is damaged (it is then removed).
    std::optional<std::string> load(const std::string& key) const;
    // Stores library under key; a failure only means the next build compiles.
    void store(const std::string& key, std::string_view library) const;
    std::string entryPath(const std::string& key) const;

private:
    std::string folder_;
};
