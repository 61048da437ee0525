#include <gtest/gtest.h>

#include "common/random.h"
#include "support/creatures.h"
#include "support/thing_scene.h"

namespace vermora {
namespace {

using namespace test;
using test::SceneAt;

TEST(ClusterTest, EachWritingFollowsTheClock) {
  const ParameterSet set = ScaledTurningCluster();
  EXPECT_EQ(SceneAt(set, 500), SceneAt(set, 500));
  EXPECT_NE(SceneAt(set, 500), SceneAt(set, 501));
  ParameterSet none = OnlyThing("ChkClusterOn");
  none.SetText("EdCNumber", "0");
  EXPECT_NE(SceneAt(none).find("#declare Cluster =  union {\r\n }\r\n"), std::string::npos);
}

// Rotation targets round up to the next multiple of the step; above the last
// multiple below 360 the angle keeps its previous value.
TEST(ClusterTest, RotationStepsFollowTheDraws) {
  ParameterSet set = OnlyThing("ChkClusterOn");
  set.SetOn("ChkCRotXOn", true);
  set.SetText("EdCNumber", "40");
  const std::uint32_t seed = 777;
  const std::string scene = SceneAt(set, seed);
  Random random(seed);
  int angle = 0;
  size_t at = 0;
  for (int k = 0; k < 40; ++k) {
    const double target = random.Next() * 360;
    if (target < 90) {
      angle = 90;
    } else if (target < 180) {
      angle = 180;
    } else if (target < 270) {
      angle = 270;
    }
    for (int d = 0; d < 3; ++d) random.Next();
    const std::string line = "  rotate <" + std::to_string(angle) + ", 0, 0>";
    at = scene.find(line, at);
    ASSERT_NE(at, std::string::npos) << k;
    ++at;
  }
  // A step of 0 or one that does not divide the circle: no fault, no hang.
  for (const char* step : {"0", "-30", "7", "0.0001"}) {
    set.SetText("edCRotStep", step);
    EXPECT_EQ(CountLines(SceneAt(set), "  object {"), 40u) << step;
  }
}

TEST(ClusterTest, RandomScalesStayInTheirRange) {
  ParameterSet set = ScaledTurningCluster();
  set.SetText("EdCNumber", "50");
  const std::string scene = SceneAt(set);
  size_t scales = 0;
  for (size_t at = scene.find("  Worm1\r\n  scale <"); at != std::string::npos;
       at = scene.find("  Worm1\r\n  scale <", at + 1)) {
    double x, y, z;
    ASSERT_EQ(std::sscanf(scene.c_str() + at + 18, "%lf, %lf, %lf", &x, &y, &z), 3);
    EXPECT_TRUE(x >= 0 && x <= 1 && y >= 0 && y <= 2 && z >= 0 && z <= 1) << x << " " << y << " " << z;
    ++scales;
  }
  EXPECT_EQ(scales, 50u);
}

}  // namespace
}  // namespace vermora
