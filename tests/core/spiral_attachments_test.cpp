#include <gtest/gtest.h>

#include <string>

#include "scene/composer.h"
#include "support/creatures.h"

namespace vermora {
namespace {

using test::CountLines;
using test::Scene;
using namespace test;

// A short SpiralWorm so the goldens stay readable.

TEST(SpiralAttachmentsTest, BranchLevelsAreDeclaredInOrderAndRecursive) {
  const std::string scene = Scene(Branches());
  const size_t w0 = scene.find("#declare W0 = ");
  const size_t b1 = scene.find("#declare Branch1 = ");
  const size_t w1 = scene.find("#declare W1 = ");
  const size_t b2 = scene.find("#declare Branch2 = ");
  const size_t w2 = scene.find("#declare W2 = ");
  ASSERT_NE(w2, std::string::npos);
  EXPECT_TRUE(w0 < b1 && b1 < w1 && w1 < b2 && b2 < w2);
  EXPECT_EQ(CountLines(scene, " W0"), 3u);
  EXPECT_EQ(CountLines(scene, " W1"), 3u);
  // Steps 4, 8 and 12 carry a ring in each branched level.
  EXPECT_EQ(CountLines(scene, "  object { Branch1"), 3u);
  EXPECT_EQ(CountLines(scene, "  object { Branch2"), 3u);
  EXPECT_NE(scene.find("#declare JWorm =\r\n  object { W2\r\n"), std::string::npos);

  ParameterSet fractional = Branches();
  fractional.SetText("EdBranchTrigger", "2.5");
  EXPECT_EQ(CountLines(Scene(fractional), "  object { Branch1"), 0u);
}

TEST(SpiralAttachmentsTest, SingleMemberRingsGetTheDummySphere) {
  ParameterSet set = Branches();
  set.SetOn("ChkWormAsBranch", false);
  set.SetText("edBRLevel", "2");  // the switch put it back to 1
  set.SetText("EdBranchNumber", "1");
  std::string scene = Scene(set);
  EXPECT_NE(scene.find("#declare PredBranch =  object {Spik3}\r\n \r\n"), std::string::npos);
  EXPECT_EQ(CountLines(scene, "   sphere{ <0, 0, 0>, 0.001}"), 2u);
  EXPECT_EQ(CountLines(scene, "  PredBranch"), 2u);

  set = TopStacks();
  set.SetText("EdTopVNumber", "1");
  scene = Scene(set);
  EXPECT_EQ(CountLines(scene, " #declare TotTops = union { "), 1u);
  EXPECT_EQ(CountLines(scene, "   sphere{ <0, 0, 0>, 0.001}"), 1u);
}

TEST(SpiralAttachmentsTest, TopStacksShrinkButNotBelowAHundredth) {
  std::string scene = Scene(TopStacks());
  EXPECT_EQ(CountLines(scene, " #declare TotTops = union { "), 3u);
  const std::string placed = "  object {TotTops\r\n  texture {pigment {color red 1 green 1 blue 1}}\r\n";
  auto stack_scaled = [&](const std::string& scene, const char* f) {
    return scene.find(placed + "  scale <" + f + ", " + f + ", " + f + ">") != std::string::npos;
  };
  for (const char* f : {"1.000", "0.833", "0.667"}) EXPECT_TRUE(stack_scaled(scene, f)) << f;
  ParameterSet set = TopStacks();
  set.SetText("EdTopVScaleF", "9");
  EXPECT_TRUE(stack_scaled(Scene(set), "0.010"));
}

TEST(SpiralAttachmentsTest, HeartScaleIsTheTypedText) {
  const std::string scene = Scene(TopHeart());
  EXPECT_NE(scene.find("#declare TopHart =  object {Bol}\r\n \r\n"), std::string::npos);
  EXPECT_EQ(CountLines(scene, "  scale <1.50, 1.50, 1.50>"), 1u);
  EXPECT_NE(scene.find("#declare JWorm =\r\n union {\r\n  object { W0\r\n }\r\n  object { TopHart"),
            std::string::npos);
}

TEST(SpiralAttachmentsTest, BubbleRangeSwellsOnlyItsSegments) {
  const std::string scene = Scene(Bubbles());
  EXPECT_EQ(CountLines(scene, "  texture {pigment {color red 1 green 1 blue 1}}"), 7u);
  // A negative centre is taken as its size.
  ParameterSet negative = Bubbles();
  negative.SetText("EdBBScCenter", "-2");
  EXPECT_EQ(Scene(negative), scene);
  // The default range lies beyond the worm: nothing swells.
  EXPECT_EQ(CountLines(Scene(Short()), "  texture {pigment {color red 1 green 1 blue 1}}"), 0u);
}

TEST(SpiralAttachmentsTest, HuskReplacesItsRangeAndHelixFollowsEveryStep) {
  std::string scene = Scene(Husk());
  EXPECT_EQ(CountLines(scene, " object {HuskObj"), 4u);
  EXPECT_EQ(CountLines(scene, "  object {JSegment"), 8u);

  scene = Scene(Helix());
  EXPECT_EQ(CountLines(scene, "  object { HelixObj"), 48u);  // 12 segments, 4 steps each
  EXPECT_EQ(CountLines(scene, "  object {JSegment"), 12u);
}

TEST(SpiralAttachmentsTest, SplitDoublesEveryRingStackAndHeart) {
  const std::string scene = Scene(Everything());
  EXPECT_EQ(CountLines(scene, "  object { Branch1"), 6u);  // before and after the split
  EXPECT_EQ(CountLines(scene, "  object {TotTops"), 6u);
  EXPECT_EQ(CountLines(scene, "  object { TopHart"), 2u);
  EXPECT_EQ(CountLines(scene, " PredBase"), 3u);
}

TEST(SpiralAttachmentsTest, BranchedRingsNameOnlyALevelThatExists) {
  ParameterSet set = BaseRing();
  set.SetOn("ChkBranchedBase", true);
  EXPECT_EQ(CountLines(Scene(set), "  W1"), 0u);
  set.SetOn("ChkBranchON", true);
  EXPECT_EQ(CountLines(Scene(set), "  W1"), 3u);
}

TEST(SpiralAttachmentsTest, BadTextWarnsOnceAndTheSceneIsWritten) {
  ParameterSet set = Helix();
  set.SetText("edStraalH", "wide");
  set.SetText("EdBBScSW", "x");
  const ComposeResult result = ComposeScene(set, ComposeOptions{});
  EXPECT_TRUE(result.status.ok());
  EXPECT_EQ(result.warnings.size(), 2u);
  EXPECT_NE(result.scene.find("object {Worm1"), std::string::npos);

  set = Branches();
  set.SetText("edBRLevel", "two");
  EXPECT_FALSE(ComposeScene(set, ComposeOptions{}).status.ok());
}

TEST(SpiralAttachmentsTest, HugeRingCountsAreCut) {
  ParameterSet set = BaseRing();
  set.SetText("EdBaseNumber", "1e9");
  const ComposeResult result = ComposeScene(set, ComposeOptions{});
  ASSERT_EQ(result.warnings.size(), 1u);
  EXPECT_EQ(result.warnings[0], "Base members above 1000000 are not written");
}

}  // namespace
}  // namespace vermora
