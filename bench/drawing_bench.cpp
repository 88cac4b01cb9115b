// Speed of the attractor display on Mesa's software renderer, drawn like an
// on-screen view: into the back buffer of a double-buffered X window of the
// full window size (run under xvfb-run). For Lorenz orbits of 10,000,
// 100,000 and 500,000 points in the shaded (pseudo-tube) style it times
// recording the display list together with drawing one frame, and drawing
// one frame from the recorded list alone; the difference is the recording.
// Then it times one drawing tick of four views (viewports of a 1280 x 1024
// window) with 10,000-point orbits, floor and outline, recorded once and
// replayed, including the buffer swap, and prints its ratio to the 33 ms tick
// (target <= 1). Last, it times rebuilding a 20 x 20 x 20 vector field of
// Lorenz (sampling, recording and drawing one frame) as dots and as
// streamlines with arrowheads.
#include "dynamics/dynamics_engine.h"
#include "view3d/objects/active_view_marker.h"
#include "view3d/objects/orbit_object.h"
#include "view3d/objects/renderer_heap.h"
#include "view3d/objects/room_object.h"
#include "view3d/objects/vector_field_object.h"
#include "view3d/objects/view_light.h"
#include "view3d/scene/camera.h"
#include "view3d/scene/gl_state.h"
#include "view3d/scene/light.h"
#include "view3d/scene/world.h"
#include "settings/environment_settings.h"
#include "gl_window.h"
#include "median_reporter.h"

#include <GL/glx.h>
#include <X11/Xlib.h>
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

std::string benchmarkName(const char* kind, int points)
{
    return std::string(kind) + '/' + std::to_string(points);
}

constexpr double kTickMs = 33.0;

Surface surface;

double lorenz(int* dimension, double* v, double* p, double*)
{
    switch (dimension[0]) {
    case 0: return p[0] * (v[1] - v[0]);
    case 1: return -v[0] * v[2] + p[1] * v[0] - v[1];
    default: return v[0] * v[1] - p[2] * v[2];
    }
}

// One view as the document builds it: camera, light 0, floor, outline and
// the attractor of a computed Lorenz orbit in the shaded style.
struct View {
    DynamicsEngine engine;
    EnvironmentSettings environment;
    CWorld world;
    CCamera camera;
    CLight light;
    std::unique_ptr<CRoomObject> room;
    std::unique_ptr<CActiveViewMarker> marker;
    std::unique_ptr<COrbitObject> orbit;

    View(int points, int x, int y, int width, int height)
    {
        ModelRecord& record = engine.recordEdited;
        record.Dimension = 3;
        record.Parameter = 3;
        record.Parameter_Default[0] = 10.0;
        record.Parameter_Default[1] = 28.0;
        record.Parameter_Default[2] = 8.0 / 3.0;
        record.Setting = StateVector(1.0, 1.0, 20.0, 0.0, 0.0, 0.0);
        record.Sampling_Point = points;
        engine.applyEditedRecord();
        engine.binding.BindFunction(lorenz, 3, 3);
        engine.loadParameters();
        engine.computeOrbit();

        environment.presentationMode = PresentationMode::Structure;
        environment.dataSource = DataSource::Model;
        environment.scale = 0.25; // about two scene units across, as after a fit
        camera.setViewport(x, y, width, height);
        camera.setPerspective(40.0, static_cast<double>(width) / height, 0.1, 100.0);
        configureViewLight(light);
        room = std::make_unique<CRoomObject>(environment);
        marker = std::make_unique<CActiveViewMarker>([] { return true; });
        orbit = std::make_unique<COrbitObject>(engine, environment);
        world.registerCamera(camera);
        world.registerLight(light);
        world.registerObject(*room);
        world.registerObject(*marker);
        world.registerObject(*orbit);
    }
};

View& singleView(int points)
{
    static std::array<std::unique_ptr<View>, 3> views;
    const int slot = points == 10000 ? 0 : (points == 100000 ? 1 : 2);
    if (!views[slot])
        views[slot] = std::make_unique<View>(points, 0, 0, kWindowWidth / 2, kWindowHeight / 2);
    return *views[slot];
}

void recordAndDraw(benchmark::State& state)
{
    View& view = singleView(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        view.orbit->rebuild();
        view.world.draw(true);
        glFinish();
    }
}

void drawRecorded(benchmark::State& state)
{
    View& view = singleView(static_cast<int>(state.range(0)));
    view.world.draw(true);
    glFinish();
    for (auto _ : state) {
        view.world.draw(true);
        glFinish();
    }
}

void fourViewTick(benchmark::State& state)
{
    static std::array<std::unique_ptr<View>, 4> views;
    const int w = kWindowWidth / 2, h = kWindowHeight / 2;
    for (int v = 0; v < 4; ++v) {
        if (!views[v])
            views[v] = std::make_unique<View>(10000, (v % 2) * w, (1 - v / 2) * h, w, h);
    }
    const auto tick = [&] {
        for (int v = 0; v < 4; ++v)
            views[v]->world.draw(v == 0);
        glXSwapBuffers(surface.display, surface.window);
        glFinish();
    };
    tick();
    for (auto _ : state)
        tick();
}

// The vector field of a Lorenz view alone in its world, rebuilt and drawn.
void vectorFieldRebuild(benchmark::State& state)
{
    static std::unique_ptr<View> view;
    static std::unique_ptr<CVectorFieldObject> field;
    if (!view) {
        view = std::make_unique<View>(10000, 0, 0, kWindowWidth / 2, kWindowHeight / 2);
        view->world.unregisterObject(*view->orbit);
        view->engine.recordInUse.Phase_Space_Sise = 3.0;
        view->engine.recordInUse.Phase_Space_Position = StateVector(0.0, 0.0, 25.0, 0.0, 0.0, 0.0);
        view->environment.vectorFieldOn = 1;
        view->environment.Vector_Space_Num = 20;
        field = std::make_unique<CVectorFieldObject>(view->engine, view->environment);
        view->world.registerObject(*field);
    }
    view->environment.Vector_Flag_Display_Vector = static_cast<int>(state.range(0));
    for (auto _ : state) {
        field->rebuild();
        view->world.draw(true);
        glFinish();
    }
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    // As the program does at start-up; without it every frame re-faults the
    // software renderer's freed memory (run with --plain-heap to see).
    bool plainHeap = false;
    for (int k = 1; k < argc; ++k)
        plainHeap = plainHeap || std::string(argv[k]) == "--plain-heap";
    if (!plainHeap)
        keepRendererHeap();
    if (!makeContextCurrent(surface)) {
        std::fprintf(stderr, "no double-buffered OpenGL window (run under xvfb-run)\n");
        return 1;
    }
    initSceneGlobalState();
    std::printf("renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));

    const int sizes[] = {10000, 100000, 500000};
    for (int n : sizes) {
        benchmark::RegisterBenchmark(benchmarkName("recordAndDraw", n).c_str(), recordAndDraw)
            ->Arg(n)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime()->Repetitions(5);
        benchmark::RegisterBenchmark(benchmarkName("drawRecorded", n).c_str(), drawRecorded)
            ->Arg(n)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime()->Repetitions(5);
    }
    benchmark::RegisterBenchmark("fourViewTick/10000", fourViewTick)
        ->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime()->Repetitions(5);

    benchmark::RegisterBenchmark("vectorFieldDots/8000", vectorFieldRebuild)
        ->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime()->Repetitions(5);
    benchmark::RegisterBenchmark("vectorFieldStreamlines/8000", vectorFieldRebuild)
        ->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime()->Repetitions(5);

    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    // Real time is what the tick sees; the process CPU time (every renderer
    // thread included) is the steadier figure on a loaded machine.
    std::printf("\nShaded attractor, medians in ms (real | process CPU):\n");
    for (int n : sizes) {
        const std::string both = benchmarkName("recordAndDraw", n);
        const std::string draw = benchmarkName("drawRecorded", n);
        const double recordReal = reporter.median(both) - reporter.median(draw);
        const double recordCpu = reporter.cpuMedian(both) - reporter.cpuMedian(draw);
        std::printf("  %6d points: record + draw %8.2f | %8.2f  draw %8.2f | %8.2f  "
                    "record %8.2f | %8.2f  (%.0f | %.0f ns per point)\n",
                    n, reporter.median(both), reporter.cpuMedian(both), reporter.median(draw),
                    reporter.cpuMedian(draw), recordReal, recordCpu, recordReal * 1e6 / n,
                    recordCpu * 1e6 / n);
    }
    const double tick = reporter.median("fourViewTick/10000");
    const double tickCpu = reporter.cpuMedian("fourViewTick/10000");
    std::printf("Four views x 10000 points, one tick: %.2f ms real, %.2f ms CPU; ratio to the "
                "%.0f ms tick: real %.3f, CPU %.3f (target <= 1)\n",
                tick, tickCpu, kTickMs, tick / kTickMs, tickCpu / kTickMs);
    std::printf("Vector field 20 x 20 x 20, rebuild and one frame: dots %.2f ms real, %.2f ms CPU; "
                "streamlines %.2f ms real, %.2f ms CPU\n",
                reporter.median("vectorFieldDots/8000"), reporter.cpuMedian("vectorFieldDots/8000"),
                reporter.median("vectorFieldStreamlines/8000"),
                reporter.cpuMedian("vectorFieldStreamlines/8000"));
    return 0;
}
