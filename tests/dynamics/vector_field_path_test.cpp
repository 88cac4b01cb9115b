// The whole-field function of each shipped model, and the library's
// Runge-Kutta step over it, against its model function called once per
// derivative: orbits (fixed and automatic interval) and Lyapunov spectra must
// be the same bit for bit.
#include "dynamics/dynamics_engine.h"
#include "models/reporter.h"

#include <gtest/gtest.h>

namespace {

struct Computed {
    std::vector<StateVector> orbit;
    int valid = 0;
    StateVector spectrum;
};

Computed computeBoth(DynamicsEngine& engine)
{
    engine.computeOrbit();
    Computed run{engine.orbit, engine.recordInUse.validPointCount, {}};
    run.spectrum = engine.lyapunovSpectrum();
    return run;
}

TEST(VectorFieldPath, ShippedModelsGiveTheSameOrbitsAndSpectraAsTheSelectorPath)
{
    for (const char* name : {"Lorenz", "Ressler", "ChenUeta", "Chua_Circuit", "Langford",
                             "ResslerHyperchaos"}) {
        DynamicsEngine engine;
        CollectingReporter reporter;
        engine.recordEdited.ModelName = name;
        engine.recordEdited.ModelFileDir = std::string(ATTRAVA_PROGRAM_DIR "/model/") + name + ".txt";
        ASSERT_TRUE(engine.recordEdited.Read(reporter)) << name;
        engine.recordEdited.Sampling_Point = 3000;
        engine.applyEditedRecord();
        std::string error;
        ASSERT_TRUE(engine.Bind(ATTRAVA_PROGRAM_DIR "/Eqnbank.so", &error)) << error;
        engine.loadParameters();
        const VectorFieldFunction field = engine.binding.vectorField;
        const StepFunction step = engine.binding.rungeKuttaStep;
        ASSERT_NE(field, nullptr) << name;
        ASSERT_NE(step, nullptr) << name;

        for (const int automatic : {0, 1}) {
            engine.recordInUse.Auto_Sampling_Interval_Flag = automatic;
            engine.binding.vectorField = nullptr;
            engine.binding.rungeKuttaStep = nullptr;
            const Computed selector = computeBoth(engine);
            EXPECT_GT(selector.valid, 1000) << name;
            // The field called per stage, then the library's whole step.
            engine.binding.vectorField = field;
            for (const StepFunction librarySteps : {StepFunction{}, step}) {
                engine.binding.rungeKuttaStep = librarySteps;
                const Computed fast = computeBoth(engine);
                const bool stepping = librarySteps != nullptr;
                EXPECT_EQ(fast.valid, selector.valid) << name;
                EXPECT_TRUE(fast.orbit == selector.orbit)
                    << name << " automatic " << automatic << " library step " << stepping;
                EXPECT_TRUE(fast.spectrum == selector.spectrum)
                    << name << " automatic " << automatic << " library step " << stepping;
            }
        }
    }
}

}  // namespace
