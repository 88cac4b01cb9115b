// Shared pieces of the fuzz targets: the entry point every target defines, a
// check that stops the run with a message when an invariant breaks, and a
// scratch folder of the process for targets whose parser reads a file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// Stops the process (the fuzzer records the input) when an invariant fails.
#define FUZZ_CHECK(condition, what)                                                     \
    do {                                                                                \
        if (!(condition)) {                                                             \
            std::fprintf(stderr, "invariant broken at %s:%d: %s\n", __FILE__, __LINE__, \
                         what);                                                         \
            std::abort();                                                               \
        }                                                                               \
    } while (0)

inline std::string_view asText(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// Whether a slow check (one that runs the system compiler) runs for this
// input: one call in every `every`, or every call when ATTRAVA_FUZZ_COMPILE_ALL
// is set (the corpus replays). counter is the caller's own count of calls.
bool sampleSlowCheck(unsigned long& counter, unsigned long every);

// A private folder of this process, on a memory file system when there is
// one, ending with "/". Created on first use and kept for the whole run.
const std::string& scratchFolder();

// Writes bytes to path (truncating); false when it cannot.
bool writeBytes(const std::string& path, std::string_view bytes);

// The bytes of path, or empty when it cannot be read.
std::string readBytes(const std::string& path);
