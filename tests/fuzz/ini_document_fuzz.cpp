// Fuzz target of the settings file document. The input is the file text,
// optionally followed by section, key and value separated by the byte 0x1F.
// The text is written back unchanged; a key that is set reads back (without
// its surrounding blanks), also from the written text; and the edit changes
// at most one line of the old text, keeping every other byte.
#include "fuzz_support.h"

#include "settings/ini_document.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos)
            return parts;
        text.remove_prefix(at + 1);
    }
}

std::string_view withoutBlanks(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string_view> parts = split(asText(data, size), '\x1f');
    const std::string_view text = parts[0];
    const std::string_view section = parts.size() > 1 ? parts[1] : "EnvironmentData";
    const std::string_view key = parts.size() > 2 ? parts[2] : "Window_Width";
    const std::string_view value = parts.size() > 3 ? parts[3] : "640";

    IniDocument document(text);
    FUZZ_CHECK(document.text() == text, "an unchanged document is not written as read");
    (void)document.value(section, key);

    if (!document.set(section, key, value)) {
        FUZZ_CHECK(document.text() == text, "a refused edit changed the document");
        return 0;
    }
    const std::string edited = document.text();
    const auto stored = document.value(section, key);
    FUZZ_CHECK(stored && *stored == withoutBlanks(value), "a key set does not read back");
    const IniDocument written(edited);
    const auto reread = written.value(section, key);
    FUZZ_CHECK(reread && *reread == withoutBlanks(value), "a key set does not read back from the file");

    // Everything before and after the edited spot is the old text.
    const std::size_t common = std::min(text.size(), edited.size());
    std::size_t prefix = 0;
    while (prefix < common && text[prefix] == edited[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < common - prefix &&
           text[text.size() - 1 - suffix] == edited[edited.size() - 1 - suffix])
        ++suffix;
    const std::string_view replaced = text.substr(prefix, text.size() - prefix - suffix);
    FUZZ_CHECK(replaced.find('\n') == std::string_view::npos, "an edit changed more than one line");
    return 0;
}
