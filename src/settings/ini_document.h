// The text of an INI file held line by line, so that one key can be read or
// changed while every other byte stays as it was: comments, blank lines,
// spacing, other sections, unreadable lines and the line-end style (CR LF or
// LF, taken from the file's first line end; LF for a new file). Section and
// key names match without regard to ASCII case, and the first match wins.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class IniDocument {
public:
    IniDocument() = default;
    // Takes any bytes: lines it cannot read as a section header or a key are
    // kept as they are and otherwise ignored.
    explicit IniDocument(std::string_view text);

    // The value of section/key without its surrounding blanks and line end, or
    // nothing when the key is absent. The view is valid until the next set().
    std::optional<std::string_view> value(std::string_view section,
                                          std::string_view key) const;

    // Replaces the value of the key in place, or adds the key after the last
    // key of its section, or appends the section. Returns false, changing
    // nothing, when the entry cannot be stored as one line that reads back the
    // same: an empty or blank-padded name, a line break or NUL anywhere, '=' in
    // the key, ']' in the section name, a key beginning with '[' or ';'.
    bool set(std::string_view section, std::string_view key, std::string_view value);

    // The whole file, byte for byte as read apart from the keys set.
    std::string text() const;

private:
    struct Line {
        std::string body;
        std::string end; // "\r\n", "\n", or "" for a last line without one
    };
    struct Location {
        std::optional<std::size_t> keyLine;     // the line holding the key
        std::optional<std::size_t> insertAfter; // last line of the first matching section's keys
    };

    Location locate(std::string_view section, std::string_view key) const;
    void insertLine(std::size_t position, std::string body);

    std::vector<Line> lines_;
    std::string lineEnd_ = "\n";
};
