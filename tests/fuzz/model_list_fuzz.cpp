// Fuzz target of the model list source: reading its names and paths, and
// rewriting it with one model removed or replaced. A rewrite that finds the
// model keeps every other byte of the list (line ends read as line feeds): the
// new list is a head of the old one, the new block (or nothing), and a tail of
// the old one. A rewrite that does not find it, or refuses, changes nothing.
// A replacement under a name the list may hold runs the system compiler on
// the new block, so that one is tried for a sample of the inputs only.
#include "fuzz_support.h"

#include "models/equation_check.h"
#include "models/model_list.h"
#include "models/model_record.h"
#include "models/reporter.h"
#include "models/reserved_names.h"

#include <algorithm>

namespace {

std::string withLineFeeds(std::string_view text)
{
    std::string result;
    for (std::size_t k = 0; k < text.size(); ++k)
        if (!(text[k] == '\r' && k + 1 < text.size() && text[k + 1] == '\n'))
            result += text[k];
    return result;
}

// Whether out is a head of old, then middle, then a tail of old, the head and
// tail not overlapping.
bool keepsAllButOnePlace(const std::string& old, const std::string& out, const std::string& middle)
{
    const std::size_t at = middle.empty() ? std::string::npos : out.find(middle);
    if (!middle.empty() && at == std::string::npos)
        return false;
    std::size_t head = 0;
    if (at != std::string::npos) {
        head = at;
    } else {
        while (head < out.size() && head < old.size() && out[head] == old[head])
            ++head;
    }
    const std::size_t tailStart = head + middle.size();
    const std::size_t tail = out.size() - tailStart;
    return old.compare(0, head, out, 0, head) == 0 && head + tail <= old.size() &&
           old.compare(old.size() - tail, tail, out, tailStart, tail) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text = asText(data, size);
    const std::string path = scratchFolder() + "Eqnbank.c";
    FUZZ_CHECK(writeBytes(path, text), "cannot write the list");

    std::vector<ModelListEntry> entries;
    FUZZ_CHECK(readListEntries(path, entries), "an existing list did not read");
    for (const ModelListEntry& entry : entries)
        FUZZ_CHECK(entry.name.find_first_of("\r\n") == std::string::npos &&
                       entry.storedPath.find_first_of("\r\n") == std::string::npos,
                   "a line end in a name or a path");
    if (entries.empty())
        return 0;
    const ModelListEntry& chosen = entries[size % entries.size()];
    const std::string lineFed = withLineFeeds(text);
    CollectingReporter reporter;

    if (RemoveModel(path, chosen.name, chosen.storedPath, reporter)) {
        const std::string out = readBytes(path);
        FUZZ_CHECK(out == text || (out.size() < lineFed.size() && keepsAllButOnePlace(lineFed, out, "")),
                   "a removal changed more than the model's block");
    }

    static unsigned long compiledReplacements = 0;
    const bool compiles = isValidModelName(chosen.name) && !isReservedName(chosen.name);
    if (compiles && !sampleSlowCheck(compiledReplacements, 200))
        return 0;
    FUZZ_CHECK(writeBytes(path, text), "cannot write the list");
    ModelRecord record;
    record.ModelName = chosen.name;
    record.ModelFileDir = chosen.storedPath;
    record.Dimension = 1;
    record.Parameter = 0;
    record.Function[0] = "x";
    const std::string blockBefore = modelBlockText(record);
    const bool replaced = ReplaceModel(path, record, chosen.name, chosen.storedPath, reporter);
    const std::string out = readBytes(path);
    if (!replaced) {
        FUZZ_CHECK(out == text, "a refused replacement changed the list");
        return 0;
    }
    // The block carries the time of day; a second that ticked makes it unknown.
    if (modelBlockText(record) == blockBefore)
        FUZZ_CHECK(out == text || keepsAllButOnePlace(lineFed, out, blockBefore),
                   "a replacement changed more than the model's block");
    std::vector<ModelListEntry> after;
    FUZZ_CHECK(readListEntries(path, after), "a rewritten list did not read");
    return 0;
}
