// The presentation and pointer-tool commands: their update rules (enabled,
// checked, and the marks under "ALL View"), what each does to the target
// views, undoing initial-value drags, and large vector fields sampled on a
// worker while small ones are recorded at once.
#include "document_fixture.h"

#include "document/presentation_rules.h"

#include <chrono>
#include <thread>

namespace {

constexpr Rgba kGrey{0.5f, 0.5f, 0.5f, 1.0f};
constexpr Rgba kYellow{1.0f, 1.0f, 0.0f, 1.0f};
constexpr Rgba kGreen{0.0f, 1.0f, 0.0f, 1.0f};
constexpr Rgba kCyan{0.0f, 1.0f, 1.0f, 1.0f};

// Makes windows that stay showing, and counts them by kind.
struct CountingMaker : WindowMaker {
    std::unique_ptr<AnalysisWindow> make(WindowKind kind, const WindowLinks&) override
    {
        ++made[static_cast<int>(kind)];
        return std::make_unique<FakeWindow>(closes);
    }
    int made[kWindowKindCount] = {};
    int closes = 0;
};

class PresentationCommands : public DocumentTest {
protected:
    void SetUp() override { document.windowMaker = &maker; }
    ViewSlot& slot(int v) { return document.views[static_cast<std::size_t>(v)]; }
    // A three-variable model view with its orbit ready, without a library.
    void readyModelView(int v)
    {
        slot(v).engine.orbitReady = 1;
        slot(v).engine.recordInUse.Dimension = 3;
        slot(v).environment.dataSource = DataSource::Model;
    }

    CountingMaker maker;
};

struct RuleRow {
    const char* name;
    CommandUpdate (*rule)(const CUser&);
};

constexpr RuleRow kRules[] = {
    {"attractor structure", &attractorStructureRule},
    {"velocity distribution", &velocityDistributionRule},
    {"local Lyapunov", &localLyapunovRule},
    {"vector field", &vectorFieldRule},
    {"translation", &translationRotationRule},
    {"initial value", &initialValueInputRule},
    {"local information", &localInformationRule},
    {"axes", &axisDisplayRule},
    {"position reset", &positionResetRule},
};

TEST_F(PresentationCommands, RulesFollowTheActiveViewsOrbitModelAndState)
{
    for (const RuleRow& row : kRules)
        EXPECT_FALSE(row.rule(document).enabled) << row.name << " without an orbit";

    readyModelView(0);
    EnvironmentSettings& environment = slot(0).environment;
    environment.presentationMode = PresentationMode::LocalLyapunov;
    environment.vectorFieldOn = 1;
    environment.probeMode = 1;
    environment.pointerState = PointerState::InitialValueInput;
    environment.Axis_Flag_Display = 1;
    for (const RuleRow& row : kRules)
        EXPECT_TRUE(row.rule(document).enabled) << row.name;
    EXPECT_EQ(localLyapunovRule(document).checked, true);
    EXPECT_EQ(attractorStructureRule(document).checked, false);
    EXPECT_EQ(velocityDistributionRule(document).checked, false);
    EXPECT_EQ(vectorFieldRule(document).checked, true);
    EXPECT_EQ(translationRotationRule(document).checked, false);
    EXPECT_EQ(initialValueInputRule(document).checked, true);
    EXPECT_EQ(localInformationRule(document).checked, true);
    EXPECT_EQ(axisDisplayRule(document).checked, true);
    EXPECT_EQ(positionResetRule(document).checked, false);

    // A four-variable model has no field to show or point into.
    slot(0).engine.recordInUse.Dimension = 4;
    EXPECT_FALSE(vectorFieldRule(document).enabled);
    EXPECT_FALSE(initialValueInputRule(document).enabled);
    EXPECT_FALSE(localInformationRule(document).enabled);
    EXPECT_TRUE(localLyapunovRule(document).enabled);

    // A time series has no model to sample or start.
    slot(0).engine.recordInUse.Dimension = 3;
    environment.dataSource = DataSource::Series;
    EXPECT_FALSE(localLyapunovRule(document).enabled);
    EXPECT_FALSE(vectorFieldRule(document).enabled);
    EXPECT_FALSE(initialValueInputRule(document).enabled);
    EXPECT_TRUE(axisDisplayRule(document).enabled);
    // The structure and velocity colourings serve a reconstructed series too.
    document.showVelocityDistribution();
    EXPECT_EQ(environment.presentationMode, PresentationMode::Velocity);
    EXPECT_EQ(velocityDistributionRule(document).checked, true);
    document.showAttractorStructure();
    EXPECT_EQ(attractorStructureRule(document).checked, true);
    EXPECT_EQ(velocityDistributionRule(document).checked, false);
}

TEST_F(PresentationCommands, AllViewClearsThePresentationMarksButNotTheToolMarks)
{
    document.chooseViewCount(2);
    readyModelView(0);
    document.toggleAllViews();
    EnvironmentSettings& environment = slot(0).environment;
    environment.presentationMode = PresentationMode::LocalLyapunov;
    environment.vectorFieldOn = 1;
    environment.Axis_Flag_Display = 1;
    environment.pointerState = PointerState::TranslationRotation;
    EXPECT_EQ(localLyapunovRule(document).checked, false);
    EXPECT_EQ(vectorFieldRule(document).checked, false);
    EXPECT_EQ(axisDisplayRule(document).checked, false);
    EXPECT_EQ(positionResetRule(document).checked, false);
    EXPECT_EQ(translationRotationRule(document).checked, true);
}

TEST_F(PresentationCommands, PointerToolsSwitchOnTheActiveViewWithTheirCursorColours)
{
    readyModelView(0);
    slot(0).environment.pointerState = PointerState::None;
    document.toggleTranslationRotation();
    EXPECT_EQ(slot(0).environment.pointerState, PointerState::TranslationRotation);
    EXPECT_EQ(slot(0).cursorSphere.ambient, kYellow);
    document.toggleInitialValueInput();
    EXPECT_EQ(slot(0).environment.pointerState, PointerState::InitialValueInput);
    EXPECT_EQ(slot(0).cursorSphere.diffuse, kGreen);
    document.toggleInitialValueInput();
    EXPECT_EQ(slot(0).environment.pointerState, PointerState::None);
    EXPECT_EQ(slot(0).cursorSphere.ambient, kGrey);

    document.toggleLocalInformation();
    EXPECT_EQ(slot(0).environment.probeMode, 1);
    EXPECT_EQ(slot(0).cursorSphere.ambient, kCyan);
    // Any pointer tool ends the probe.
    document.toggleTranslationRotation();
    EXPECT_EQ(slot(0).environment.probeMode, 0);
    EXPECT_EQ(slot(0).cursorSphere.ambient, kYellow);

    document.toggleLocalInformation();
    document.toggleLocalInformation();
    EXPECT_EQ(slot(0).environment.probeMode, 0);
    EXPECT_EQ(slot(0).environment.pointerState, PointerState::TranslationRotation);
}

TEST_F(PresentationCommands, UnderAllViewTheOtherViewsTakeTheActiveTool)
{
    document.chooseViewCount(4);
    document.toggleAllViews();
    slot(0).environment.pointerState = PointerState::None;
    slot(0).objectTransform.setPosition({0.3, 0.0, 0.0});
    document.toggleInitialValueInput();
    for (int v = 1; v < 4; ++v) {
        EXPECT_EQ(slot(v).environment.pointerState, PointerState::InitialValueInput) << v;
        EXPECT_EQ(slot(v).cursorSphere.ambient, kGreen) << v;
        EXPECT_EQ(slot(v).objectTransform.position(), Vector3(0.3, 0.0, 0.0)) << v;
    }
}

TEST_F(PresentationCommands, ViewCommandsActOnceOnEachReadyTargetView)
{
    document.chooseViewCount(4);
    document.toggleAllViews();
    for (int v : {0, 1, 3})
        readyModelView(v);
    for (int v = 0; v < 4; ++v) {
        slot(v).objectTransform.setPosition({0.0, 0.4, 0.0});
        slot(v).environment.perturbation = StateVector{0.0, 1.0, 0.0, 0.0, 0.0, 0.0};
    }

    document.toggleAxes();
    document.showLocalLyapunov();
    document.toggleVectorField();
    document.resetDisplayPosition();
    for (int v : {0, 1, 3}) {
        EXPECT_EQ(slot(v).environment.Axis_Flag_Display, 1) << v;
        EXPECT_EQ(slot(v).environment.presentationMode, PresentationMode::LocalLyapunov) << v;
        EXPECT_EQ(slot(v).environment.perturbation, (StateVector{1e-8, 0, 0, 0, 0, 0})) << v;
        EXPECT_EQ(slot(v).environment.vectorFieldOn, 1) << v;
        EXPECT_TRUE(document.isAnalysisWindowOpen(static_cast<int>(WindowKind::LocalLyapunovError), v));
        EXPECT_TRUE(document.isAnalysisWindowOpen(static_cast<int>(WindowKind::PhaseSpaceSettings), v));
        EXPECT_EQ(slot(v).objectTransform.position(), Vector3()) << v;
    }
    // View 2 has no orbit: nothing changes there.
    EXPECT_EQ(slot(2).environment.Axis_Flag_Display, 0);
    EXPECT_EQ(slot(2).environment.vectorFieldOn, 0);
    EXPECT_EQ(slot(2).environment.perturbation, (StateVector{0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(slot(2).objectTransform.position(), Vector3(0.0, 0.4, 0.0));
    EXPECT_EQ(maker.made[static_cast<int>(WindowKind::LocalLyapunovError)], 3);
    EXPECT_EQ(maker.made[static_cast<int>(WindowKind::PhaseSpaceSettings)], 3);
}

TEST_F(PresentationCommands, SwitchingTheFieldOffEndsTheProbeOnly)
{
    readyModelView(0);
    document.toggleVectorField();
    document.toggleLocalInformation();
    ASSERT_EQ(slot(0).environment.probeMode, 1);
    document.toggleVectorField();
    EXPECT_EQ(slot(0).environment.vectorFieldOn, 0);
    EXPECT_EQ(slot(0).environment.probeMode, 0);
    EXPECT_EQ(slot(0).environment.pointerState, PointerState::TranslationRotation);
    EXPECT_EQ(slot(0).cursorSphere.ambient, kYellow);
    EXPECT_EQ(maker.made[static_cast<int>(WindowKind::PhaseSpaceSettings)], 1)
        << "only switching on opens the settings window";
}

class PresentationTicks : public GlDocumentTest {
protected:
    // One drag of the initial-value tool with the object frame placed so the
    // pointer is at (-x, 0, 0) in it.
    void dragTo(double x)
    {
        slot(0).objectTransform.setPosition({x, 0.0, 0.0});
        input().buttonBits = PointerInput::kLeftButton;
        for (int i = 0; i < 4; ++i)
            tick();
        input().buttonBits = 0;
        tick();
        tick();
    }
    void waitForJobs()
    {
        for (int i = 0; i < 2000 && document().jobs.busy(); ++i) {
            document().deliverFinishedJobs();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        document().deliverFinishedJobs();
    }
};

TEST_F(PresentationTicks, UndoStepsBackOneDragAtATime)
{
    ASSERT_TRUE(bindShippedModel(document(), 0, "Lorenz"));
    DynamicsEngine& engine = slot(0).engine;
    const StateVector start{1.0, 2.0, 3.0, 0.0, 0.0, 0.0};
    engine.recordInUse.Setting = start;
    slot(0).environment.pointerState = PointerState::InitialValueInput;
    EXPECT_FALSE(document().undoInitialValue()) << "nothing dragged yet";

    dragTo(0.1);
    const StateVector afterFirst = engine.recordInUse.Setting;
    ASSERT_NE(afterFirst, start);
    dragTo(0.3);
    ASSERT_NE(engine.recordInUse.Setting, afterFirst);

    ASSERT_TRUE(document().undoInitialValue());
    EXPECT_EQ(engine.recordInUse.Setting, afterFirst) << "one step per drag, not per tick";
    EXPECT_EQ(engine.orbit.front(), afterFirst) << "the orbit starts there again";
    ASSERT_TRUE(document().undoInitialValue());
    EXPECT_EQ(engine.recordInUse.Setting, start);
    EXPECT_FALSE(document().undoInitialValue());
    EXPECT_EQ(engine.recordInUse.Setting, start);
}

TEST_F(PresentationTicks, ALargeFieldIsSampledOnAWorkerAndASmallOneAtOnce)
{
    ASSERT_TRUE(bindShippedModel(document(), 0, "Lorenz"));
    EnvironmentSettings& environment = slot(0).environment;
    environment.vectorFieldOn = 1;
    environment.Vector_Flag_Display_Vector = 1;
    environment.Vector_Space_Num = 5;
    document().rebuildVectorField(0);
    EXPECT_FALSE(document().jobs.isActive(0, JobKind::VectorField));
    tick();
    EXPECT_GT(environment.colourMax, environment.colourMin);

    environment.colourMax = environment.colourMin = 0.0;
    environment.Vector_Space_Num = 30;
    document().rebuildVectorField(0);
    EXPECT_TRUE(document().jobs.isActive(0, JobKind::VectorField));
    tick();
    waitForJobs();
    ASSERT_FALSE(document().jobs.busy());
    tick();
    EXPECT_GT(environment.colourMax, environment.colourMin) << "the worker's field is drawn";
}

} // namespace
