// The Horn, Hull, Trilobyt, Anemone and Cluster, each on a short SpiralWorm.
#include <gtest/gtest.h>

#include "common/random.h"
#include "support/creatures.h"
#include "support/thing_scene.h"

namespace vermora::test {
namespace {

const char* const kWhite = " texture {pigment {color red 1 green 1 blue 1}}";

TEST(HornTest, DefaultArcOfTwentyFourWorms) {
  const std::string scene = SceneAt(OnlyThing("chkHornOn"));
  EXPECT_EQ(CountLines(scene, " Worm1"), 24u);
  EXPECT_TRUE(Has(scene,
                  " Worm1\r\n  scale <2.000, 2.000, 2.000>\r\n  rotate <0, 0, 0>\r\n"
                  "  translate <4.000, 0.000, 0.000>\r\n  }\r\n"));
  // Worm 23 at 230 degrees, scale 2 - 23/24, z = 23 x -0.2.
  EXPECT_TRUE(Has(scene,
                  " Worm1\r\n  scale <1.042, 1.042, 1.042>\r\n  rotate <0, 0, 230>\r\n"
                  "  translate <-2.571, -3.064, -4.600>\r\n  }\r\n"));
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
  EXPECT_NE(scene.find("  translate <0.000, 4.000, -1.800>"),
            std::string::npos);  // worm 9, at 90 degrees
}

TEST(HornTest, SecondWormsAndHead) {
  const std::string scene = SceneAt(WithExtras("chkHornOn", {"chkTSerie", "chkTInterval"}));
  EXPECT_EQ(CountLines(scene, " SecondWorm "), 3u);
  EXPECT_EQ(CountLines(scene, std::string("  object { SecondWorm") + kWhite), 5u);
  EXPECT_EQ(CountLines(scene, std::string("  object { Tail") + kWhite + " }"), 1u);
}

TEST(HullTest, DefaultTiltSpinAndTurn) {
  const std::string scene =
      Between(SceneAt(OnlyThing("chkHullOn")), "#declare Hull", "object {Hull");
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
  const std::string single =
      Between(SceneAt(With(OnlyThing("chkHullOn"), {}, {{"edHullNumber", "1"}})), "#declare Hull",
              "object {Hull");
  EXPECT_EQ(CountLines(single, " Worm1"), 1u);
  EXPECT_EQ(CountLines(single, "  rotate <0, 0, 0>"), 2u);
}

// All seven things at once, placed in the composer's order (the picture: AllThings in the gallery).
TEST(AllThingsTest, PlacedInOrder) {
  const std::string scene =
      Scene(With(OnlyThing("ChkFanOn"), {"ChkWheelOn", "ChkTrilobyt", "ChkAnemoneOn",
                                         "ChkClusterOn", "chkHornOn", "chkHullOn"}));
  size_t at = 0;
  for (const char* thing :
       {"FanWorm", "WheelWorm", "LintWorm", "AnemoneWorm", "Cluster", "Horn", "Hull"}) {
    at = scene.find(std::string("\r\nobject {") + thing + "\r\n", at);
    ASSERT_NE(at, std::string::npos) << thing;
  }
}

TEST(TrilobytTest, DefaultRibsSwayAndFollowTheSlope) {
  const std::string scene = SceneAt(OnlyThing("ChkTrilobyt"));
  EXPECT_EQ(CountLines(scene, "  TWorm1"), 12u);
  // Rib 0: x 1.5, y sin(180.4) x 0.5 x 2, z -1; up = -90 x dz, rz = 90 x dy.
  EXPECT_TRUE(Has(scene,
                  "  TWorm1\r\n  scale <1.000, 1.000, 1.000>\r\n  rotate <0, 90, -87>\r\n"
                  "  rotate <0, 0, 0>\r\n  translate <1.500, -0.971, -1.000>\r\n"));
  EXPECT_EQ(scene.find("SecondWorm"), std::string::npos);
  EXPECT_NE(scene.find(" #declare LintWorm =\r\n  object {LWorm\r\n  }\r\n"), std::string::npos);
  EXPECT_NE(scene.find("object {LintWorm\r\n"), std::string::npos);
}

TEST(TrilobytTest, SingleWormsNegativeScaleAndMirroredSecondWorm) {
  std::string scene =
      SceneAt(With(OnlyThing("ChkTrilobyt"), {"chkSetMirrotOff"}, {{"EdTrScale", "2"}}));
  EXPECT_EQ(scene.find("TWorm"), std::string::npos);
  EXPECT_EQ(CountLines(scene, "  Worm1"), 12u);
  EXPECT_EQ(CountLines(scene, "  scale <-0.167, -0.167, -0.167>"), 1u);  // the eighth rib
  scene = SceneAt(TrilobytWithExtras());
  EXPECT_TRUE(Has(scene,
                  "#declare SecondWorm =  union {object {object {Spik4 scale 4} } object { "
                  "object {Spik4 scale 4} scale <1, -1, 1>}}\r\n"));
  EXPECT_EQ(CountLines(scene, " SecondWorm"), 3u);  // ribs 3 to 5
  EXPECT_EQ(CountLines(scene, "  TWorm1") + CountLines(scene, "  TWorm2"), 9u);
  EXPECT_EQ(CountLines(scene, "  object { TrLink"), 12u);
  EXPECT_EQ(CountLines(scene, "  object {LtWorm"), 1u);
}

TEST(TrilobytTest, WithoutTwistingTheAutomaticRotationGoesOff) {
  ParameterSet set = With(OnlyThing("ChkTrilobyt"), {},
                          {{"EdTrNumber", "4"}, {"EdUpFactor", "40"}, {"EdRotZAmount", "-8"}});
  set.SetOn("ChkTwisting", false);
  ComposeResult result = ComposeAt(set);
  ASSERT_TRUE(result.status.ok());
  for (const char* rot : {"  rotate <0, 10, -2>", "  rotate <0, 20, -4>", "  rotate <0, 40, -8>"})
    EXPECT_EQ(CountLines(result.scene, rot), 1u) << rot;
  ASSERT_EQ(result.switched_off, std::vector<std::string>{"ChkARot"});
  ApplySwitchesTurnedOff(result.switched_off, set);
  EXPECT_FALSE(set.On("ChkARot"));
  EXPECT_TRUE(ComposeAt(set).switched_off.empty());  // already off
  // A negative factor under the power turns the other way instead of failing.
  set.SetOn("ChkPowUp", true);
  set.SetText("EdUpFactor", "-16");
  const std::string scene = SceneAt(set);
  EXPECT_EQ(CountLines(scene, "  rotate <0, -2, -2>"), 1u);  // -(16^0.25)
  EXPECT_EQ(CountLines(scene, "  rotate <0, -16, -8>"), 1u);
}

TEST(AnemoneTest, DefaultRingOfSixtyOneWorms) {
  const std::string scene = SceneAt(OnlyThing("ChkAnemoneOn"));
  EXPECT_EQ(CountLines(scene, " Worm1"), 61u);
  EXPECT_EQ(CountLines(scene, "  translate <0.000, 0.000, 4.000>"), 61u);  // the radius stays
  EXPECT_TRUE(
      Has(scene,
          " Worm1\r\n  scale <0.992, 0.992, 0.992>\r\n  translate <0.000, 0.000, 2.000>\r\n"
          "  rotate <0, 18, 0>\r\n  translate <0.000, 0.000, 4.000>\r\n  rotate <-6, 0, 0>\r\n"));
  EXPECT_NE(scene.find("  rotate <0, 90, 0>\r\n }\r\n"), std::string::npos);
  EXPECT_NE(scene.find("object {AnemoneWorm\r\n"), std::string::npos);
}

TEST(AnemoneTest, SecondWormsAndAlternation) {
  const std::string scene = SceneAt(AnemoneWithExtras());
  EXPECT_EQ(CountLines(scene, " SecondWorm"), 3u);
  EXPECT_EQ(CountLines(scene, std::string("  object { SecondWorm") + kWhite), 3u);  // k = 4, 8, 12
  EXPECT_EQ(CountLines(scene, " Worm1") + CountLines(scene, " Worm2"), 10u);
  EXPECT_EQ(CountLines(scene, std::string("  object { TrHead") + kWhite), 1u);
}

TEST(ClusterTest, EachWritingFollowsTheClock) {
  const ParameterSet set = ScaledTurningCluster();
  EXPECT_EQ(SceneAt(set, 500), SceneAt(set, 500));
  EXPECT_NE(SceneAt(set, 500), SceneAt(set, 501));
}

// Rotation targets round up to the next multiple of the step; above the last
// multiple below 360 the angle keeps its previous value.
TEST(ClusterTest, RotationStepsFollowTheDraws) {
  const ParameterSet set = With(OnlyThing("ChkClusterOn"), {"ChkCRotXOn"}, {{"EdCNumber", "40"}});
  const std::string scene = SceneAt(set, 777);
  Random random(777);
  int angle = 0;
  size_t at = 0;
  for (int k = 0; k < 40; ++k) {
    const double target = random.Next() * 360;
    if (target < 270) angle = target < 90 ? 90 : target < 180 ? 180 : 270;
    for (int d = 0; d < 3; ++d) random.Next();
    at = scene.find("  rotate <" + std::to_string(angle) + ", 0, 0>", at);
    ASSERT_NE(at, std::string::npos) << k;
    ++at;
  }
  // A step of 0 or one that does not divide the circle: no fault, no hang.
  for (const char* step : {"0", "-30", "7", "0.0001"})
    EXPECT_EQ(CountLines(SceneAt(With(set, {}, {{"edCRotStep", step}})), "  object {"), 40u)
        << step;
}

TEST(ClusterTest, RandomScalesStayInTheirRange) {
  const std::string scene = SceneAt(With(ScaledTurningCluster(), {}, {{"EdCNumber", "50"}}));
  size_t scales = 0;
  for (size_t at = scene.find("  Worm1\r\n  scale <"); at != std::string::npos;
       at = scene.find("  Worm1\r\n  scale <", at + 1)) {
    double x, y, z;
    ASSERT_EQ(std::sscanf(scene.c_str() + at + 18, "%lf, %lf, %lf", &x, &y, &z), 3);
    EXPECT_TRUE(x >= 0 && x <= 1 && y >= 0 && y <= 2 && z >= 0 && z <= 1)
        << x << " " << y << " " << z;
    ++scales;
  }
  EXPECT_EQ(scales, 50u);
}

// No members, fewer than none, and so many the scene is cut by its size
// instead of filling memory (the Horn's step so small the angle stops advancing).
TEST(ThingCountsTest, NoneNegativeAndHugeCounts) {
  const struct {
    const char* thing;
    const char* field;
    std::vector<const char*> none;  // counts that write no member
    const char* empty;              // the thing's text then, "" for no check
    const char* huge;
  } cases[] = {
      {"ChkAnemoneOn", "EdANumber", {"-3"}, "", "1e12"},
      {"chkHullOn", "edHullNumber", {"0", "-4"}, "#declare Hull =  union {\r\n }\r\n", "1e20"},
      {"ChkTrilobyt", "EdTrNumber", {"0", "-5"}, "object {LintWorm", "1e30"},
      {"ChkClusterOn", "EdCNumber", {"0"}, "#declare Cluster =  union {\r\n }\r\n", ""},
      {"chkHornOn", "EdSmoothness", {}, "", "1e-5"},
  };
  for (const auto& c : cases) {
    for (const char* count : c.none) {
      const std::string scene = SceneAt(With(OnlyThing(c.thing), {}, {{c.field, count}}));
      EXPECT_EQ(CountLines(scene, " Worm1") + CountLines(scene, "  TWorm1"), 0u)
          << c.field << " " << count;
      EXPECT_NE(scene.find(c.empty), std::string::npos) << c.field << " " << count;
    }
    if (!*c.huge) continue;
    const ComposeResult result =
        ComposeAt(With(OnlyThing(c.thing), {}, {{c.field, c.huge}}), 1, nullptr, 1 << 20);
    EXPECT_NE(result.status.message().find("too large"), std::string::npos) << c.field;
  }
  const ComposeResult horn =
      ComposeAt(With(OnlyThing("chkHornOn"), {}, {{"EdSmoothness", "1e-5"}}), 1, nullptr, 1 << 20);
  ASSERT_FALSE(horn.warnings.empty());
  EXPECT_EQ(horn.warnings[0], "Horn worms above 1000000 are not written");
  // An Anemone of none keeps worm 0, unturned.
  const std::string anemone =
      Between(SceneAt(With(OnlyThing("ChkAnemoneOn"), {}, {{"EdANumber", "0"}})),
              "#declare AnemoneWorm", "object {AnemoneWorm");
  EXPECT_EQ(CountLines(anemone, " Worm1"), 1u);
  EXPECT_EQ(CountLines(anemone, "  rotate <0, 0, 0>"), 2u);
}

// A count growing in over a frame series: one member more, the last scaled by the part grown.
TEST(ThingCountsTest, TheLastMemberGrowsIn) {
  const struct {
    const char* thing;
    const char* field;
    const char* count;
    float grown;
    const char* member;
    size_t members;
    const char* last;
  } cases[] = {
      {"ChkAnemoneOn", "EdANumber", "6", 0.5f, " Worm1", 8,
       "  scale <0.500, 0.500, 0.500>\r\n  translate <0.000, 0.000, 2.000>\r\n  rotate <0, 1.08E3, "
       "0>\r\n"},
      {"chkHullOn", "edHullNumber", "14", 0.5f, " Worm1", 15,
       " Worm1\r\n  scale <0.500, 0.500, 0.500>\r\n"},
      {"ChkTrilobyt", "EdTrNumber", "12", 0.25f, "  TWorm1", 13,
       "\r\n  scale <0.250, 0.250, 0.250>\r\n"},
  };
  for (const auto& c : cases) {
    GrowingCount series(c.field, c.grown);
    const std::string scene =
        ComposeAt(With(OnlyThing(c.thing), {}, {{c.field, c.count}}), 1, &series).scene;
    EXPECT_EQ(CountLines(scene, c.member), c.members) << c.thing;
    const size_t at = scene.find(c.last);
    EXPECT_NE(at, std::string::npos) << c.thing;
    EXPECT_EQ(scene.find(c.last, at + 1), std::string::npos) << c.thing << ": only the last";
  }
}

}  // namespace
}  // namespace vermora::test
