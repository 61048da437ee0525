#include <gtest/gtest.h>

#include "support/creatures.h"
#include "support/thing_scene.h"

namespace vermora {
namespace {

using namespace test;
using test::SceneAt;

TEST(AnemoneTest, DefaultRingOfSixtyOneWorms) {
  const std::string scene = SceneAt(OnlyThing("ChkAnemoneOn"));
  EXPECT_EQ(CountLines(scene, " Worm1"), 61u);
  EXPECT_EQ(CountLines(scene, "  translate <0.000, 0.000, 4.000>"), 61u);  // the radius stays
  EXPECT_NE(scene.find(" Worm1\r\n  scale <0.992, 0.992, 0.992>\r\n  translate <0.000, 0.000, 2.000>\r\n"
                       "  rotate <0, 18, 0>\r\n  translate <0.000, 0.000, 4.000>\r\n  rotate <-6, 0, 0>\r\n"),
            std::string::npos);
  EXPECT_NE(scene.find("  rotate <0, 90, 0>\r\n }\r\n"), std::string::npos);
  EXPECT_NE(scene.find("object {AnemoneWorm\r\n"), std::string::npos);
}

TEST(AnemoneTest, SecondWormsAndAlternation) {
  const std::string scene = SceneAt(AnemoneWithExtras());
  EXPECT_EQ(CountLines(scene, " SecondWorm"), 3u);
  EXPECT_EQ(CountLines(scene, "  object { SecondWorm texture {pigment {color red 1 green 1 blue 1}}"), 3u);  // k = 4, 8, 12
  EXPECT_EQ(CountLines(scene, " Worm1") + CountLines(scene, " Worm2"), 10u);
  EXPECT_EQ(CountLines(scene, "  object { TrHead texture {pigment {color red 1 green 1 blue 1}}"), 1u);
}

TEST(AnemoneTest, ExtremeCountsAndGrowIn) {
  ParameterSet set = OnlyThing("ChkAnemoneOn");
  set.SetText("EdANumber", "0");
  std::string scene = test::Between(SceneAt(set), "#declare AnemoneWorm", "object {AnemoneWorm");
  EXPECT_EQ(CountLines(scene, " Worm1"), 1u);  // worm 0 stands unturned
  EXPECT_EQ(CountLines(scene, "  rotate <0, 0, 0>"), 2u);
  set.SetText("EdANumber", "-3");
  EXPECT_EQ(CountLines(SceneAt(set), " Worm1"), 0u);
  set.SetText("EdANumber", "1e12");
  ComposeResult result = test::ComposeAt(set, 1, nullptr, 1 << 20);
  EXPECT_FALSE(result.status.ok());

  set.SetText("EdANumber", "6");
  test::GrowingCount series("EdANumber", 0.5f);
  scene = test::ComposeAt(set, 1, &series).scene;
  EXPECT_EQ(CountLines(scene, " Worm1"), 8u);
  // The added worm, the last, grows in.
  EXPECT_NE(scene.find("  scale <0.500, 0.500, 0.500>\r\n  translate <0.000, 0.000, 2.000>\r\n"
                       "  rotate <0, 1.08E3, 0>\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace vermora
