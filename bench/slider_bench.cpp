// Speed of one step of a parameter slider in the document, drawn like an
// on-screen view (run under xvfb-run): the value in use changes, the document
// recomputes the orbit (within the tick up to 10,000 points, on a worker
// beyond), rebuilds the orbit display and draws the frame. Timed for the
// shipped Lorenz and ResslerHyperchaos at 10,000 and 100,000 points, against
// a plain drawing tick of the same view measured in the same run; the ratio
// step / tick and the step's share of the 33 ms tick are printed.
#include "document/user_document.h"
#include "models/reporter.h"
#include "settings/profile_file.h"
#include "view3d/objects/renderer_heap.h"
#include "view3d/scene/gl_state.h"

#include "gl_window.h"
#include "median_reporter.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

namespace {

constexpr double kTickMs = 33.0;
const std::string kProgramFolder = ATTRAVA_PROGRAM_DIR "/";

Surface surface;

class NoPointer : public PointerInput {
public:
    std::optional<ScreenPoint> cursorPosition() override { return std::nullopt; }
    unsigned buttons() override { return 0; }
    unsigned modifiers() override { return 0; }
};

// A document showing one shipped model in view 0 at the full window size.
struct ShownModel {
    ProfileFile settings{std::filesystem::temp_directory_path() / "attrava-slider-bench-absent" /
                         "Attrava.ini"};
    CollectingReporter reporter;
    NoPointer input;
    CUser document{settings, reporter, kProgramFolder, input};

    ShownModel(const std::string& name, int points)
    {
        document.initialiseScenes();
        document.modelListPath = kProgramFolder + "model/Eqnbank.c";
        ViewSlot& slot = document.views[0];
        ModelRecord& record = slot.engine.recordEdited;
        record.ModelFileDir = kProgramFolder + "model/" + name + ".txt";
        if (!record.Read(reporter))
            std::fprintf(stderr, "cannot read %s\n", record.ModelFileDir.c_str());
        record.ModelName = name;
        record.Sampling_Point = points;
        if (!document.bindModel(0))
            std::fprintf(stderr, "cannot bind %s\n", name.c_str());
        slot.environment.dataSource = DataSource::Model;
        slot.environment.presentationMode = PresentationMode::Structure;
        slot.engine.computeOrbit();
        slot.placeObjectsAtDisplayPosition();
        document.layoutViews(kWindowWidth, kWindowHeight);
        slot.environment.rebuildLevel = RebuildLevel::VectorField;
        tick();
    }

    void tick()
    {
        document.drawAllViews(true);
        glXSwapBuffers(surface.display, surface.window);
        glFinish();
    }

    // The first parameter moves by one slider step and back on alternate
    // calls; the document then draws the recomputed orbit.
    void sliderStep()
    {
        ModelRecord& record = document.views[0].engine.recordInUse;
        const double step = (record.Parameter_Max[0] - record.Parameter_Min[0]) * 0.001;
        record.Parameter_Default[0] += forward_ ? step : -step;
        forward_ = !forward_;
        document.requestParameterRecompute(0);
        document.runParameterRecomputes();
        while (document.jobs.busy()) {
            document.deliverFinishedJobs();
            std::this_thread::sleep_for(std::chrono::microseconds(50));
        }
        tick();
    }

private:
    bool forward_ = true;
};

std::string caseName(const char* kind, const char* model, int points)
{
    return std::string(kind) + '/' + model + '/' + std::to_string(points);
}

void plainTick(benchmark::State& state, const char* model, int points)
{
    ShownModel shown(model, points);
    for (auto _ : state)
        shown.tick();
}

void sliderStep(benchmark::State& state, const char* model, int points)
{
    ShownModel shown(model, points);
    for (auto _ : state)
        shown.sliderStep();
    if (!shown.reporter.failures.empty() || shown.document.views[0].engine.orbitReady != 1)
        state.SkipWithError("the model did not start");
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    keepRendererHeap();
    if (!makeContextCurrent(surface)) {
        std::fprintf(stderr, "no double-buffered OpenGL window (run under xvfb-run)\n");
        return 1;
    }
    initSceneGlobalState();

    const char* models[] = {"Lorenz", "ResslerHyperchaos"};
    const int sizes[] = {10000, 100000};
    for (const char* model : models) {
        for (int n : sizes) {
            benchmark::RegisterBenchmark(caseName("sliderStep", model, n).c_str(), sliderStep, model, n)
                ->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime()->Repetitions(5);
            benchmark::RegisterBenchmark(caseName("plainTick", model, n).c_str(), plainTick, model, n)
                ->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime()->Repetitions(5);
        }
    }
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    // Real time is what the user waits; the process CPU time (the worker
    // and the renderer's threads included) is the steadier figure on a
    // loaded machine.
    std::printf("\nOne slider step to the redrawn view, medians in ms (real | process CPU):\n");
    for (const char* model : models) {
        for (int n : sizes) {
            const std::string stepName = caseName("sliderStep", model, n);
            const std::string tickName = caseName("plainTick", model, n);
            const double step = reporter.median(stepName);
            const double stepCpu = reporter.cpuMedian(stepName);
            const double tick = reporter.median(tickName);
            const double tickCpu = reporter.cpuMedian(tickName);
            std::printf("  %-17s %6d points: step %8.2f | %8.2f  plain tick %8.2f | %8.2f  "
                        "ratio step/tick %5.2f | %5.2f  step / %.0f ms tick %5.2f | %5.2f%s\n",
                        model, n, step, stepCpu, tick, tickCpu, step / tick, stepCpu / tickCpu, kTickMs,
                        step / kTickMs, stepCpu / kTickMs, n <= kLiveOrbitPoints ? " (target <= 1)" : "");
        }
    }
    return 0;
}
