// Fuzz target of the equation check. The first byte chooses the dimension and
// parameter count, the rest is the equation. An accepted equation is one the
// system compiler takes inside a model function: that is tried for a sample
// of the accepted inputs (every one when ATTRAVA_FUZZ_COMPILE_ALL is set),
// since a compile takes a good part of a second.
#include "fuzz_support.h"

#include "models/equation_check.h"
#include "models/model_list.h"
#include "models/model_record.h"

#include <cstdlib>

#ifndef ATTRAVA_COMPAT_INCLUDE_DIR
#error "the compatibility header folder must be given"
#endif

namespace {

bool compiles(const ModelRecord& record)
{
    const std::string source = scratchFolder() + "equation.c";
    const std::string text = "#include <windows.h>\n#include <math.h>\n" + modelBlockText(record);
    FUZZ_CHECK(writeBytes(source, text), "cannot write the model source");
    const std::string command = "cc -fsyntax-only -Werror=implicit-function-declaration -I'" +
                                std::string(ATTRAVA_COMPAT_INCLUDE_DIR) + "' '" + source +
                                "' 2>/dev/null";
    return std::system(command.c_str()) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int dimension = 1 + data[0] % kMaxVariables;
    const int parameters = (data[0] / kMaxVariables) % (kMaxParameters + 1);
    const std::string_view equation = asText(data + 1, size - 1);
    if (checkEquation(equation, dimension, parameters))
        return 0;

    static unsigned long accepted = 0;
    if (!sampleSlowCheck(accepted, 2000))
        return 0;
    ModelRecord record;
    record.ModelName = "fuzz_model";
    record.Dimension = dimension;
    record.Parameter = parameters;
    for (int k = 0; k < dimension; ++k)
        record.Function[k] = std::string(equation);
    FUZZ_CHECK(compiles(record), "an accepted equation does not compile");
    return 0;
}
