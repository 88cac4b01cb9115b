#include "settings/ini_document.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace {

// A CR is a blank too, so a file cut between CR and LF still reads its last value.
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

// Offsets of text[begin, end) without the blanks at either end.
std::pair<std::size_t, std::size_t> trimmedSpan(std::string_view text, std::size_t begin,
                                                std::size_t end)
{
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return {begin, end};
}

std::string_view trimmed(std::string_view text)
{
    auto [b, e] = trimmedSpan(text, 0, text.size());
    return text.substr(b, e - b);
}

// What one line of the file is. Comments (';') and lines that are neither a
// header nor hold '=' are Other. A header without ']' names the section by
// the rest of its line, so a file cut off inside a header still reads.
struct Entry {
    enum Kind { Other, Section, Key } kind = Other;
    std::string_view name;
    std::size_t valueBegin = 0;
    std::size_t valueEnd = 0;
};

Entry classify(std::string_view body)
{
    Entry entry;
    const std::string_view text = trimmed(body);
    if (text.empty() || text.front() == ';')
        return entry;
    if (text.front() == '[') {
        const std::size_t close = text.find(']');
        entry.kind = Entry::Section;
        entry.name = trimmed(text.substr(1, close == std::string_view::npos ? close : close - 1));
        return entry;
    }
    const std::size_t equals = body.find('=');
    if (equals == std::string_view::npos)
        return entry;
    entry.kind = Entry::Key;
    entry.name = trimmed(body.substr(0, equals));
    std::tie(entry.valueBegin, entry.valueEnd) = trimmedSpan(body, equals + 1, body.size());
    return entry;
}

bool hasAny(std::string_view text, std::string_view characters)
{
    return text.find_first_of(characters) != std::string_view::npos;
}

bool storable(std::string_view section, std::string_view key, std::string_view value)
{
    using namespace std::string_view_literals;
    const std::string_view lineBreaks = "\r\n\0"sv;
    const bool sectionOk = !section.empty() && trimmed(section) == section &&
                           !hasAny(section, lineBreaks) && section.find(']') == section.npos;
    const bool keyOk = !key.empty() && trimmed(key) == key && !hasAny(key, lineBreaks) &&
                       key.find('=') == key.npos && key.front() != '[' && key.front() != ';';
    return sectionOk && keyOk && !hasAny(value, lineBreaks);
}

} // namespace

IniDocument::IniDocument(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t newline = text.find('\n', start);
        if (newline == std::string_view::npos) {
            lines_.push_back({std::string(text.substr(start)), ""});
            break;
        }
        std::string_view body = text.substr(start, newline - start);
        const bool crlf = !body.empty() && body.back() == '\r';
        if (crlf)
            body.remove_suffix(1);
        lines_.push_back({std::string(body), crlf ? "\r\n" : "\n"});
        start = newline + 1;
    }
    const auto firstEnded =
        std::find_if(lines_.begin(), lines_.end(), [](const Line& l) { return !l.end.empty(); });
    if (firstEnded != lines_.end())
        lineEnd_ = firstEnded->end;
}

IniDocument::Location IniDocument::locate(std::string_view section, std::string_view key) const
{
    Location location;
    bool inSection = false;
    bool inFirstSection = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Entry entry = classify(lines_[i].body);
        if (entry.kind == Entry::Section) {
            inSection = equalsIgnoringCase(entry.name, section);
            inFirstSection = inSection && !location.insertAfter;
            if (inFirstSection)
                location.insertAfter = i;
        } else if (entry.kind == Entry::Key && inSection) {
            if (equalsIgnoringCase(entry.name, key)) {
                location.keyLine = i;
                return location;
            }
            if (inFirstSection)
                location.insertAfter = i;
        }
    }
    return location;
}

std::optional<std::string_view> IniDocument::value(std::string_view section,
                                                   std::string_view key) const
{
    const Location location = locate(section, key);
    if (!location.keyLine)
        return std::nullopt;
    const std::string& body = lines_[*location.keyLine].body;
    const Entry entry = classify(body);
    return std::string_view(body).substr(entry.valueBegin, entry.valueEnd - entry.valueBegin);
}

void IniDocument::insertLine(std::size_t position, std::string body)
{
    if (position > 0 && lines_[position - 1].end.empty())
        lines_[position - 1].end = lineEnd_;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(position),
                  Line{std::move(body), lineEnd_});
}

bool IniDocument::set(std::string_view section, std::string_view key, std::string_view value)
{
    if (!storable(section, key, value))
        return false;
    const Location location = locate(section, key);
    if (location.keyLine) {
        std::string& body = lines_[*location.keyLine].body;
        const Entry entry = classify(body);
        body.replace(entry.valueBegin, entry.valueEnd - entry.valueBegin, value);
        return true;
    }
    std::string keyLine = std::string(key) + "=" + std::string(value);
    if (location.insertAfter) {
        insertLine(*location.insertAfter + 1, std::move(keyLine));
        return true;
    }
    if (!lines_.empty() && !trimmed(lines_.back().body).empty())
        insertLine(lines_.size(), "");
    std::string header(1, '[');
    header.append(section).push_back(']');
    insertLine(lines_.size(), std::move(header));
    insertLine(lines_.size(), std::move(keyLine));
    return true;
}

std::string IniDocument::text() const
{
    std::string out;
    for (const Line& line : lines_)
        out += line.body + line.end;
    return out;
}
