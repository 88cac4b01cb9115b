// The program's start options: models and presentation modes per view, the
// view count, the colour axis, the embedding options that switch the splash
// off, the forms the parser reads, and the refusal of anything else with a
// message naming it.
#include "shell/start_options.h"

#include <gtest/gtest.h>

namespace {

StartOptionsResult parse(std::vector<std::string> arguments)
{
    return parseStartOptions(arguments);
}

}  // namespace

TEST(StartOptions, WithoutArgumentsNothingIsShownButTheSplash)
{
    const StartOptionsResult result = parse({});
    EXPECT_TRUE(result.error.empty());
    EXPECT_TRUE(result.options.splashEnabled);
    EXPECT_FALSE(result.options.viewCount.has_value());
    EXPECT_EQ(result.options.modelOfView(0), "");
    EXPECT_EQ(result.options.presentationModeOfView(0), 1);
}

TEST(StartOptions, TheLastModelAndModeFillTheRemainingViews)
{
    const StartOptionsResult result =
        parse({"--view-count", "4", "--model", "Lorenz,Ressler", "--presentation", "3,5,1", "--colour-axis", "2",
               "--lang", "en"});
    ASSERT_TRUE(result.error.empty()) << result.error;
    const StartOptions& options = result.options;
    EXPECT_EQ(options.viewCount, 4);
    EXPECT_EQ(options.modelOfView(0), "Lorenz");
    EXPECT_EQ(options.modelOfView(1), "Ressler");
    EXPECT_EQ(options.modelOfView(3), "Ressler");
    EXPECT_EQ(options.presentationModeOfView(0), 3);
    EXPECT_EQ(options.presentationModeOfView(1), 5);
    EXPECT_EQ(options.presentationModeOfView(2), 1);
    EXPECT_EQ(options.presentationModeOfView(8), 1);
    EXPECT_EQ(options.colourAxis, 2);
    EXPECT_EQ(options.language, InterfaceLanguage::English);
}

TEST(StartOptions, EmbeddingStartsHaveNoSplashAndHelpIsFound)
{
    EXPECT_FALSE(parse({"-Embedding"}).options.splashEnabled);
    EXPECT_FALSE(parse({"/automation"}).options.splashEnabled);
    EXPECT_TRUE(asksForHelp({"--model", "Lorenz", "-h"}));
    EXPECT_FALSE(asksForHelp({"--model", "Lorenz"}));
}

TEST(StartOptions, WrongArgumentsAreRefusedByName)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--view-count", "3"}, "\"3\""},
        {{"--view-count", "4x"}, "\"4x\""},
        {{"--presentation", "1,2"}, "\"2\""},
        {{"--colour-axis", "4"}, "\"4\""},
        {{"--lang", "de"}, "\"de\""},
        {{"--model"}, "--model needs a value"},
        {{"--model", "Lorenz,"}, "empty model name"},
        {{"--scale", "2"}, "unknown argument: --scale"},
    };
    for (const auto& [arguments, named] : cases) {
        const StartOptionsResult result = parseStartOptions(arguments);
        EXPECT_NE(result.error.find(named), std::string::npos)
            << "arguments " << arguments[0] << ": error \"" << result.error << "\" should name " << named;
    }
}

TEST(StartOptions, OptionsTakeTheirValueAfterAnEqualsSignAndTheLastOneHolds)
{
    const StartOptionsResult result =
        parse({"--view-count=2", "--model", "Lorenz", "--model=Ressler", "-colour-axis", "1"});
    ASSERT_TRUE(result.error.empty()) << result.error;
    EXPECT_EQ(result.options.viewCount, 2);
    EXPECT_EQ(result.options.modelOfView(0), "Ressler");
    EXPECT_EQ(result.options.colourAxis, 1);
    EXPECT_EQ(parse({"--scale=2"}).error, "unknown argument: --scale=2");
}
