#include <gtest/gtest.h>

#include "support/creatures.h"
#include "support/thing_scene.h"

namespace vermora {
namespace {

using namespace test;
using test::SceneAt;

TEST(HornTest, DefaultArcOfTwentyFourWorms) {
  const std::string scene = SceneAt(OnlyThing("chkHornOn"));
  EXPECT_EQ(CountLines(scene, " Worm1"), 24u);
  EXPECT_NE(scene.find(" Worm1\r\n  scale <2.000, 2.000, 2.000>\r\n  rotate <0, 0, 0>\r\n"
                       "  translate <4.000, 0.000, 0.000>\r\n  }\r\n"),
            std::string::npos);
  // Worm 23 at 230 degrees, scale 2 - 23/24, z = 23 x -0.2.
  EXPECT_NE(scene.find(" Worm1\r\n  scale <1.042, 1.042, 1.042>\r\n  rotate <0, 0, 230>\r\n"
                       "  translate <-2.571, -3.064, -4.600>\r\n  }\r\n"),
            std::string::npos);
}

TEST(HornTest, StepsThatNeverReachTheEndWriteNoWorms) {
  ParameterSet set = OnlyThing("chkHornOn");
  for (const char* step : {"300", "0", "-10"}) {
    set.SetText("EdSmoothness", step);
    const std::string scene = SceneAt(set);
    EXPECT_EQ(CountLines(scene, " Worm1"), 0u) << step;
    EXPECT_NE(scene.find("#declare Horn =  union {\r\n  }\r\n"), std::string::npos) << step;
  }
  set.SetText("EdSmoothness", "10");
  set.SetText("EdRx", "0");
  const std::string scene = SceneAt(set);
  EXPECT_EQ(CountLines(scene, " Worm1"), 24u);
  EXPECT_NE(scene.find("  translate <0.000, 4.000, -1.800>"), std::string::npos);  // worm 9, at 90 degrees
  // A step so small the angle stops advancing is cut, not endless.
  set.SetText("EdSmoothness", "1e-5");
  ComposeResult result = test::ComposeAt(set, 1, nullptr, 1 << 20);
  EXPECT_FALSE(result.status.ok());
  ASSERT_FALSE(result.warnings.empty());
  EXPECT_EQ(result.warnings[0], "Horn worms above 1000000 are not written");
}

TEST(HornTest, SecondWormsAndHead) {
  const std::string scene = SceneAt(WithExtras("chkHornOn", {"chkTSerie", "chkTInterval"}));
  EXPECT_EQ(CountLines(scene, " SecondWorm "), 3u);
  EXPECT_EQ(CountLines(scene, "  object { SecondWorm texture {pigment {color red 1 green 1 blue 1}}"), 5u);
  EXPECT_EQ(CountLines(scene, "  object { Tail texture {pigment {color red 1 green 1 blue 1}} }"), 1u);
}

TEST(HullTest, DefaultTiltSpinAndTurn) {
  const std::string scene = test::Between(SceneAt(OnlyThing("chkHullOn")), "#declare Hull", "object {Hull");
  const int turns[14] = {0, 10, 10, 10, 20, 20, 20, 30, 30, 30, 40, 40, 40, 50};
  size_t at = 0;
  for (int k = 0; k < 14; ++k) {
    at = scene.find(" Worm1\r\n  rotate <0, 0, " + std::to_string(turns[k]) + ">\r\n", at);
    ASSERT_NE(at, std::string::npos) << k;
    ++at;
  }
  size_t spins = 0;
  for (const char* spin : {"  rotate <0, 0, 0>", "  rotate <1, 138, 0>", "  rotate <1, -85, 0>",
                           "  rotate <2, 53, 0>", "  rotate <3, -170, 0>"}) {
    spins += CountLines(scene, spin);
  }
  EXPECT_EQ(spins, 6u);  // worm 0 writes two zero rotations
  // The tilt rises up to worm 8 (8 x 10/14) and falls after.
  EXPECT_NE(scene.find("  rotate <6, "), std::string::npos);
  EXPECT_EQ(scene.find("  rotate <7, "), std::string::npos);

  ParameterSet one = OnlyThing("chkHullOn");
  one.SetText("edHullNumber", "1");
  const std::string single = test::Between(SceneAt(one), "#declare Hull", "object {Hull");
  EXPECT_EQ(CountLines(single, " Worm1"), 1u);
  EXPECT_EQ(CountLines(single, "  rotate <0, 0, 0>"), 2u);
}

TEST(HullTest, ExtremeCountsAndGrowIn) {
  ParameterSet set = OnlyThing("chkHullOn");
  for (const char* count : {"0", "-4"}) {
    set.SetText("edHullNumber", count);
    EXPECT_NE(SceneAt(set).find("#declare Hull =  union {\r\n }\r\n"), std::string::npos) << count;
  }
  set.SetText("edHullNumber", "1e20");
  EXPECT_FALSE(test::ComposeAt(set, 1, nullptr, 1 << 20).status.ok());

  set.SetText("edHullNumber", "14");
  test::GrowingCount series("edHullNumber", 0.5f);
  series.frozen["edHullNumber"] = 14;  // frozen at the first frame
  const std::string scene = test::ComposeAt(set, 1, &series).scene;
  EXPECT_EQ(CountLines(scene, " Worm1"), 15u);
  EXPECT_NE(scene.find(" Worm1\r\n  scale <0.500, 0.500, 0.500>\r\n"), std::string::npos);
}

// All seven things at once, placed in the composer's order (the picture: AllThings in the gallery).
TEST(AllThingsTest, PlacedInOrder) {
  const std::string scene = test::Scene(
      With(OnlyThing("ChkFanOn"), {"ChkWheelOn", "ChkTrilobyt", "ChkAnemoneOn", "ChkClusterOn", "chkHornOn", "chkHullOn"}));
  size_t at = 0;
  for (const char* thing : {"FanWorm", "WheelWorm", "LintWorm", "AnemoneWorm", "Cluster", "Horn", "Hull"}) {
    at = scene.find(std::string("\r\nobject {") + thing + "\r\n", at);
    ASSERT_NE(at, std::string::npos) << thing;
  }
}

}  // namespace
}  // namespace vermora
