// The whole-field function of each shipped model against its model function
// called once per derivative: orbits (fixed and automatic interval) and
// Lyapunov spectra must be the same bit for bit.
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
        ASSERT_NE(field, nullptr) << name;

        for (const int automatic : {0, 1}) {
            engine.recordInUse.Auto_Sampling_Interval_Flag = automatic;
            engine.binding.vectorField = field;
            const Computed whole = computeBoth(engine);
            engine.binding.vectorField = nullptr;
            const Computed selector = computeBoth(engine);
            EXPECT_EQ(whole.valid, selector.valid) << name;
            EXPECT_GT(whole.valid, 1000) << name;
            EXPECT_TRUE(whole.orbit == selector.orbit) << name << " automatic " << automatic;
            EXPECT_TRUE(whole.spectrum == selector.spectrum) << name << " automatic " << automatic;
        }
    }
}

}  // namespace
