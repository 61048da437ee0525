#include <gtest/gtest.h>

#include <string>

#include "scene/composer.h"
#include "support/creatures.h"
#include "support/thing_scene.h"

namespace vermora {
namespace {

using namespace test;

TEST(FanWheelTest, DefaultWheelSpreadsEightArmsAboutZ) {
  const std::string scene = SceneAt(ParameterSet{});
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
  std::string scene = SceneAt(set);
  for (const char* s : {"1.000", "0.500", "0.100"}) {
    EXPECT_GE(CountLines(scene, std::string("  scale <") + s + ", 1.000, 1.000>"), 1u) << s;
  }
  EXPECT_EQ(CountLines(scene, "  scale <0.100, 1.000, 1.000>"), 2u);

  set = Fan();
  set.SetText("EdTNumber", "3");
  set.SetText("EdKropDegrees", "90");
  scene = SceneAt(set);
  for (const char* bend : {"30", "60"}) {
    EXPECT_EQ(CountLines(scene, std::string("  rotate <0, 0, ") + bend + ">"), 1u) << bend;
  }

  set = Fan();
  set.SetOn("ChkTentacle", true);
  scene = SceneAt(set);
  EXPECT_EQ(CountLines(scene, " object { Tent"), 2u);
  EXPECT_EQ(CountLines(scene, "  sphere{ <0, 0, 0>, 0.001}"), 0u);
  set.SetText("EdTentNumber", "1");
  EXPECT_EQ(CountLines(SceneAt(set), "  sphere{ <0, 0, 0>, 0.001}"), 1u);
  // As many arms as tentacle members: no growth instead of a division by zero.
  set.SetText("EdTentNumber", "8");
  set.SetText("EdTentGrow", "1");
  scene = SceneAt(set);
  EXPECT_EQ(scene.find("nan"), std::string::npos);
  EXPECT_EQ(scene.find("inf"), std::string::npos);
}

TEST(FanWheelTest, SecondWormSeriesIntervalAndAlternation) {
  ParameterSet set = Fan();
  set.SetOn("chkTSerie", true);
  set.SetText("edSWTrig", "3");
  set.SetText("edSWETrig", "5");
  std::string scene = SceneAt(set);
  EXPECT_EQ(CountLines(scene, " SecondWorm "), 3u);
  EXPECT_EQ(CountLines(scene, " Worm1"), 5u);
  EXPECT_NE(scene.find("#declare SecondWorm =  object {Spik4 scale 4}\r\n \r\n"), std::string::npos);

  set = Fan();
  set.SetOn("chkTInterval", true);
  set.SetText("EdTNumber", "13");
  set.SetText("IntTrigger", "4");
  const std::string extra = "  object { SecondWorm texture {pigment {color red 1 green 1 blue 1}}";
  EXPECT_EQ(CountLines(SceneAt(set), extra), 3u);  // k = 4, 8, 12
  set.SetText("IntTrigger", "0");
  EXPECT_EQ(CountLines(SceneAt(set), extra), 1u);

  set = Fan();
  set.SetOn("ChkAlternate", true);
  set.SetIndex("RadioGroup2", 0);
  scene = SceneAt(set);
  EXPECT_EQ(CountLines(scene, " Worm1"), 4u);
  EXPECT_EQ(CountLines(scene, " Worm2"), 4u);
  EXPECT_LT(scene.find("\r\n Worm1\r\n"), scene.find("\r\n Worm2\r\n"));

  EXPECT_EQ(Fan().On("chkTSerie"), false);
  EXPECT_EQ(SceneAt(Fan()).find("SecondWorm"), std::string::npos);
}

TEST(FanWheelTest, ScrambleFollowsTheClockSeed) {
  ParameterSet set = FanWithExtras();
  EXPECT_EQ(SceneAt(set, 1000), SceneAt(set, 1000));
  EXPECT_NE(SceneAt(set, 1000), SceneAt(set, 1001));
  set.SetText("edScrambleS", "0");
  set.SetOn("chkScrambleR", false);
  set.SetText("EdTScaleFactorY", "0");
  const std::string scene = SceneAt(set);
  // Scramble and the arm's own scale: two unit scales per arm.
  EXPECT_EQ(CountLines(scene, " SecondWorm ") + CountLines(scene, " Worm1"), 8u);
  EXPECT_GE(CountLines(scene, "  scale <1.000, 1.000, 1.000>"), 16u);
}

TEST(FanWheelTest, AnimationGrowsInTheLastArm) {
  // The ninth arm grows in, the arm count frozen at 12.
  GrowingCount series("EdTNumber", 0.5f, 8, 10);
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

}  // namespace
}  // namespace vermora
