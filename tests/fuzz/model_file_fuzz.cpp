// Fuzz target of the model file reader. A file that reads is written and read
// back: when every written line fits the reader's line length, the second
// reading gives the same record, so writing it again gives the same bytes.
#include "fuzz_support.h"

#include "models/model_record.h"
#include "models/reporter.h"

namespace {

// Whether every line of text, its line feed included, is read as one piece.
bool linesFitReader(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::size_t length = (end == std::string_view::npos ? text.size() : end + 1) - start;
        if (length > 198)
            return false;
        start += length;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input = scratchFolder() + "input.txt";
    const std::string first = scratchFolder() + "first.txt";
    const std::string second = scratchFolder() + "second.txt";
    FUZZ_CHECK(writeBytes(input, asText(data, size)), "cannot write the input file");

    CollectingReporter reporter;
    ModelRecord read;
    read.ModelFileDir = input;
    const ModelRecord before = read;
    if (!read.Read(reporter)) {
        FUZZ_CHECK(read.Dimension == before.Dimension && read.Function[0] == before.Function[0],
                   "a refused file changed the record");
        return 0;
    }
    FUZZ_CHECK(read.Dimension >= 1 && read.Dimension <= kMaxVariables, "dimension out of range");
    FUZZ_CHECK(read.Parameter >= 0 && read.Parameter <= kMaxParameters, "parameters out of range");

    read.ModelFileDir = first;
    FUZZ_CHECK(read.Write(reporter), "a record that was read cannot be written");
    const std::string firstText = readBytes(first);
    if (!linesFitReader(firstText))
        return 0;

    ModelRecord again;
    again.ModelFileDir = first;
    FUZZ_CHECK(again.Read(reporter), "a written model file does not read");
    FUZZ_CHECK(again.Dimension == read.Dimension && again.Parameter == read.Parameter &&
                   again.Sampling_Point == read.Sampling_Point &&
                   again.Auto_Sampling_Interval_Flag == read.Auto_Sampling_Interval_Flag,
               "counts differ after a round trip");
    for (int k = 0; k < read.Dimension; ++k)
        FUZZ_CHECK(again.Function[k] == read.Function[k], "an equation differs after a round trip");
    again.ModelFileDir = second;
    FUZZ_CHECK(again.Write(reporter), "a record read back cannot be written");
    FUZZ_CHECK(readBytes(second) == firstText, "the file differs after a round trip");
    return 0;
}
