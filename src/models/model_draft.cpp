#include "models/model_draft.h"

#include "models/equation_check.h"
#include "models/model_record.h"
#include "models/reporter.h"

#include <algorithm>

namespace {

// The draft's fields over a copy of the record.
ModelRecord applied(const ModelDraft& draft, const ModelRecord& record)
{
    ModelRecord result = record;
    result.ModelName = draft.name;
    result.Dimension = std::clamp(draft.dimension, 1, kMaxVariables);
    result.Parameter = std::clamp(draft.parameterCount, 0, kMaxParameters);
    for (int k = 0; k < result.Dimension; ++k)
        result.Function[k] = draft.equations[k];
    return result;
}

}  // namespace

ModelDraft draftOf(const ModelRecord& record)
{
    ModelDraft draft;
    draft.name = record.ModelName;
    draft.dimension = record.Dimension;
    draft.parameterCount = record.Parameter;
    for (int k = 0; k < kMaxVariables; ++k)
        draft.equations[k] = record.Function[k];
    return draft;
}

std::optional<Failure> draftRefusal(const ModelDraft& draft)
{
    if (draft.name.empty())
        return Failure{FailureKind::ModelNameMissing};
    if (!isValidModelName(draft.name)) {
        Failure failure{FailureKind::ModelNameInvalid};
        failure.name = draft.name;
        return failure;
    }
    return checkModelEquations(applied(draft, ModelRecord()));
}

bool saveDraft(const ModelDraft& draft, const std::string& path, ModelRecord& record,
               Reporter& reporter)
{
    if (const auto refusal = draftRefusal(draft)) {
        reporter.report(*refusal);
        return false;
    }
    ModelRecord saved = applied(draft, record);
    saved.ModelFileDir = path;
    if (!saved.Write(reporter))
        return false;
    record = saved;
    return true;
}

std::string usedLetters(const std::string& letters, int count)
{
    std::string used;
    const int shown = std::clamp(count, 0, static_cast<int>(letters.size()));
    for (int k = 0; k < shown; ++k) {
        if (k > 0)
            used += ", ";
        used += letters[static_cast<std::size_t>(k)];
    }
    return used;
}

std::string usedVariableLetters(int dimension) { return usedLetters("xyzwvu", dimension); }

std::string usedParameterLetters(int parameterCount)
{
    return usedLetters("abcdefghij", parameterCount);
}
