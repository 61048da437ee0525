#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "scene/fixed.h"
#include "texture/colour_map_edit.h"
#include "texture/named_colours.h"
#include "texture/randomizers.h"
#include "support/started_texture.h"
#include "texture/texture_start.h"

namespace vermora {
namespace {

using test::Started;

TEST(TextureRandomTest, SolidDrawsOneColourFromTheClockSeed) {
  Started s;
  s.set.SetTag("cbColor1", 42);
  ASSERT_TRUE(RandomPigment(s.set, s.page, s.random, FixedClock(1234), s.diagnostics).ok());
  Random expected(1234);
  const int colour = static_cast<int>(std::floor(expected.Next() * 16777215 + 0.5));
  EXPECT_EQ(s.page.swatch[0], colour);
  const Rgb rgb = UnpackRgb(colour);
  EXPECT_EQ(s.set.Text("editRed1"), ComponentText(rgb.red));
  EXPECT_EQ(s.set.Text("editBlue1"), ComponentText(rgb.blue));
  EXPECT_EQ(s.set.Index("cbColor1"), kCustomColourIndex);
  EXPECT_EQ(s.set.Tag("cbColor1"), 42);
  EXPECT_EQ(s.set.Index("cbColor2"), 30);  // only the rows in use
  EXPECT_EQ(s.random.state(), expected.state());
}

TEST(TextureRandomTest, ImageMapChangesNothing) {
  Started s;
  s.set.SetIndex("cbPigmentType", 20);
  const ParameterSet before = s.set;
  ASSERT_TRUE(RandomPigment(s.set, s.page, s.random, FixedClock(5), s.diagnostics).ok());
  EXPECT_TRUE(s.set == before);
}

TEST(TextureRandomTest, PatternMapKeepsItsEndsAndGrowsByAtMostFour) {
  Started s;
  s.set.SetIndex("cbPigmentType", 9);
  int rows = 2;
  for (std::uint32_t seed = 1; seed < 40; ++seed) {
    ASSERT_TRUE(
        RandomPigment(s.set, s.page, s.random, FixedClock(seed * 7919), s.diagnostics).ok());
    const Grid& g = s.set.GridValue("sgColorMap");
    EXPECT_EQ(g.cell(0, 0), "0.000");
    EXPECT_EQ(g.cell(0, g.rows - 1), "1.000");
    EXPECT_GE(g.rows, rows);
    EXPECT_LE(g.rows, rows + 4);
    for (int r = 1; r < g.rows; ++r)
      EXPECT_LT(std::stof(g.cell(0, r - 1)), std::stof(g.cell(0, r)));
    rows = g.rows;
  }
  EXPECT_GT(rows, 20);
  // The map's draws (two ends, n = R x 4 entries of a position and a colour each),
  // then the four pattern fields.
  Started a;
  a.set.SetIndex("cbPigmentType", 15);
  ASSERT_TRUE(RandomPigment(a.set, a.page, a.random, FixedClock(86399999), a.diagnostics).ok());
  Random r(86399999);
  r.Next();
  r.Next();
  const int n = static_cast<int>(std::floor(r.Next() * 4 + 0.5));
  for (int k = 0; k < 2 * n; ++k) r.Next();
  EXPECT_EQ(a.set.GridValue("sgColorMap").rows, 2 + n);
  for (const auto& [f, times] : {std::pair{"editTurbulence", 2.0}, {"editLambda", 3.0}, {"editOmega", 1.0}, {"editOctaves", 10.0}}) {
    EXPECT_EQ(a.set.Text(f), Fixed(r.Next() * times, 3, 2)) << f;
  }
  EXPECT_TRUE(a.diagnostics.warnings.empty());
}

// Each dice command reseeds from the clock and draws in a fixed order: replaying
// the draws with each field's multiplier gives every value it writes.
TEST(TextureRandomTest, NormalAndFinishFollowTheirDraws) {
  using Field = std::tuple<const char*, double, int, int>;  // name, multiplier, fixed(P,D)
  for (std::uint32_t seed : {0u, 777u, 31337u, 104729u, 86399999u}) {
    SCOPED_TRACE(seed);
    Started s;
    RandomNormal(s.set, s.random, FixedClock(seed));
    Random r(seed);
    // 0 "None" to 19 "Wrinkles": "Bump_map" (20) is never chosen.
    EXPECT_EQ(s.set.Index("cbNormalType"), static_cast<int>(std::floor(r.Next() * 19 + 0.5)));
    for (const auto& [name, times, p, d] : {Field{"editNormalDepth", 4, 3, 2}, Field{"editNTurbulence", 2, 3, 2},
                                            Field{"editNLambda", 3, 3, 2}, Field{"editNOmega", 1, 3, 2},
                                            Field{"editNOctaves", 10, 3, 2}}) {
      EXPECT_EQ(s.set.Text(name), Fixed(r.Next() * times, p, d)) << name;
    }

    s.set.SetOn("sbAmbient", true);
    RandomFinish(s.set, s.random, FixedClock(seed));
    r.Seed(seed);
    const std::pair<const char*, std::vector<Field>> toggles[] = {
        {"sbBrilliance", {{"editBrilliance", 5, 3, 2}}},
        {"sbPhong", {{"editPhong", 1, 3, 2}, {"editPhongS", 250, 3, 0}}},
        {"sbSpecular", {{"editSpecular", 1, 3, 2}}},
        {"sbRoughness", {{"editRoughness", 1, 3, 2}}},  // drawn only under a specular that is down
        {"sbMetallic", {}},
        {"sbReflection", {{"editReflection", 1, 3, 2}}},
        {"sbCrand", {{"editCrand", 0.5, 4, 3}}}};
    for (const auto& [toggle, fields] : toggles) {
      if (std::string(toggle) == "sbRoughness" && !s.set.On("sbSpecular")) {
        EXPECT_FALSE(s.set.On(toggle));  // up with the specular
        continue;
      }
      const bool down = r.Below(2) == 0;
      EXPECT_EQ(s.set.On(toggle), down) << toggle;
      if (!down) continue;
      for (const auto& [name, times, p, d] : fields) EXPECT_EQ(s.set.Text(name), Fixed(r.Next() * times, p, d)) << name;
    }
    EXPECT_TRUE(s.set.On("sbAmbient"));
    EXPECT_FALSE(s.set.On("sbDiffuse"));
    EXPECT_EQ(s.set.Text("editDiffuse"), "0.7");
  }
}

}  // namespace
}  // namespace vermora
