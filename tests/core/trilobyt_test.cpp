#include <gtest/gtest.h>

#include "support/creatures.h"
#include "support/thing_scene.h"

namespace vermora {
namespace {

using namespace test;
using test::SceneAt;

TEST(TrilobytTest, DefaultRibsSwayAndFollowTheSlope) {
  const std::string scene = SceneAt(OnlyThing("ChkTrilobyt"));
  EXPECT_EQ(CountLines(scene, "  TWorm1"), 12u);
  // Rib 0: x 1.5, y sin(180.4) x 0.5 x 2, z -1; up = -90 x dz, rz = 90 x dy.
  EXPECT_NE(scene.find("  TWorm1\r\n  scale <1.000, 1.000, 1.000>\r\n  rotate <0, 90, -87>\r\n"
                       "  rotate <0, 0, 0>\r\n  translate <1.500, -0.971, -1.000>\r\n"),
            std::string::npos);
  EXPECT_EQ(scene.find("SecondWorm"), std::string::npos);
  EXPECT_NE(scene.find(" #declare LintWorm =\r\n  object {LWorm\r\n  }\r\n"), std::string::npos);
  EXPECT_NE(scene.find("object {LintWorm\r\n"), std::string::npos);
}

TEST(TrilobytTest, SingleWormsNegativeScaleAndMirroredSecondWorm) {
  ParameterSet set = OnlyThing("ChkTrilobyt");
  set.SetOn("chkSetMirrotOff", true);
  set.SetText("EdTrScale", "2");
  std::string scene = SceneAt(set);
  EXPECT_EQ(scene.find("TWorm"), std::string::npos);
  EXPECT_EQ(CountLines(scene, "  Worm1"), 12u);
  EXPECT_EQ(CountLines(scene, "  scale <-0.167, -0.167, -0.167>"), 1u);  // the eighth rib

  scene = SceneAt(TrilobytWithExtras());
  EXPECT_NE(scene.find("#declare SecondWorm =  union {object {object {Spik4 scale 4} } object { "
                       "object {Spik4 scale 4} scale <1, -1, 1>}}\r\n"),
            std::string::npos);
  EXPECT_EQ(CountLines(scene, " SecondWorm"), 3u);  // ribs 3 to 5
  EXPECT_EQ(CountLines(scene, "  TWorm1") + CountLines(scene, "  TWorm2"), 9u);
  EXPECT_EQ(CountLines(scene, "  object { TrLink"), 12u);
  EXPECT_EQ(CountLines(scene, "  object {LtWorm"), 1u);
}

TEST(TrilobytTest, WithoutTwistingTheAutomaticRotationGoesOff) {
  ParameterSet set = OnlyThing("ChkTrilobyt");
  set.SetOn("ChkTwisting", false);
  set.SetText("EdTrNumber", "4");
  set.SetText("EdUpFactor", "40");
  set.SetText("EdRotZAmount", "-8");
  ComposeResult result = test::ComposeAt(set);
  ASSERT_TRUE(result.status.ok());
  for (const char* rot : {"  rotate <0, 10, -2>", "  rotate <0, 20, -4>", "  rotate <0, 40, -8>"}) {
    EXPECT_EQ(CountLines(result.scene, rot), 1u) << rot;
  }
  ASSERT_EQ(result.switched_off, std::vector<std::string>{"ChkARot"});
  ApplySwitchesTurnedOff(result.switched_off, set);
  EXPECT_FALSE(set.On("ChkARot"));
  EXPECT_TRUE(test::ComposeAt(set).switched_off.empty());  // already off

  // A negative factor under the power turns the other way instead of failing.
  set.SetOn("ChkPowUp", true);
  set.SetText("EdUpFactor", "-16");
  const std::string scene = SceneAt(set);
  EXPECT_EQ(CountLines(scene, "  rotate <0, -2, -2>"), 1u);  // -(16^0.25)
  EXPECT_EQ(CountLines(scene, "  rotate <0, -16, -8>"), 1u);
}

TEST(TrilobytTest, ExtremeCountsAndGrowIn) {
  ParameterSet set = OnlyThing("ChkTrilobyt");
  for (const char* count : {"0", "-5"}) {
    set.SetText("EdTrNumber", count);
    const std::string scene = SceneAt(set);
    EXPECT_EQ(CountLines(scene, "  TWorm1"), 0u);
    EXPECT_NE(scene.find("object {LintWorm"), std::string::npos);
  }
  set.SetText("EdTrNumber", "1e30");
  ComposeResult result = test::ComposeAt(set, 1, nullptr, 1 << 20);
  EXPECT_FALSE(result.status.ok());  // cut by the scene size, not endless
  EXPECT_NE(result.status.message().find("too large"), std::string::npos);

  set.SetText("EdTrNumber", "12");
  test::GrowingCount series("EdTrNumber", 0.25f);
  result = test::ComposeAt(set, 1, &series);
  EXPECT_EQ(CountLines(result.scene, "  TWorm1"), 13u);
  EXPECT_EQ(CountLines(result.scene, "  scale <0.250, 0.250, 0.250>"), 1u);
}

}  // namespace
}  // namespace vermora
