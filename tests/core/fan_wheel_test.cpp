#include <gtest/gtest.h>

#include <map>
#include <string>

#include "scene/composer.h"
#include "support/test_support.h"

namespace vermora {
namespace {

using test::CountLines;

std::string Scene(const ParameterSet& set, std::uint32_t clock_ms = 12345678) {
  FixedClock clock(clock_ms);
  ComposeOptions options;
  options.clock = &clock;
  ComposeResult result = ComposeScene(set, options);
  EXPECT_TRUE(result.status.ok()) << result.status.message();
  EXPECT_TRUE(result.warnings.empty());
  return result.scene;
}

ParameterSet Fan() {
  ParameterSet set;
  set.SetOn("ChkWheelOn", false);
  set.SetOn("ChkFanOn", true);
  return set;
}

// A Fan with every extra: links, tail, head, tentacles, second worms, scramble.
ParameterSet FanWithExtras() {
  ParameterSet set = Fan();
  for (const char* on : {"ChkTrLinkOn", "chkTailOn", "ChkTrHeadOn", "ChkTentacle", "chkTSerie",
                         "chkTInterval", "chkScrambleS", "chkScrambleR"}) {
    set.SetOn(on, true);
  }
  set.SetText("edSWTrig", "3");
  set.SetText("edSWETrig", "5");
  set.SetText("IntTrigger", "4");
  set.SetText("EdTentGrow", "0.5");
  set.SetText("EdKropDegrees", "90");
  set.SetText("EdTScaleFactorY", "0.5");
  return set;
}

// A Wheel with the waves, the straight way, predefined tentacles and a second worm.
ParameterSet WheelVariation() {
  ParameterSet set;
  for (const char* on : {"ChkWave", "ChkSymScale", "chkSpiralWay", "ChkTentacle", "ChkAlternate"}) {
    set.SetOn(on, true);
  }
  set.SetOn("ChkWormAsTent", false);
  set.SetText("edTNumberSpace", "1");  // the way's switch copied the member count in
  set.SetText("EdKropDegrees", "40");
  set.SetText("EdTentNumber", "1");
  set.SetIndex("RadioGroup2", 1);  // CurlWorm
  return set;
}

TEST(FanWheelTest, Golden) {
  EXPECT_TRUE(test::MatchesGolden("default_set.pov", Scene(ParameterSet{})));
  EXPECT_TRUE(test::MatchesGolden("fan_extras.pov", Scene(FanWithExtras())));
  EXPECT_TRUE(test::MatchesGolden("wheel_waves_way_alternate.pov", Scene(WheelVariation())));
}

TEST(FanWheelTest, DefaultWheelSpreadsEightArmsAboutZ) {
  const std::string scene = Scene(ParameterSet{});
  for (int k = 0; k < 8; ++k) {
    const std::string arm = " object {\r\n Worm1\r\n  scale <1.000, 1.000, 1.000>\r\n  rotate <0, 0, " +
                            std::to_string(45 * k) +
                            ">\r\n  rotate <0, 0, 0>\r\n  translate <0.000, 0.000, 0.000>\r\n }\r\n";
    EXPECT_NE(scene.find(arm), std::string::npos) << k;
  }
  EXPECT_NE(scene.find("object {WheelWorm\r\n"), std::string::npos);
  EXPECT_EQ(scene.find("object {Worm1\r\n"), std::string::npos);
}

TEST(FanWheelTest, ShrinkBendAndTentacleRings) {
  ParameterSet set = Fan();
  set.SetText("EdTNumber", "4");
  set.SetText("EdTScaleFactorX", "2");
  std::string scene = Scene(set);
  for (const char* s : {"1.000", "0.500", "0.100"}) {
    EXPECT_GE(CountLines(scene, std::string("  scale <") + s + ", 1.000, 1.000>"), 1u) << s;
  }
  EXPECT_EQ(CountLines(scene, "  scale <0.100, 1.000, 1.000>"), 2u);

  set = Fan();
  set.SetText("EdTNumber", "3");
  set.SetText("EdKropDegrees", "90");
  scene = Scene(set);
  for (const char* bend : {"30", "60"}) {
    EXPECT_EQ(CountLines(scene, std::string("  rotate <0, 0, ") + bend + ">"), 1u) << bend;
  }

  set = Fan();
  set.SetOn("ChkTentacle", true);
  scene = Scene(set);
  EXPECT_EQ(CountLines(scene, " object { Tent"), 2u);
  EXPECT_EQ(CountLines(scene, "  sphere{ <0, 0, 0>, 0.001}"), 0u);
  set.SetText("EdTentNumber", "1");
  EXPECT_EQ(CountLines(Scene(set), "  sphere{ <0, 0, 0>, 0.001}"), 1u);
  // As many arms as tentacle members: no growth instead of a division by zero.
  set.SetText("EdTentNumber", "8");
  set.SetText("EdTentGrow", "1");
  scene = Scene(set);
  EXPECT_EQ(scene.find("nan"), std::string::npos);
  EXPECT_EQ(scene.find("inf"), std::string::npos);
}

TEST(FanWheelTest, SecondWormSeriesIntervalAndAlternation) {
  ParameterSet set = Fan();
  set.SetOn("chkTSerie", true);
  set.SetText("edSWTrig", "3");
  set.SetText("edSWETrig", "5");
  std::string scene = Scene(set);
  EXPECT_EQ(CountLines(scene, " SecondWorm "), 3u);
  EXPECT_EQ(CountLines(scene, " Worm1"), 5u);
  EXPECT_NE(scene.find("#declare SecondWorm =  object {Spik4 scale 4}\r\n \r\n"), std::string::npos);

  set = Fan();
  set.SetOn("chkTInterval", true);
  set.SetText("EdTNumber", "13");
  set.SetText("IntTrigger", "4");
  const std::string extra = "  object { SecondWorm texture {pigment {color red 1 green 1 blue 1}}";
  EXPECT_EQ(CountLines(Scene(set), extra), 3u);  // k = 4, 8, 12
  set.SetText("IntTrigger", "0");
  EXPECT_EQ(CountLines(Scene(set), extra), 1u);

  set = Fan();
  set.SetOn("ChkAlternate", true);
  set.SetIndex("RadioGroup2", 0);
  scene = Scene(set);
  EXPECT_EQ(CountLines(scene, " Worm1"), 4u);
  EXPECT_EQ(CountLines(scene, " Worm2"), 4u);
  EXPECT_LT(scene.find("\r\n Worm1\r\n"), scene.find("\r\n Worm2\r\n"));

  EXPECT_EQ(Fan().On("chkTSerie"), false);
  EXPECT_EQ(Scene(Fan()).find("SecondWorm"), std::string::npos);
}

TEST(FanWheelTest, ScrambleFollowsTheClockSeed) {
  ParameterSet set = FanWithExtras();
  EXPECT_EQ(Scene(set, 1000), Scene(set, 1000));
  EXPECT_NE(Scene(set, 1000), Scene(set, 1001));
  set.SetText("edScrambleS", "0");
  set.SetOn("chkScrambleR", false);
  set.SetText("EdTScaleFactorY", "0");
  const std::string scene = Scene(set);
  // Scramble and the arm's own scale: two unit scales per arm.
  EXPECT_EQ(CountLines(scene, " SecondWorm ") + CountLines(scene, " Worm1"), 8u);
  EXPECT_GE(CountLines(scene, "  scale <1.000, 1.000, 1.000>"), 16u);
}

// A frame series that grows in the ninth arm and has a frozen arm count.
class Growing final : public AnimationInputs {
 public:
  RingAnimation Ring(const char* ring) const override {
    if (std::string(ring) == "EdTNumber") return {0.5f, 8, 10};
    return {};
  }
  float Freeze(const char* ring, float count) override {
    auto [it, fresh] = frozen.emplace(ring, count);
    return it->second;
  }
  std::map<std::string, float> frozen;
};

TEST(FanWheelTest, AnimationGrowsInTheLastArm) {
  Growing series;
  series.frozen["EdTNumber"] = 12;
  ComposeOptions options;
  options.animation = &series;
  const std::string scene = ComposeScene(ParameterSet{}, options).scene;
  EXPECT_EQ(CountLines(scene, " Worm1"), 9u);
  EXPECT_NE(scene.find(" Worm1\r\n  scale <1.000, 1.000, 1.000>\r\n  scale <0.500, 0.500, 0.500>\r\n"),
            std::string::npos);
  EXPECT_EQ(CountLines(scene, "  rotate <0, 0, 240>"), 1u);  // 8 x 360 / 12
}

TEST(FanWheelTest, BadTextWarnsOrEnds) {
  ParameterSet set;
  set.SetText("EdTSpread", "wide");
  ComposeResult result = ComposeScene(set);
  EXPECT_TRUE(result.status.ok());
  ASSERT_EQ(result.warnings.size(), 1u);
  EXPECT_NE(result.scene.find("object {WheelWorm"), std::string::npos);

  set = Fan();
  set.SetOn("chkTSerie", true);
  set.SetText("edSWTrig", "3rd");
  result = ComposeScene(set);
  EXPECT_FALSE(result.status.ok());
  EXPECT_EQ(result.status.message(), "'3rd' is not a valid integer value");
}

TEST(FanWheelRenderTest, DefaultSet) { test::ExpectRenders(ParameterSet{}); }
TEST(FanWheelRenderTest, FanWithExtras) { test::ExpectRenders(FanWithExtras()); }
TEST(FanWheelRenderTest, WheelVariation) { test::ExpectRenders(WheelVariation()); }
TEST(FanWheelRenderTest, FanAndWheel) {
  ParameterSet set = Fan();
  set.SetOn("ChkWheelOn", true);
  test::ExpectRenders(set);
}

// Every worm as the Wheel's member.
class WheelMemberTest : public ::testing::TestWithParam<int> {};
TEST_P(WheelMemberTest, Renders) {
  ParameterSet set;
  set.SetIndex("RadioGroup1", GetParam());
  test::ExpectRenders(set);
}
INSTANTIATE_TEST_SUITE_P(AllWorms, WheelMemberTest, ::testing::Range(0, 8));

}  // namespace
}  // namespace vermora
