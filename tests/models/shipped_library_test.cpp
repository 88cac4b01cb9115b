// The shipped model library as the build installs it in the program folder:
// its exports, the six models' equations, their model files, and the list
// source that the generator produces from those files.
#include "models/equation_check.h"
#include "models/model_binding.h"
#include "models/model_list.h"
#include "models/model_record.h"
#include "models/reporter.h"

#include "models/test_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <dlfcn.h>

namespace {

const std::string kProgramFolder = ATTRAVA_PROGRAM_DIR "/";
const std::string kLibrary = kProgramFolder + "Eqnbank.so";

struct ShippedModel {
    const char* name;
    int dimension;
    int parameterCount;
};

constexpr ShippedModel kShippedModels[] = {
    {"Lorenz", 3, 3},   {"Ressler", 3, 3},  {"ChenUeta", 3, 3},
    {"Chua_Circuit", 3, 7}, {"Langford", 3, 6}, {"ResslerHyperchaos", 4, 4},
};

class ShippedModelCall {
public:
    ShippedModelCall(const std::string& name, int dimension, int parameterCount)
    {
        std::string error;
        bound_ = binding_.Bind(kLibrary, name, dimension, parameterCount, &error);
        EXPECT_TRUE(bound_) << error;
    }

    void setParameters(std::initializer_list<double> values)
    {
        std::copy(values.begin(), values.end(), binding_.parameterArg);
    }

    double operator()(int selector, std::initializer_list<double> state)
    {
        if (!bound_)
            return NAN;
        binding_.dimensionArg[0] = selector;
        std::copy(state.begin(), state.end(), binding_.variableArg);
        return binding_.modelFunction(binding_.dimensionArg, binding_.variableArg,
                                      binding_.parameterArg, binding_.inputDataArg);
    }

    ModelBinding& binding() { return binding_; }

private:
    ModelBinding binding_;
    bool bound_ = false;
};

TEST(ShippedLibrary, ExportsDllmainAndTheSixModelsUnderPlainNames)
{
    void* handle = ::dlopen(kLibrary.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle, nullptr) << ::dlerror();
    EXPECT_NE(::dlsym(handle, "dllmain"), nullptr);
    for (const ShippedModel& model : kShippedModels)
        EXPECT_NE(::dlsym(handle, model.name), nullptr) << model.name;
    ::dlclose(handle);
}

TEST(ShippedLibrary, LorenzDerivativesAtAKnownPoint)
{
    ShippedModelCall lorenz("Lorenz", 3, 3);
    lorenz.setParameters({10.0, 28.0, 8.0 / 3.0});
    EXPECT_DOUBLE_EQ(lorenz(0, {1, 2, 3}), 10.0);
    EXPECT_DOUBLE_EQ(lorenz(1, {1, 2, 3}), 23.0);
    EXPECT_DOUBLE_EQ(lorenz(2, {1, 2, 3}), -6.0);
}

TEST(ShippedLibrary, ChuaResistorIsPiecewiseLinear)
{
    const double a = 15.6, d = 1.0, e = -0.714286, f = -1.142857, g = 1.0;
    ShippedModelCall chua("Chua_Circuit", 3, 7);
    chua.setParameters({a, 1.0, 28.0, d, e, f, g});
    const double y = 0.3;
    for (double x : {-0.6, 0.0, 0.4}) {
        EXPECT_NEAR(chua(0, {x, y, 0.2}), a * ((y - x) * d - f * x), 1e-12) << "inner slope at " << x;
    }
    for (double x : {1.5, 4.0}) {
        EXPECT_NEAR(chua(0, {x, y, 0.2}), a * ((y - x) * d - (e * x + (f - e) * g)), 1e-12)
            << "outer slope at " << x;
        EXPECT_NEAR(chua(0, {-x, y, 0.2}), a * ((y + x) * d - (-e * x - (f - e) * g)), 1e-12)
            << "outer slope at " << -x;
    }
    EXPECT_NEAR(chua(1, {0.5, y, 0.2}), ((0.5 - y) * d + 0.2) * 1.0, 1e-12);
    EXPECT_NEAR(chua(2, {0.5, y, 0.2}), -y * 28.0, 1e-12);
}

TEST(ShippedLibrary, HyperchaosFourthEquationUsesOnlyWAndZ)
{
    ShippedModelCall hyper("ResslerHyperchaos", 4, 4);
    hyper.setParameters({0.25, 3.0, -0.5, 0.05});
    const double reference = hyper(3, {0, 0, 2, 10});
    EXPECT_DOUBLE_EQ(reference, 0.05 * 10 - 0.5 * 2);
    EXPECT_EQ(hyper(3, {-7, 13, 2, 10}), reference);
}

TEST(ShippedLibrary, ModelFunctionsOnlyReadTheirArguments)
{
    for (const ShippedModel& model : kShippedModels) {
        ShippedModelCall call(model.name, model.dimension, model.parameterCount);
        ModelBinding& binding = call.binding();
        if (binding.bound == 0)
            continue;
        for (int k = 0; k < 10; ++k)
            binding.parameterArg[k] = 0.1 * (k + 1);
        for (int k = 0; k < 6; ++k)
            binding.variableArg[k] = 1.0 - 0.3 * k;
        binding.inputDataArg[0] = 42.0;
        for (int selector = 0; selector < model.dimension; ++selector) {
            binding.dimensionArg[0] = selector;
            const ModelBinding& before = binding;
            double variables[6];
            double parameters[10];
            std::copy(std::begin(before.variableArg), std::end(before.variableArg), variables);
            std::copy(std::begin(before.parameterArg), std::end(before.parameterArg), parameters);
            binding.modelFunction(binding.dimensionArg, binding.variableArg, binding.parameterArg,
                                  binding.inputDataArg);
            EXPECT_EQ(binding.dimensionArg[0], selector) << model.name;
            EXPECT_TRUE(std::equal(variables, variables + 6, binding.variableArg)) << model.name;
            EXPECT_TRUE(std::equal(parameters, parameters + 10, binding.parameterArg)) << model.name;
            EXPECT_EQ(binding.inputDataArg[0], 42.0) << model.name;
        }
    }
}

TEST(ShippedModels, InstalledListNamesTheSixModelFiles)
{
    std::vector<ModelListEntry> entries;
    ASSERT_TRUE(readListEntries(kProgramFolder + "model/Eqnbank.c", entries));
    ASSERT_EQ(entries.size(), std::size(kShippedModels));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const ShippedModel& model = kShippedModels[i];
        EXPECT_EQ(entries[i].name, model.name);
        EXPECT_EQ(entries[i].storedPath, std::string("./") + model.name + ".txt");

        CollectingReporter reporter;
        ModelRecord record;
        record.ModelFileDir = entries[i].resolvedPath;
        ASSERT_TRUE(record.Read(reporter)) << record.ModelFileDir;
        EXPECT_EQ(record.Dimension, model.dimension) << model.name;
        EXPECT_EQ(record.Parameter, model.parameterCount) << model.name;
        EXPECT_EQ(checkModelEquations(record), std::nullopt) << model.name;
        for (int k = 0; k < record.Parameter; ++k) {
            EXPECT_LE(record.Parameter_Min[k], record.Parameter_Default[k]) << model.name << " " << k;
            EXPECT_LE(record.Parameter_Default[k], record.Parameter_Max[k]) << model.name << " " << k;
            EXPECT_LT(record.Parameter_Min[k], record.Parameter_Max[k]) << model.name << " " << k;
        }
    }
}

// Each three-variable model, integrated from its initial values with its
// sampling settings, stays inside the region the default camera shows once
// its display scale and position are applied: phase point (x, y, z) is drawn
// at position + s (x, z, -y), s = Display_Scale * 0.02.
TEST(ShippedModels, AttractorsAreShownWholeAndCentred)
{
    constexpr double kVisibleHalfSize = 1.5;
    for (const ShippedModel& model : kShippedModels) {
        if (model.dimension != 3)
            continue;
        CollectingReporter reporter;
        ModelRecord record;
        record.ModelFileDir = kProgramFolder + "model/" + model.name + ".txt";
        ASSERT_TRUE(record.Read(reporter)) << model.name;
        ShippedModelCall call(model.name, 3, record.Parameter);
        std::copy(record.Parameter_Default, record.Parameter_Default + record.Parameter,
                  call.binding().parameterArg);
        const auto field = [&](const double* s, double* out) {
            for (int k = 0; k < 3; ++k)
                out[k] = call(k, {s[0], s[1], s[2]});
        };
        const double h = record.Sampling_Interval;
        const double scale = record.Display_Scale * 0.02;
        double state[3] = {record.Setting[0], record.Setting[1], record.Setting[2]};
        double low[3] = {INFINITY, INFINITY, INFINITY};
        double high[3] = {-INFINITY, -INFINITY, -INFINITY};
        for (int n = 0; n < record.Sampling_Point; ++n) {
            const double shown[3] = {record.Display_Position.x + scale * state[0],
                                     record.Display_Position.y + scale * state[2],
                                     record.Display_Position.z - scale * state[1]};
            for (int k = 0; k < 3; ++k) {
                low[k] = std::min(low[k], shown[k]);
                high[k] = std::max(high[k], shown[k]);
            }
            double k1[3], k2[3], k3[3], k4[3], probe[3];
            field(state, k1);
            for (int k = 0; k < 3; ++k)
                probe[k] = state[k] + 0.5 * h * k1[k];
            field(probe, k2);
            for (int k = 0; k < 3; ++k)
                probe[k] = state[k] + 0.5 * h * k2[k];
            field(probe, k3);
            for (int k = 0; k < 3; ++k)
                probe[k] = state[k] + h * k3[k];
            field(probe, k4);
            for (int k = 0; k < 3; ++k)
                state[k] += h / 6.0 * (k1[k] + 2 * k2[k] + 2 * k3[k] + k4[k]);
        }
        for (int k = 0; k < 3; ++k) {
            EXPECT_GT(low[k], -kVisibleHalfSize) << model.name << " display axis " << k;
            EXPECT_LT(high[k], kVisibleHalfSize) << model.name << " display axis " << k;
            const double centre = 0.5 * (low[k] + high[k]);
            const double halfWidth = 0.5 * (high[k] - low[k]);
            EXPECT_LT(std::fabs(centre), 0.15 * kVisibleHalfSize + 0.1 * halfWidth)
                << model.name << " display axis " << k << ": centre " << centre;
        }
        EXPECT_GT(std::max({high[0] - low[0], high[1] - low[1], high[2] - low[2]}), 1.5)
            << model.name << " fills the view";
    }
}

TEST(ShippedModels, RegeneratedListMatchesTheCommittedSource)
{
    TempFolder folder;
    std::string command = std::string("'") + ATTRAVA_GENLIST + "' '" + folder.file("Eqnbank.c") + "'";
    for (const ShippedModel& model : kShippedModels) {
        const std::string file = std::string(model.name) + ".txt";
        writeText(folder.file(file), readText(ATTRAVA_SOURCE_DIR "/modellib/" + file));
        command += " '" + folder.file(file) + "'";
    }
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::string committed = readText(ATTRAVA_SOURCE_DIR "/modellib/Eqnbank.c");
    ASSERT_FALSE(committed.empty());
    EXPECT_EQ(withoutDateLines(readText(folder.file("Eqnbank.c"))), withoutDateLines(committed));
}

}  // namespace
