// Command table integrity, the command router, and the stereo screen search
// and camera layout.
#include "shell/command_ids.h"
#include "shell/command_router.h"
#include "shell/command_table.h"
#include "shell/stereo_layout.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace {

void collectCommands(const std::vector<MenuEntry>& entries, std::multiset<int>& ids)
{
    for (const MenuEntry& entry : entries) {
        if (entry.kind == MenuEntry::Kind::Command)
            ids.insert(entry.id);
        collectCommands(entry.children, ids);
    }
}

std::multiset<int> commandsOf(const std::vector<MenuEntry>& layout)
{
    std::multiset<int> ids;
    collectCommands(layout, ids);
    return ids;
}

}  // namespace

TEST(CommandTable, IdsAreUniqueAndEveryMenuItemIsInTheTable)
{
    std::set<int> ids;
    for (const CommandInfo& info : commandTable())
        EXPECT_TRUE(ids.insert(info.id).second) << "duplicate id " << info.id;
    for (int id : commandsOf(mainMenuLayout()))
        EXPECT_NE(findCommand(id), nullptr) << id;
    for (int id : commandsOf(contextMenuLayout()))
        EXPECT_NE(findCommand(id), nullptr) << id;
    for (int id : toolbarLayout()) {
        if (id != 0) {
            EXPECT_NE(findCommand(id), nullptr) << id;
        }
    }
}

TEST(CommandTable, EachMenuShowsEachCommandOnceAndOnlyTheListedOnesAreMissing)
{
    const std::multiset<int> main = commandsOf(mainMenuLayout());
    const std::multiset<int> context = commandsOf(contextMenuLayout());
    for (const CommandInfo& info : commandTable()) {
        const int id = info.id;
        // The one-view analysis starts and the gap dialog are offered by
        // the view's context menu alone.
        const bool contextOnly = id == CommandId::ModelAnalysisSingleView ||
                                 id == CommandId::SeriesAnalysisSingleView || id == CommandId::StereoGap;
        EXPECT_EQ(main.count(id), contextOnly ? 0u : 1u) << id;
        EXPECT_EQ(context.count(id), 1u) << id;
    }
}

TEST(CommandTable, StatusTextSplitsIntoStatusBarAndTooltip)
{
    const CommandInfo* move = findCommand(CommandId::TranslateRotate);
    ASSERT_NE(move, nullptr);
    EXPECT_EQ(statusBarPart(move->statusText), "ポインタによるオブジェクトの移動と回転");
    EXPECT_EQ(tooltipPart(move->statusText), "移動・回転");
    const CommandInfo* normal = findCommand(CommandId::DisplayNormal);
    ASSERT_NE(normal, nullptr);
    EXPECT_EQ(statusBarPart(normal->statusText), "CRTディスプレイを使用する");
    EXPECT_EQ(tooltipPart(normal->statusText), "");
    const CommandInfo* smallest = findCommand(33883);
    ASSERT_NE(smallest, nullptr);
    EXPECT_EQ(smallest->statusText, "x 0.001\nx 0.001");
}

TEST(CommandTable, ScaleItemsRunFromLargestToSmallest)
{
    const auto& scales = scaleCommands();
    EXPECT_EQ(scales.front().id, 33792);
    EXPECT_EQ(scales.back().id, 33883);
    for (std::size_t i = 1; i < scales.size(); ++i)
        EXPECT_LT(scales[i].value, scales[i - 1].value) << scales[i].menuText;
}

TEST(CommandRouter, CommandWithoutHandlerIsDisabledButKeepsItsRuleCheckMark)
{
    CommandRouter router;
    EXPECT_FALSE(router.state(CommandId::DevicePhantom).enabled);
    router.setUpdateRule(CommandId::DevicePhantom, [] { return CommandState{true, true}; });
    const CommandState state = router.state(CommandId::DevicePhantom);
    EXPECT_FALSE(state.enabled);
    EXPECT_EQ(state.checked, std::optional<bool>(true));
    EXPECT_FALSE(router.execute(CommandId::DevicePhantom));
}

TEST(CommandRouter, HandlerRunsOnlyWhileItsRuleEnablesIt)
{
    CommandRouter router;
    int runs = 0;
    bool enabled = true;
    router.setHandler(CommandId::AxisDisplay, [&] { ++runs; });
    EXPECT_TRUE(router.state(CommandId::AxisDisplay).enabled);
    EXPECT_FALSE(router.state(CommandId::AxisDisplay).checked.has_value());
    EXPECT_TRUE(router.execute(CommandId::AxisDisplay));
    router.setUpdateRule(CommandId::AxisDisplay, [&] { return CommandState{enabled, std::nullopt}; });
    enabled = false;
    EXPECT_FALSE(router.execute(CommandId::AxisDisplay));
    enabled = true;
    EXPECT_TRUE(router.execute(CommandId::AxisDisplay));
    EXPECT_EQ(runs, 2);
    router.setHandler(CommandId::AxisDisplay, {});
    EXPECT_FALSE(router.execute(CommandId::AxisDisplay));
    EXPECT_EQ(runs, 2);
}

TEST(CommandRouter, HandlerMayReplaceItselfWhileRunning)
{
    CommandRouter router;
    int firstRuns = 0;
    router.setHandler(CommandId::AllViews, [&] {
        ++firstRuns;
        router.setHandler(CommandId::AllViews, [] {});
    });
    EXPECT_TRUE(router.execute(CommandId::AllViews));
    EXPECT_TRUE(router.execute(CommandId::AllViews));
    EXPECT_EQ(firstRuns, 1);
}

TEST(StereoCandidates, KeepsLastMatchOfEachDepthBestDepthFirstWithTheModeRefreshRate)
{
    const std::vector<ScreenMode> offered = {
        {1024, 768, 16, 60}, {1024, 768, 32, 60}, {800, 600, 32, 60},
        {1024, 768, 32, 85}, {1024, 768, 8, 75},  {1280, 480, 24, 60},
    };
    const std::vector<ScreenMode> upDown = stereoCandidates(DisplayMode::UpDown, offered);
    ASSERT_EQ(upDown.size(), 2u);
    EXPECT_EQ(upDown[0], (ScreenMode{1024, 768, 32, 75}));
    EXPECT_EQ(upDown[1], (ScreenMode{1024, 768, 16, 75}));
    const std::vector<ScreenMode> leftRight = stereoCandidates(DisplayMode::LeftRight, offered);
    ASSERT_EQ(leftRight.size(), 1u);
    EXPECT_EQ(leftRight[0], (ScreenMode{1280, 480, 24, 70}));
}

TEST(StereoCandidates, EightBitOnlyOrBeyondTheSearchedEntriesIsNoMatch)
{
    EXPECT_TRUE(stereoCandidates(DisplayMode::UpDown, {{1024, 768, 8, 75}}).empty());
    std::vector<ScreenMode> offered(512, ScreenMode{640, 480, 32, 60});
    offered.push_back({1024, 768, 32, 75});
    EXPECT_TRUE(stereoCandidates(DisplayMode::UpDown, offered).empty());
    offered[511] = {1024, 768, 24, 60};
    EXPECT_EQ(stereoCandidates(DisplayMode::UpDown, offered).size(), 1u);
}

TEST(StereoFailure, MessagesNameTheRequestedResolution)
{
    EXPECT_EQ(stereoFailureMessage(DisplayMode::UpDown),
              "この機種では1024 x 768 ハイカラー以上の解像度に変更できません。");
    EXPECT_EQ(stereoFailureMessage(DisplayMode::LeftRight),
              "この機種では1280 x 480 ハイカラー以上の解像度に変更できません。");
}

TEST(StereoLayout, UpDownWithAThirtyPixelGapOn768Lines)
{
    const StereoLayout layout = computeStereoLayout(DisplayMode::UpDown, 1024, 768, 30.0, 0.03);
    EXPECT_EQ(layout.cameraA.viewport, (StereoViewport{0, 414, 1024, 369}));
    EXPECT_EQ(layout.cameraB.viewport, (StereoViewport{0, 0, 1024, 369}));
    for (const StereoCamera* camera : {&layout.cameraA, &layout.cameraB}) {
        EXPECT_DOUBLE_EQ(camera->fieldOfView, 40.0);
        EXPECT_DOUBLE_EQ(camera->aspect, 1024.0 / 768.0);
        EXPECT_EQ(camera->nearPlane, static_cast<double>(0.1f));
        EXPECT_DOUBLE_EQ(camera->farPlane, 20.0);
    }
    EXPECT_EQ(layout.cameraA.position, (Vector3{-0.03, 0.0, 5.0}));
    EXPECT_EQ(layout.cameraB.position, (Vector3{0.03, 0.0, 5.0}));
}

TEST(StereoLayout, UpDownTruncatesFractionalGapsTowardZero)
{
    // h = 384; 384 + 15.9 = 399.9 -> 399 and 384 - 7.95 = 376.05 -> 376.
    const StereoLayout layout = computeStereoLayout(DisplayMode::UpDown, 1024, 768, 15.9, 0.5);
    EXPECT_EQ(layout.cameraA.viewport, (StereoViewport{0, 399, 1024, 376}));
    EXPECT_EQ(layout.cameraB.viewport, (StereoViewport{0, 0, 1024, 376}));
    // An odd line count: h = 383 for 767 lines, no gap gives two equal halves.
    const StereoLayout odd = computeStereoLayout(DisplayMode::UpDown, 1024, 767, 0.0, 0.0);
    EXPECT_EQ(odd.cameraA.viewport, (StereoViewport{0, 383, 1024, 383}));
    EXPECT_EQ(odd.cameraA.position, odd.cameraB.position);
}

TEST(StereoLayout, LeftRightSplitsTheScreenIntoTwoHalves)
{
    const StereoLayout layout = computeStereoLayout(DisplayMode::LeftRight, 1280, 480, 30.0, 0.4);
    EXPECT_EQ(layout.cameraA.viewport, (StereoViewport{0, 0, 640, 480}));
    EXPECT_EQ(layout.cameraB.viewport, (StereoViewport{640, 0, 640, 480}));
    EXPECT_DOUBLE_EQ(layout.cameraA.aspect, 640.0 / 480.0);
    EXPECT_EQ(layout.cameraB.nearPlane, static_cast<double>(0.1f));
}

TEST(StereoLayout, BothModesSetTheEyesApartAroundTheSingleViewsCamera)
{
    // The single view looks from (0, 0, 5) at the origin; each stereo eye
    // sits beside that camera and looks the same way, so it sees what the
    // single view shows. Left/right keeps its fixed 0.6 eye separation.
    const Vector3 eye{0.0, 0.0, 5.0};
    const Vector3 lookAt{0.0, 0.0, 0.0};
    const StereoLayout upDown = computeStereoLayout(DisplayMode::UpDown, 1024, 768, 16.0, 0.25);
    const StereoLayout leftRight = computeStereoLayout(DisplayMode::LeftRight, 1280, 480, 16.0, 0.25);
    for (const auto& [layout, separation] : {std::pair{upDown, 0.5}, std::pair{leftRight, 0.6}}) {
        const StereoCamera& a = layout.cameraA;
        const StereoCamera& b = layout.cameraB;
        EXPECT_DOUBLE_EQ(b.position.x - a.position.x, separation);
        for (int k = 0; k < 3; ++k) {
            EXPECT_DOUBLE_EQ((a.position[k] + b.position[k]) / 2, eye[k]) << k;
            EXPECT_DOUBLE_EQ((a.lookAt[k] + b.lookAt[k]) / 2, lookAt[k]) << k;
            EXPECT_DOUBLE_EQ(a.lookAt[k] - a.position[k], lookAt[k] - eye[k]) << k;
            EXPECT_DOUBLE_EQ(b.lookAt[k] - b.position[k], lookAt[k] - eye[k]) << k;
        }
    }
}
