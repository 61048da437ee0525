#include <gtest/gtest.h>

#include <cmath>

#include "scene/fixed.h"
#include "texture/colour_map_edit.h"
#include "texture/named_colours.h"
#include "texture/randomizers.h"
#include "texture/texture_start.h"

namespace vermora {
namespace {

struct Started {
  ParameterSet set;
  TexturePage page;
  Diagnostics diagnostics;
  Random random{99};  // re-seeded from the clock by every dice command
  Started() { EXPECT_TRUE(ApplyTextureStartValues(set, page).ok()); }
};

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
  // The same seed gives the same map and controls.
  Started a, b;
  a.set.SetIndex("cbPigmentType", 15);
  b.set.SetIndex("cbPigmentType", 15);
  ASSERT_TRUE(RandomPigment(a.set, a.page, a.random, FixedClock(86399999), a.diagnostics).ok());
  ASSERT_TRUE(RandomPigment(b.set, b.page, b.random, FixedClock(86399999), b.diagnostics).ok());
  EXPECT_TRUE(a.set == b.set);
  EXPECT_NE(a.set.GridValue("sgColorMap"), StartColourMap());
  for (const char* f : {"editTurbulence", "editLambda", "editOmega", "editOctaves"}) {
    EXPECT_EQ(a.set.Text(f).size(), a.set.Text(f).find('.') + 3) << a.set.Text(f);
  }
  EXPECT_TRUE(a.diagnostics.warnings.empty());
}

TEST(TextureRandomTest, NormalNeverChoosesBumpMap) {
  Started s;
  bool saw_none = false;
  for (std::uint32_t seed = 0; seed < 300; ++seed) {
    s.set.SetText("editNOmega", "x");
    RandomNormal(s.set, s.random, FixedClock(seed * 104729));
    const int type = s.set.Index("cbNormalType");
    EXPECT_GE(type, 0);
    EXPECT_LE(type, 19);
    saw_none = saw_none || type == 0;
    EXPECT_NE(s.set.Text("editNOmega"), "x");
  }
  EXPECT_TRUE(saw_none);
  Random expected(777);
  RandomNormal(s.set, s.random, FixedClock(777));
  EXPECT_EQ(s.set.Index("cbNormalType"), static_cast<int>(std::floor(expected.Next() * 19 + 0.5)));
  EXPECT_EQ(s.set.Text("editNormalDepth"), Fixed(expected.Next() * 4, 3, 2));
}

TEST(TextureRandomTest, FinishLeavesAmbientAndDiffuseAndLiftsRoughnessWithSpecular) {
  Started s;
  s.set.SetOn("sbAmbient", true);
  bool saw_specular_up = false;
  for (std::uint32_t seed = 0; seed < 200; ++seed) {
    s.set.SetOn("sbRoughness", true);
    RandomFinish(s.set, s.random, FixedClock(seed * 31337));
    EXPECT_TRUE(s.set.On("sbAmbient"));
    EXPECT_FALSE(s.set.On("sbDiffuse"));
    if (!s.set.On("sbSpecular")) {
      saw_specular_up = true;
      EXPECT_FALSE(s.set.On("sbRoughness"));
    }
    if (s.set.On("sbPhong")) {
      EXPECT_EQ(s.set.Text("editPhongS").find('.'), std::string::npos);
    }
    if (s.set.On("sbCrand")) {
      EXPECT_LE(std::stof(s.set.Text("editCrand")), 0.5f);
    }
  }
  EXPECT_TRUE(saw_specular_up);
  EXPECT_EQ(s.set.Text("editDiffuse"), "0.7");
}

}  // namespace
}  // namespace vermora
