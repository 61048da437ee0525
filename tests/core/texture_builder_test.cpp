#include "texture/texture_builder.h"

#include <gtest/gtest.h>

#include "params/param_table.h"
#include "support/test_support.h"
#include "texture/texture_assign.h"
#include "texture/texture_page.h"

namespace vermora {
namespace {

constexpr const char* kStartTexture =
    "texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} scale <1,1,1> rotate <0,0,0>}";

std::string Built(const ParameterSet& set) {
  std::string text;
  const Status s = BuildTexture(set, text);
  EXPECT_TRUE(s.ok()) << s.message();
  return text;
}

std::string Pigment(const ParameterSet& set) {
  std::string text;
  EXPECT_TRUE(PigmentPart(set, text).ok());
  return text;
}

TEST(TextureBuilderTest, StartStateGivesTheDefaultThingTexture) {
  ParameterSet set;
  set.SetText("EdThingTexture", "old");
  TexturePage page;
  ASSERT_TRUE(AssignTexture(set, page, "sbAssignThing").ok());
  EXPECT_EQ(set.Text("EdThingTexture"), kStartTexture);
  EXPECT_EQ(ParameterSet().Text("EdThingTexture"), kStartTexture);
  EXPECT_EQ(page.current_texture, kStartTexture);
}

TEST(TextureBuilderTest, SolidAndBlockPigmentsSeparateTheirColoursAsWritten) {
  ParameterSet set;
  set.SetText("editRed2", "1");
  set.SetText("editGreen2", "0");
  set.SetText("editBlue2", "0");
  set.SetText("editFilter2", "0.5");
  set.SetText("editRed3", "a");
  set.SetIndex("cbPigmentType", 1);
  EXPECT_EQ(Pigment(set), " brick color rgbf <0.9882,0.9020,0.7882,0> , color rgbf <1,0,0,0.5>}");
  set.SetIndex("cbPigmentType", 2);
  EXPECT_EQ(Pigment(set), " checker color rgbf <0.9882,0.9020,0.7882,0>, color rgbf <1,0,0,0.5>}");
  set.SetIndex("cbPigmentType", 3);
  EXPECT_EQ(Pigment(set),
            " hexagon color rgbf <0.9882,0.9020,0.7882,0> , color rgbf <1,0,0,0.5> , "
            "color rgbf <a,0.9020,0.7882,0>}");
}

TEST(TextureBuilderTest, PatternPigmentsWriteTheColourMap) {
  ParameterSet set;
  set.SetIndex("cbPigmentType", 5);
  EXPECT_EQ(Pigment(set),
            " bozo  color_map {  [0.000 color rgb <1.000, 1.000, 1.000 > ] [1.000 color rgb "
            "<0.000, 0.000, 0.000 > ]} turbulence 0 lambda 2 omega 0.5 octaves 3 frequency 1 "
            "phase 0 scale 1}");
  set.SetIndex("cbPigmentType", 4);
  set.SetText("editTurbulence", "0.3");
  EXPECT_EQ(Pigment(set),
            " agate agate_turb 0.3 color_map { [0.000 color rgb <1.000, 1.000, 1.000 > ] [1.000 "
            "color rgb <0.000, 0.000, 0.000 > ]} lambda 2 omega 0.5 octaves 3 frequency 1 phase 0 "
            "scale 1}");
}

TEST(TextureBuilderTest, ColourMapCellsNamesFilterAndTransmit) {
  ParameterSet set;
  set.SetIndex("cbPigmentType", 6);
  // 128 -> 0.500 (two significant digits), 200 -> 0.780, 10 -> 0.039.
  set.SetGrid("sgColorMap",
              Grid{3,
                   4,
                   {"0.000", "Red", "0.5", "0", "0.4", "DimGray   ", "0", "0.2", "1.000",
                    std::to_string(128 + 256 * 200 + 65536 * 10), "0", "0"}});
  EXPECT_EQ(Pigment(set),
            " gradient x  color_map {  [0.000 color Red filter  0.5 ] [0.4 color DimGray    "
            "transmit  0.2 ] [1.000 color rgb <0.500, 0.780, 0.039 > ]} turbulence 0 lambda 2 "
            "omega 0.5 octaves 3 frequency 1 phase 0 scale 1}");
  // Names match without regard to case and are written as the cell holds them.
  set.SetGrid("sgColorMap", Grid{1, 4, {"0.5", "eggSHELL  ", "0", "0"}});
  EXPECT_EQ(Pigment(set).substr(0, 50), " gradient x  color_map {  [0.5 color eggSHELL   ]}");
}

TEST(TextureBuilderTest, ColourMapOddShapesStayValidOrFailWithAMessage) {
  ParameterSet set;
  set.SetIndex("cbPigmentType", 9);
  // One row, duplicate and out-of-range positions: POV-Ray takes these as they stand.
  set.SetGrid("sgColorMap",
              Grid{3, 4, {"-0.5", "255", "0", "0", "-0.5", "0", "0", "0", "1.5", "0", "0", "0"}});
  EXPECT_NE(Pigment(set).find("[-0.5 color rgb <1.000, 0.000, 0.000 > ] [-0.5 color"),
            std::string::npos);
  // A packed colour outside 24 bits keeps only its low 24 bits.
  set.SetGrid("sgColorMap", Grid{1, 4, {"0", "-1", "0", "0"}});
  EXPECT_NE(Pigment(set).find("[0 color rgb <1.000, 1.000, 1.000 > ]"), std::string::npos);
  // A grid from a file with only two columns: no filter, no transmit.
  set.SetGrid("sgColorMap", Grid{1, 2, {"0", "0"}});
  EXPECT_NE(Pigment(set).find("[0 color rgb <0.000, 0.000, 0.000 > ]}"), std::string::npos);

  std::string text = "kept";
  set.SetGrid("sgColorMap", Grid{0, 4, {}});
  EXPECT_EQ(BuildTexture(set, text).message(), "The color map holds no colors.");
  Grid big{257, 4, {}};
  for (int i = 0; i < 257; ++i) big.cells.insert(big.cells.end(), {"0.5", "0", "0", "0"});
  set.SetGrid("sgColorMap", big);
  EXPECT_EQ(BuildTexture(set, text).message(),
            "The color map holds 257 colors; POV-Ray takes at most 256.");
  set.SetGrid("sgColorMap", Grid{1, 1, {"0"}});
  EXPECT_EQ(BuildTexture(set, text).message(), "The color map grid has no color column.");
  set.SetGrid("sgColorMap", Grid{1, 4, {"0", "Custom Color", "0", "0"}});
  EXPECT_EQ(BuildTexture(set, text).message(), "'Custom Color' is not a valid integer value");
  EXPECT_EQ(text, "kept");
}

TEST(TextureBuilderTest, BadColourCellWritesNoFieldAndKeepsTheCurrentText) {
  ParameterSet set;
  TexturePage page;
  page.current_texture = "before";
  set.SetIndex("cbPigmentType", 12);
  set.SetGrid("sgColorMap", Grid{2, 4, {"0", "Rood", "0", "0", "1", "0", "0", "0"}});
  const Status s = AssignTexture(set, page, "sbAssignBranch");
  EXPECT_EQ(s.message(), "'Rood' is not a valid integer value");
  EXPECT_EQ(page.current_texture, "before");
  EXPECT_EQ(set.Text("EdBranchTexture"), ParameterSet().Text("EdBranchTexture"));
  set.SetIndex("cbPigmentType", -1);
  EXPECT_EQ(AssignTexture(set, page, "sbAssignBranch").message(), "No pigment type is chosen.");
  set.SetIndex("cbPigmentType", kPigmentImageMap);  // and no picture named
  EXPECT_EQ(AssignTexture(set, page, "sbAssignBranch").message(),
            "The image map has no picture file: name one in edIMName (Textures/Pigment)");
}

TEST(TextureBuilderTest, ImageMapTypesAndProjection) {
  ParameterSet set;
  set.SetIndex("cbPigmentType", 20);
  set.SetText("edIMName", "sky.png");
  set.SetIndex("RadioGroup4", 1);
  EXPECT_EQ(Pigment(set),
            " image_map { png \"sky.png\" map_type 1 interpolate 2 } translate <-0.5, -0.5, 0> "
            "scale 1 }");
  set.SetText("edIMName", "a.gif.bmp");
  set.SetIndex("RadioGroup4", -1);
  set.SetText("edIMTurb", "0.2");
  set.SetText("edIMScale", "3");
  EXPECT_EQ(Pigment(set),
            " image_map { gif bmp \"a.gif.bmp\" interpolate 2 } turbulence 0.2 translate "
            "<-0.5, -0.5, 0> scale 3 }");
  set.SetText("edIMName", "plain.PNG");
  EXPECT_EQ(Pigment(set).substr(0, 26), " image_map { \"plain.PNG\" i");
}

TEST(TextureBuilderTest, NormalTypes) {
  ParameterSet set;
  EXPECT_EQ(NormalPart(set, true), "");
  set.SetIndex("cbNormalType", 14);
  EXPECT_EQ(NormalPart(set, true),
            " normal { bumps 0.5 turbulence 0 lambda 2 omega 0.5 octaves 3 frequency 1 phase 0 "
            "scale 1 }");
  EXPECT_EQ(NormalPart(set, false).substr(0, 30), " normal { bumps   turbulence 0");
  set.SetIndex("cbNormalType", 20);
  set.SetText("edBMName", "bumps.tga");
  set.SetIndex("RadioGroup6", 2);
  EXPECT_EQ(
      NormalPart(set, false),
      " normal {bump_map { tga \"bumps.tga\" map_type 2 bump_size 0.5 interpolate 2 } translate "
      "<-0.5, -0.5, 0> scale 1 }");
  set.SetText("editNormalDepth", "");
  set.SetText("edBMTurb", "0.1");
  EXPECT_EQ(
      NormalPart(set, true),
      " normal {bump_map { tga \"bumps.tga\" map_type 2 interpolate 2 } turbulence 0.1 translate "
      "<-0.5, -0.5, 0> scale 1 }");
  set.SetIndex("cbNormalType", -1);
  EXPECT_EQ(NormalPart(set, true), "");
}

TEST(TextureBuilderTest, FinishToggles) {
  ParameterSet set;
  EXPECT_EQ(FinishPart(set), "");
  set.SetOn("sbPhong", true);
  EXPECT_EQ(FinishPart(set), " finish { phong 0.4 phong_size 60 }");
  set.SetOn("sbPhong", false);
  set.SetOn("sbRoughness", true);
  EXPECT_EQ(FinishPart(set), " finish { roughness 0.001 }");
  for (const char* t : {"sbAmbient", "sbDiffuse", "sbBrilliance", "sbPhong", "sbSpecular",
                        "sbMetallic", "sbReflection", "sbCrand"}) {
    set.SetOn(t, true);
  }
  EXPECT_EQ(
      FinishPart(set),
      " finish { ambient rgb <0.1, 0.1, 0.1> diffuse 0.7 brilliance 2 phong 0.4 phong_size 60 "
      "specular 1 roughness 0.001 metallic  reflection rgb <0.3, 0.3, 0.3> crand 1 }");
}

// Every pigment type with every normal type beside it, all finish items on.
TEST(TextureBuilderTest, EveryTypeGolden) {
  ParameterSet set;
  for (const char* t : {"sbAmbient", "sbDiffuse", "sbBrilliance", "sbPhong", "sbSpecular",
                        "sbRoughness", "sbMetallic", "sbReflection", "sbCrand"}) {
    set.SetOn(t, true);
  }
  set.SetText("edIMName", "pic.png");
  set.SetText("edBMName", "bump.gif");
  set.SetText("editTTScaleX", "2");
  set.SetText("editTTRotateZ", "45");
  std::string all;
  for (int type = 0; type <= 20; ++type) {
    set.SetIndex("cbPigmentType", type);
    set.SetIndex("cbNormalType", type);
    all += Built(set) + "\n";
  }
  EXPECT_TRUE(test::MatchesGolden("texture_every_type.txt", all));
}

TEST(TextureAssignTest, EveryButtonFillsItsFields) {
  ParameterSet set;
  TexturePage page;
  set.SetText("editTTScaleY", "7");
  std::string expected;
  ASSERT_TRUE(BuildTexture(set, expected).ok());
  for (const AssignTarget& target : AssignTargets()) {
    ASSERT_GE(set.Find(target.field), 0) << target.field;
    ASSERT_TRUE(AssignTexture(set, page, target.button).ok());
    EXPECT_EQ(set.Text(target.field), expected) << target.button;
    if (!target.second_field.empty()) {
      EXPECT_EQ(set.Text(target.second_field), expected);
    }
  }
  EXPECT_EQ(AssignTargets().size(), 20u);
  ParameterSet fresh;
  ASSERT_TRUE(AssignTexture(fresh, page, "sbAssignTopHart").ok());
  EXPECT_EQ(fresh.Text("edTopHartTexture"), fresh.Text("edCTopHartT"));
  ASSERT_TRUE(AssignTexture(fresh, page, "sbAssignCoat").ok());
  EXPECT_EQ(fresh.Text("edCoatTex"), fresh.Text("edCHuskT"));
  // The export's build writes no field at all.
  ParameterSet other;
  other.SetText("editTTScaleY", "9");
  const ParameterSet before = other;
  ASSERT_TRUE(AssignTexture(other, page, "").ok());
  EXPECT_TRUE(other == before);
  EXPECT_NE(page.current_texture.find("scale <1,9,1>"), std::string::npos);
}

}  // namespace
}  // namespace vermora
