#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "scene/composer.h"
#include "scene/header.h"
#include "scene/object_library.h"
#include "scene/scene_writer.h"
#include "support/creatures.h"

namespace vermora {
namespace {

using test::Lines;

bool Contains(const std::string& scene, const std::string& line) {
  return scene.find("\r\n" + line + "\r\n") != std::string::npos;
}

std::string Compose(const ParameterSet& set, bool pov31 = true) {
  ComposeOptions options;
  options.pov31 = pov31;
  ComposeResult result = ComposeScene(set, options);
  EXPECT_TRUE(result.status.ok()) << result.status.message();
  return result.scene;
}

TEST(SceneWriterTest, VectorWritersAndLineEnds) {
  SceneWriter out;
  out.Line("");
  out.Rotate(400, 1000, -0.4);
  out.Scale(1, 1, 1);
  out.Translate(0, -12.3456f, 100000);
  EXPECT_EQ(out.text(),
            "\r\n  rotate <400, 1E3, -0>\r\n  scale <1.000, 1.000, 1.000>\r\n"
            "  translate <0.000, -12.346, 1E5>\r\n");
}

TEST(HeaderTest, LightsIncludesAndReference) {
  ParameterSet set = test::SpiralOnly();
  set.SetOn("chkL_1", false);
  set.SetOn("chkL_2", false);
  set.SetText("EdInc3", "#include \"third.inc\"");
  set.SetText("edCamLocX", "2*3");
  std::string scene = Compose(set);
  EXPECT_EQ(scene.find("light_source"), std::string::npos);
  EXPECT_TRUE(Contains(scene, "#include \"vmxpred.inc\"\r\n#include \"third.inc\""));
  EXPECT_TRUE(Contains(scene, "  location <2*3, 0.0, -30>"));

  set.SetOn("chkReference", true);
  set.SetOn("chkNoShadow", true);
  scene = Compose(set);
  EXPECT_TRUE(Contains(scene, "union {  // Reference"));
  EXPECT_TRUE(Contains(scene, "  no_shadow\r\n }"));
}

TEST(HeaderTest, Pov22HasFixedLightsAndNoCamera) {
  ParameterSet set = test::SpiralOnly();
  set.SetOn("chkReference", true);
  set.SetOn("chkJMerge", true);
  const std::string scene = Compose(set, false);
  EXPECT_EQ(scene.rfind("// File : VERSION22.POV created by VERMORA v.0.99g ----------\r\n \r\n", 0), 0u);
  EXPECT_EQ(scene.find("global_settings"), std::string::npos);
  EXPECT_EQ(scene.find("camera"), std::string::npos);
  EXPECT_EQ(scene.find("Reference"), std::string::npos);
  EXPECT_TRUE(Contains(scene, "light_source {0*x color red 1 green 1 blue 1 translate <-20, -20, 30>}"));
  EXPECT_TRUE(Contains(scene, "  rotate <-90, 0, 0> // for handedness "));
  EXPECT_TRUE(Contains(scene, " union {"));  // merge is POV-Ray 3.1 text
  EXPECT_EQ(scene.find(" merge {"), std::string::npos);
}

TEST(ObjectLibraryTest, DeclaresExactlyTheNamedObjects) {
  ParameterSet set = test::SpiralOnly();
  std::string scene = Compose(set);
  EXPECT_TRUE(Contains(scene, "#declare Bol = sphere {<0, 0, 0>, .5 }"));
  EXPECT_EQ(scene.find("#declare Spik"), std::string::npos);
  EXPECT_EQ(scene.find("#macro Connect"), std::string::npos);

  set.SetOn("ChkBranchON", true);
  set.SetOn("ChkWormAsBranch", false);  // EdPredBranch "object {Spik3}" now counts
  Diagnostics d;
  ParamReader reader(set, d);
  EXPECT_NE(UsedObjectText(reader).find("Spik3"), std::string::npos);
  set.SetOn("ChkWormAsBranch", true);
  EXPECT_EQ(UsedObjectText(reader).find("Spik3"), std::string::npos);

  set.SetOn("ChkBranchON", false);
  set.SetText("edJSegm", "union { object {Ear} object {Spik2 scale 2} }");
  set.SetOn("chkJConnect", true);
  scene = Compose(set);
  const size_t spik2 = scene.find("#declare Spik2 =  union {");
  const size_t ear = scene.find("#declare Ear =  union {");
  EXPECT_NE(spik2, std::string::npos);
  EXPECT_LT(spik2, ear);
  EXPECT_EQ(scene.find("#declare Bol"), std::string::npos);
  EXPECT_TRUE(Contains(scene, "#macro Connect(SP,SR,EP,ER)"));

  set.SetText("edJSegm", "object {Spik3}");
  scene = Compose(set);
  EXPECT_TRUE(Contains(scene, "#declare SS =  union {"));
  EXPECT_EQ(DraggedObjectText("Torus"), "object {Torus}");
}

TEST(ComposerTest, SpiralWorkedFirstSegment) {
  const std::vector<std::string> lines = Lines(Compose(test::SpiralOnly()));
  auto it = std::find(lines.begin(), lines.end(), "#declare W0 = ");
  ASSERT_NE(it, lines.end());
  const std::vector<std::string> first(it + 1, it + 8);
  EXPECT_EQ(first, (std::vector<std::string>{" union {", "  object {JSegment",
                                             "  scale <0.983, 0.983, 0.983>", "  rotate <-27, 0, 19>",
                                             "  translate <-0.213, 0.246, 0.301>", " }",
                                             "  object {JSegment"}));
  EXPECT_EQ(*(it + 10), "  translate <-0.464, 0.488, 0.563>");
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "  object {JSegment"), 30);
}

TEST(ComposerTest, SpiralEdgeCases) {
  ParameterSet set = test::SpiralOnly();
  set.SetText("EdNumber", "0");
  std::string scene = Compose(set);
  EXPECT_TRUE(Contains(scene, "#declare W0 = \r\n union {\r\n }"));

  set.SetText("EdNumber", "30");
  set.SetText("edHTus", "1.5");  // emission falls between step indices
  scene = Compose(set);
  const auto lines = Lines(scene);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "  object {JSegment"), 1);

  set.SetText("edHTus", "1");
  set.SetOn("ChkARot", false);
  scene = Compose(set);
  EXPECT_NE(scene.find("  rotate <0, 0, 0>"), std::string::npos);
  EXPECT_EQ(scene.find("  rotate <-27"), std::string::npos);

  set.SetText("EdShFX", "60");  // shrinking never goes below 0.1
  scene = Compose(set);
  EXPECT_NE(scene.find("  scale <0.100, "), std::string::npos);
}

TEST(ComposerTest, BadNumbersWarnAndBadIntegersEndTheScene) {
  ParameterSet set = test::SpiralOnly();
  set.SetText("EdSpace", "1,5");
  ComposeResult result = ComposeScene(set);
  EXPECT_TRUE(result.status.ok());
  ASSERT_FALSE(result.warnings.empty());
  EXPECT_EQ(result.warnings[0], "1,5 ... is not valid");
  EXPECT_NE(result.scene.find("object {Worm1"), std::string::npos);

  set.SetText("edBRLevel", "1.5");
  result = ComposeScene(set);
  EXPECT_EQ(result.status.message(), "'1.5' is not a valid integer value");
  EXPECT_EQ(result.scene.find("#declare W0"), std::string::npos);
  EXPECT_NE(result.scene.find("#declare JSegment = object {Bol}"), std::string::npos);
}

TEST(ComposerTest, RunawayCountsEndWithAMessage) {
  ParameterSet set = test::SpiralOnly();
  set.SetText("EdNumber", "1e12");
  ComposeOptions options;
  options.max_scene_bytes = 1 << 20;
  ComposeResult result = ComposeScene(set, options);
  EXPECT_EQ(result.status.message(),
            "The scene is too large: more than 1 MB of scene text. Lower the counts");
  // A count no step can reach is cut, even when nothing is emitted.
  set.SetText("edHTus", "1e30");
  result = ComposeScene(set, options);
  EXPECT_TRUE(result.status.ok()) << result.status.message();
  // Told once, however many branch levels share the bound.
  set.SetOn("ChkBranchON", true);
  set.SetText("edBRLevel", "1");
  result = ComposeScene(set, options);
  EXPECT_TRUE(result.status.ok()) << result.status.message();
  EXPECT_EQ(std::count(result.warnings.begin(), result.warnings.end(),
                       "SpiralWorm segments above 1000000 are not written"),
            1);
  // Branch levels are cut too, so a typed level in the billions ends at once.
  set.SetText("EdNumber", "2");
  set.SetText("edHTus", "1");
  set.SetText("edBRLevel", "2000000000");
  result = ComposeScene(set, options);
  EXPECT_TRUE(result.status.ok()) << result.status.message();
  EXPECT_EQ(result.warnings.back(), "Branch levels above 1000 are not written");
}

TEST(ComposerTest, WormBlocksAndPlacement) {
  ParameterSet set = test::SpiralOnly();
  set.SetOn("ChkAlternate", true);
  set.SetIndex("RadioGroup2", 0);
  set.SetOn("ChkTextureOverWorm", true);
  std::string scene = Compose(set);
  const std::string texture = set.Text("EdThingTexture");
  EXPECT_TRUE(Contains(scene, " #declare Worm1 = object {\r\n  JWorm\r\n  " + texture + "\r\n   }\r\n "));
  EXPECT_TRUE(Contains(scene, " #declare Worm2 = object {\r\n  JWorm\r\n  " + texture + "\r\n  }\r\n "));
  EXPECT_EQ(scene.find("#declare JWorm"), scene.rfind("#declare JWorm"));  // written once
  // The other of the exclusive pair moves the texture to the placement.
  set.SetOn("ChkTextureOverThing", true);
  EXPECT_FALSE(set.On("ChkTextureOverWorm"));
  scene = Compose(set);
  EXPECT_TRUE(Contains(scene, "object {Worm1\r\n  " + texture +
                                  "\r\n  scale <1, 1, 1>\r\n  rotate <0, 0, 0>\r\n  translate <0, 0, 0>\r\n }"));
}

TEST(ComposerTest, Pov22Refusals) {
  ParameterSet set;
  EXPECT_EQ(Pov22Refusal(set), "");
  set.SetIndex("RadioGroup2", 7);
  EXPECT_EQ(Pov22Refusal(set), "TorusSpline is on !\nMacros are only supported in Pov-Ray 3.1");
  set.SetOn("chkDSConnect", true);
  EXPECT_EQ(Pov22Refusal(set), "ConnectObjects is on !\nMacros are only supported in Pov-Ray 3.1");
  const std::string dir = test::MakeTempFolder();
  EXPECT_FALSE(ExportScene(set, dir + "x.pov", false).ok());
  EXPECT_FALSE(std::filesystem::exists(dir + "x.pov"));
  EXPECT_TRUE(ExportScene(set, dir + "x.pov", true).ok());
  EXPECT_TRUE(std::filesystem::exists(dir + "x.pov"));
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace vermora
