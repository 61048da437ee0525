#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "compose/composer.h"
#include "render/command_line.h"
#include "render/renderer.h"
#include "scene/header.h"
#include "scene/object_library.h"
#include "scene/scene_writer.h"
#include "support/creatures.h"
#include "support/thing_scene.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;
using namespace test;
using test::Scene;

bool Contains(const std::string& scene, const std::string& line) {
  return scene.find("\r\n" + line + "\r\n") != std::string::npos;
}
std::vector<size_t> Counts(const std::string& scene, std::initializer_list<const char*> lines) {
  std::vector<size_t> counts;
  for (const char* line : lines) counts.push_back(CountLines(scene, line));
  return counts;
}
using N = std::vector<size_t>;

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
  ParameterSet set =
      With(SpiralOnly(), {}, {{"EdInc3", "#include \"third.inc\""}, {"edCamLocX", "2*3"}});
  set.SetOn("chkL_1", false);
  set.SetOn("chkL_2", false);
  std::string scene = Compose(set);
  EXPECT_EQ(scene.find("light_source"), std::string::npos);
  EXPECT_TRUE(Contains(scene, "#include \"vmxpred.inc\"\r\n#include \"third.inc\""));
  EXPECT_TRUE(Contains(scene, "  location <2*3, 0.0, -30>"));
  scene = Compose(With(set, {"chkReference", "chkNoShadow"}));
  EXPECT_TRUE(Contains(scene, "union {  // Reference"));
  EXPECT_TRUE(Contains(scene, "  no_shadow\r\n }"));
}

TEST(HeaderTest, Pov22HasFixedLightsAndNoCamera) {
  const std::string scene = Compose(With(SpiralOnly(), {"chkReference", "chkJMerge"}), false);
  EXPECT_EQ(
      scene.rfind("// File : VERSION22.POV created by VERMORA v.0.99g ----------\r\n \r\n", 0), 0u);
  for (const char* absent : {"global_settings", "camera", "Reference", " merge {"}) {
    EXPECT_EQ(scene.find(absent), std::string::npos) << absent;  // merge is POV-Ray 3.1 text
  }
  EXPECT_TRUE(
      Contains(scene, "light_source {0*x color red 1 green 1 blue 1 translate <-20, -20, 30>}"));
  EXPECT_TRUE(Contains(scene, "  rotate <-90, 0, 0> // for handedness "));
  EXPECT_TRUE(Contains(scene, " union {"));
}

TEST(ObjectLibraryTest, DeclaresExactlyTheNamedObjects) {
  ParameterSet set = test::SpiralOnly();
  std::string scene = Compose(set);
  EXPECT_TRUE(Contains(scene, "#declare Bol = sphere {<0, 0, 0>, .5 }"));
  for (const char* absent : {"#declare Spik", "#macro Connect"})
    EXPECT_EQ(scene.find(absent), std::string::npos);
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
  EXPECT_EQ(first, (std::vector<std::string>{
                       " union {", "  object {JSegment", "  scale <0.983, 0.983, 0.983>",
                       "  rotate <-27, 0, 19>", "  translate <-0.213, 0.246, 0.301>", " }",
                       "  object {JSegment"}));
  EXPECT_EQ(*(it + 10), "  translate <-0.464, 0.488, 0.563>");
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "  object {JSegment"), 30);
}

TEST(ComposerTest, SpiralEdgeCases) {
  EXPECT_TRUE(Contains(Compose(With(SpiralOnly(), {}, {{"EdNumber", "0"}})),
                       "#declare W0 = \r\n union {\r\n }"));
  ParameterSet set =
      With(SpiralOnly(), {}, {{"edHTus", "1.5"}});  // emission falls between step indices
  EXPECT_EQ(CountLines(Compose(set), "  object {JSegment"), 1u);
  set.SetText("edHTus", "1");
  set.SetOn("ChkARot", false);
  std::string scene = Compose(set);
  EXPECT_NE(scene.find("  rotate <0, 0, 0>"), std::string::npos);
  EXPECT_EQ(scene.find("  rotate <-27"), std::string::npos);
  set.SetText("EdShFX", "60");  // shrinking never goes below 0.1
  scene = Compose(set);
  EXPECT_NE(scene.find("  scale <0.100, "), std::string::npos);
}

TEST(ComposerTest, BadNumbersWarnAndBadIntegersEndTheScene) {
  ParameterSet set = With(SpiralOnly(), {}, {{"EdSpace", "1,5"}});
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
  ParameterSet set = With(SpiralOnly(), {}, {{"EdNumber", "1e12"}});
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
  result = ComposeScene(set = With(set, {"ChkBranchON"}, {{"edBRLevel", "1"}}), options);
  EXPECT_TRUE(result.status.ok()) << result.status.message();
  const char* const cut = "SpiralWorm segments above 1000000 are not written";
  EXPECT_EQ(std::count(result.warnings.begin(), result.warnings.end(), cut), 1);
  // Branch levels are cut too, so a typed level in the billions ends at once.
  result = ComposeScene(
      With(set, {}, {{"EdNumber", "2"}, {"edHTus", "1"}, {"edBRLevel", "2000000000"}}), options);
  EXPECT_TRUE(result.status.ok()) << result.status.message();
  EXPECT_EQ(result.warnings.back(), "Branch levels above 1000 are not written");
}

TEST(ComposerTest, WormBlocksAndPlacement) {
  ParameterSet set = With(SpiralOnly(), {"ChkAlternate"});
  set.SetIndex("RadioGroup2", 0);
  set.SetOn("ChkTextureOverWorm", true);
  std::string scene = Compose(set);
  const std::string texture = set.Text("EdThingTexture");
  EXPECT_TRUE(
      Contains(scene, " #declare Worm1 = object {\r\n  JWorm\r\n  " + texture + "\r\n   }\r\n "));
  EXPECT_TRUE(
      Contains(scene, " #declare Worm2 = object {\r\n  JWorm\r\n  " + texture + "\r\n  }\r\n "));
  EXPECT_EQ(scene.find("#declare JWorm"), scene.rfind("#declare JWorm"));  // written once
  // The other of the exclusive pair moves the texture to the placement.
  set.SetOn("ChkTextureOverThing", true);
  EXPECT_FALSE(set.On("ChkTextureOverWorm"));
  scene = Compose(set);
  EXPECT_TRUE(Contains(
      scene, "object {Worm1\r\n  " + texture +
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

ComposeResult Composed(const ParameterSet& set) { return ComposeScene(set, ComposeOptions{}); }

TEST(CurlWormTest, SegmentCountAndEnds) {
  const std::string scene = Scene(Alone(kCurl));
  EXPECT_EQ(CountLines(scene, "  object {object {RSegment translate <-.5,0,0>}"), 81u);
  EXPECT_EQ(scene.find("CHuskObj"), std::string::npos);
  EXPECT_TRUE(Has(scene, "  scale <0.300, 0.300, 0.300>\r\n  translate <0.000, 0.000, 2.000>"));
  const std::string varied = Scene(CurlVariation());
  EXPECT_EQ(
      Counts(varied, {" object {CHuskObj", "  scale <1.0, 1, 1> ", "  scale <1.5, 1.5, 1.5>"}),
      (N{2, 1, 1}));
}

TEST(DoubleSpiralTest, CountsAndCentring) {
  const std::string scene = Scene(Alone(kDouble));
  EXPECT_EQ(CountLines(scene, "  object {DSSegment"), 400u);
  EXPECT_EQ(scene.find("SideObject"), std::string::npos);
  EXPECT_EQ(CountLines(scene, "  translate <0, -15, 0>"), 1u);
  const std::string varied = Scene(DoubleVariation());
  EXPECT_EQ(Counts(varied, {"  object { SideObject", "  DSSegment2"}), (N{4, 10}));
  size_t connectors = 0;
  for (size_t at = 0; (at = varied.find(" object{ Connect(<", at)) != std::string::npos; ++at)
    ++connectors;
  EXPECT_EQ(connectors, 19u);
  for (const char* trigger : {"2.5", "0"})
    EXPECT_EQ(Scene(With(DoubleVariation(), {}, {{"edSideTrigger", trigger}}))
                  .find("  object { SideObject"),
              std::string::npos)
        << trigger;
}

TEST(FormWormTest, FirstSegmentAndBlob) {
  const std::string scene = Scene(Alone(kForm));
  EXPECT_TRUE(Has(scene,
                  "  object {FWSegment\r\n  scale <0.990, 0.990, 0.990>\r\n"
                  "  translate <0.495, 0.495, 0.495>\r\n  rotate <0, 17, 0>"))
      << "the y turn must be 17.28 degrees written whole";
  const std::string b = Scene(With(FormVariation(), {"chkBlobFW"}));
  EXPECT_EQ(b.find("FWSegment2\r\n"), std::string::npos);
  EXPECT_EQ(CountLines(b, "  sphere {0,1,1"), 10u);
  EXPECT_NE(FormVariation().Text("edFWShrink"), "");
  EXPECT_NE(Scene(FormVariation()).find("  scale <0.000, 0.000, 0.000>"), std::string::npos);
}

TEST(TwoDWormTest, LevelOrderAndConnectors) {
  const std::string scene = Scene(TwoDVariation());
  const size_t td0 = scene.find("#declare TD0 = "), rec1 = scene.find("#declare Rec1 = "),
               td1 = scene.find("#declare TD1 = "), rec2 = scene.find("#declare Rec2 = "),
               td2 = scene.find("#declare TD2 = ");
  ASSERT_NE(td2, std::string::npos);
  EXPECT_TRUE(td0 < rec1 && rec1 < td1 && td1 < rec2 && rec2 < td2);
  EXPECT_EQ(Counts(scene, {" object {TD2", " TD1", " #declare NewPlace2 = NewPlace ;"}),
            (N{1, 3, 33}));
}

// N 50, q = 40 / 50: segment i has s = 1 - i x 0.5 / 50 and t = sqrt(i), at
// (cos t, sin t) x t x s x q, turned t x 90 degrees: i = 1 at (0.428, 0.666), i = 4 at
// t = 2: (-0.639, 1.397), 180 degrees.
TEST(TwoDWormTest, SegmentsWorkedByHand) {
  const std::string scene = Scene(Alone(kTwoD));
  for (const char* segment :
       {"0.990, 0.990, 0.990>\r\n  rotate <0, 0, 90>\r\n  rotate <0, 0, 0>\r\n"
        "  translate <0.428, 0.666, 0.000>",
        "0.960, 0.960, 0.960>\r\n  rotate <0, 0, 180>\r\n  rotate <0, 0, 0>\r\n"
        "  translate <-0.639, 1.397, 0.000>"}) {
    EXPECT_NE(scene.find(std::string("  object {TDSegment\r\n  scale <") + segment),
              std::string::npos)
        << segment;
  }
}

TEST(TwoDWormTest, DeepOrBadRecursion) {
  ParameterSet set = With(TwoDVariation(), {}, {{"edTDNumber", "3"}, {"edRecLevel", "2000000000"}});
  ComposeResult deep = Composed(set);
  EXPECT_TRUE(deep.status.ok());
  EXPECT_FALSE(deep.warnings.empty());
  EXPECT_NE(deep.scene.find(" object {TD1000\r\n"), std::string::npos);
  set.SetText("edRecLevel", "-3");
  EXPECT_NE(Scene(set).find(" object {TD0\r\n"), std::string::npos);
  set.SetText("edRecLevel", "two");
  EXPECT_FALSE(Composed(set).status.ok());
  set.SetText("edRecLevel", "1");
  set.SetText("edRecNumber", "0");
  set.SetText("edTDNumber", "0");
  EXPECT_TRUE(Composed(set).status.ok());
}

TEST(TorusSplineTest, PointArrays) {
  ParameterSet set = Alone(kTorus);
  EXPECT_TRUE(Has(Scene(set),
                  "#declare TorusWorm = object {TorusSpline (0.1, array[3]{<0, 0, 0>, "
                  "<2, 2, 1>, <0.5, 1, 2>}, <1, 0, 0.5>)\r\n"));
  set.SetIndex("ScrAN", 2);
  EXPECT_NE(Scene(set).find("array[2]{<0, 0, 0>, <2, 2, 1>}, <"), std::string::npos);
  set.SetIndex("ScrAN", 9);  // the slider stops at 6
  EXPECT_NE(Scene(set).find("array[6]{<0, 0, 0>, "), std::string::npos);
}

TEST(PredefWormTest, EmptyObjectLeavesTheHeadAlone) {
  ParameterSet empty = Alone(kPredef);
  empty.SetText("EdPWN", "");
  EXPECT_NE(Scene(empty).find("\r\n#declare Predef = \r\n"), std::string::npos);
}

TEST(WormChoiceTest, SameWormInBothGroupsIsWrittenOnce) {
  const char* heads[] = {"#declare RWorm =",
                         "#declare DWorm = ",
                         "#declare Predef = object {Spik3}",
                         "#declare WormPred = object {Doos scale <1, 4, 1>}",
                         "#declare FWorm =",
                         "#declare TwoD =",
                         "#declare TorusWorm = object {TorusSpline (0.1, array[3]{<0, 0, 0>, <2, "
                         "2, 1>, <0.5, 1, 2>}, <1, 0, 0.5>)"};
  for (int worm = kCurl; worm <= kTorus; ++worm) {
    ParameterSet set = Alone(worm);
    set.SetIndex("RadioGroup2", worm);
    set.SetOn("ChkAlternate", true);
    EXPECT_EQ(CountLines(Scene(set), heads[worm - 1]), 1u) << worm;
  }
}

// No segments (a CurlWorm keeps one) or fewer than none write none; counts far
// beyond the defaults are cut with a warning instead of filling memory.
TEST(WormChoiceTest, NoneNegativeAndHugeCounts) {
  const std::tuple<int, const char*, const char*> counts[] = {
      {kCurl, "EdRNumber", "RSegment translate"},
      {kDouble, "edDSNumber", "DSSegment\r\n"},
      {kForm, "edFWNumber", "FWSegment\r\n"},
      {kTwoD, "edTDNumber", "TDSegment\r\n"}};
  for (const auto& [worm, field, segment] : counts) {
    for (const char* none : {"0", "-7"}) {
      const std::string scene = Scene(With(Alone(worm), {}, {{field, none}}));
      if (worm != kCurl || *none == '-') {
        EXPECT_EQ(scene.find(segment), std::string::npos) << field << none;
      }
    }
    ComposeResult result = Composed(With(Alone(worm), {}, {{field, "1e30"}}));
    EXPECT_TRUE(result.status.ok()) << field;
    ASSERT_FALSE(result.warnings.empty()) << field;
    EXPECT_NE(result.warnings.back().find("above 1000000"), std::string::npos);
  }
}

TEST(SpiralAttachmentsTest, BranchLevelsAreDeclaredInOrderAndRecursive) {
  const std::string scene = Scene(Branches());
  const size_t w0 = scene.find("#declare W0 = "), b1 = scene.find("#declare Branch1 = "),
               w1 = scene.find("#declare W1 = "), b2 = scene.find("#declare Branch2 = "),
               w2 = scene.find("#declare W2 = ");
  ASSERT_NE(w2, std::string::npos);
  EXPECT_TRUE(w0 < b1 && b1 < w1 && w1 < b2 && b2 < w2);
  EXPECT_EQ(Counts(scene, {" W0", " W1"}), (N{3, 3}));
  // Steps 4, 8 and 12 carry a ring in each branched level.
  EXPECT_EQ(Counts(scene, {"  object { Branch1", "  object { Branch2"}), (N{3, 3}));
  EXPECT_NE(scene.find("#declare JWorm =\r\n  object { W2\r\n"), std::string::npos);
  ParameterSet fractional = Branches();
  fractional.SetText("EdBranchTrigger", "2.5");
  EXPECT_EQ(CountLines(Scene(fractional), "  object { Branch1"), 0u);
}

TEST(SpiralAttachmentsTest, SingleMemberRingsGetTheDummySphere) {
  ParameterSet set = Branches();
  set.SetOn("ChkWormAsBranch", false);
  set.SetText("edBRLevel", "2");  // the switch put it back to 1
  set.SetText("EdBranchNumber", "1");
  std::string scene = Scene(set);
  EXPECT_NE(scene.find("#declare PredBranch =  object {Spik3}\r\n \r\n"), std::string::npos);
  EXPECT_EQ(Counts(scene, {"   sphere{ <0, 0, 0>, 0.001}", "  PredBranch"}), (N{2, 2}));
  set = TopStacks();
  set.SetText("EdTopVNumber", "1");
  scene = Scene(set);
  EXPECT_EQ(Counts(scene, {" #declare TotTops = union { ", "   sphere{ <0, 0, 0>, 0.001}"}),
            (N{1, 1}));
}

TEST(SpiralAttachmentsTest, TopStacksShrinkButNotBelowAHundredth) {
  std::string scene = Scene(TopStacks());
  EXPECT_EQ(CountLines(scene, " #declare TotTops = union { "), 3u);
  const std::string placed =
      "  object {TotTops\r\n  texture {pigment {color red 1 green 1 blue 1}}\r\n";
  auto stack_scaled = [&](const std::string& scene, const char* f) {
    return scene.find(placed + "  scale <" + f + ", " + f + ", " + f + ">") != std::string::npos;
  };
  for (const char* f : {"1.000", "0.833", "0.667"}) EXPECT_TRUE(stack_scaled(scene, f)) << f;
  EXPECT_TRUE(stack_scaled(Scene(With(TopStacks(), {}, {{"EdTopVScaleF", "9"}})), "0.010"));
}

TEST(SpiralAttachmentsTest, HeartScaleIsTheTypedText) {
  const std::string scene = Scene(TopHeart());
  EXPECT_NE(scene.find("#declare TopHart =  object {Bol}\r\n \r\n"), std::string::npos);
  EXPECT_EQ(CountLines(scene, "  scale <1.50, 1.50, 1.50>"), 1u);
  EXPECT_TRUE(
      Has(scene, "#declare JWorm =\r\n union {\r\n  object { W0\r\n }\r\n  object { TopHart"));
}

TEST(SpiralAttachmentsTest, BubbleRangeSwellsOnlyItsSegments) {
  const std::string scene = Scene(Bubbles());
  EXPECT_EQ(CountLines(scene, "  texture {pigment {color red 1 green 1 blue 1}}"), 7u);
  // A negative centre is taken as its size.
  EXPECT_EQ(Scene(With(Bubbles(), {}, {{"EdBBScCenter", "-2"}})), scene);
  // The default range lies beyond the worm: nothing swells.
  EXPECT_EQ(CountLines(Scene(Short()), "  texture {pigment {color red 1 green 1 blue 1}}"), 0u);
}

TEST(SpiralAttachmentsTest, HuskReplacesItsRangeAndHelixFollowsEveryStep) {
  EXPECT_EQ(Counts(Scene(Husk()), {" object {HuskObj", "  object {JSegment"}), (N{4, 8}));
  // 12 segments, 4 steps each
  EXPECT_EQ(Counts(Scene(Helix()), {"  object { HelixObj", "  object {JSegment"}), (N{48, 12}));
}

TEST(SpiralAttachmentsTest, SplitDoublesEveryRingStackAndHeart) {
  // Branch rings before and after the split.
  EXPECT_EQ(Counts(Scene(Everything()),
                   {"  object { Branch1", "  object {TotTops", "  object { TopHart", " PredBase"}),
            (N{6, 6, 2, 3}));
}

TEST(SpiralAttachmentsTest, BranchedRingsNameOnlyALevelThatExists) {
  ParameterSet set = With(BaseRing(), {"ChkBranchedBase"});
  EXPECT_EQ(CountLines(Scene(set), "  W1"), 0u);
  set.SetOn("ChkBranchON", true);
  EXPECT_EQ(CountLines(Scene(set), "  W1"), 3u);
}

TEST(SpiralAttachmentsTest, BadTextWarnsOnceAndTheSceneIsWritten) {
  const ComposeResult result =
      Composed(With(Helix(), {}, {{"edStraalH", "wide"}, {"EdBBScSW", "x"}}));
  EXPECT_TRUE(result.status.ok());
  EXPECT_EQ(result.warnings.size(), 2u);
  EXPECT_NE(result.scene.find("object {Worm1"), std::string::npos);
  EXPECT_FALSE(Composed(With(Branches(), {}, {{"edBRLevel", "two"}})).status.ok());
}

TEST(SpiralAttachmentsTest, HugeRingCountsAreCut) {
  const ComposeResult result = Composed(With(BaseRing(), {}, {{"EdBaseNumber", "1e9"}}));
  ASSERT_EQ(result.warnings.size(), 1u);
  EXPECT_EQ(result.warnings[0], "Base members above 1000000 are not written");
}

TEST(FanWheelTest, DefaultWheelSpreadsEightArmsAboutZ) {
  const std::string scene = SceneAt(ParameterSet{});
  for (int k = 0; k < 8; ++k) {
    const std::string arm =
        " object {\r\n Worm1\r\n  scale <1.000, 1.000, 1.000>\r\n  rotate <0, 0, " +
        std::to_string(45 * k) +
        ">\r\n  rotate <0, 0, 0>\r\n  translate <0.000, 0.000, 0.000>\r\n }\r\n";
    EXPECT_NE(scene.find(arm), std::string::npos) << k;
  }
  EXPECT_NE(scene.find("object {WheelWorm\r\n"), std::string::npos);
  EXPECT_EQ(scene.find("object {Worm1\r\n"), std::string::npos);
}

TEST(FanWheelTest, ShrinkBendAndTentacleRings) {
  std::string scene = SceneAt(With(Fan(), {}, {{"EdTNumber", "4"}, {"EdTScaleFactorX", "2"}}));
  for (const char* s : {"1.000", "0.500", "0.100"})
    EXPECT_GE(CountLines(scene, std::string("  scale <") + s + ", 1.000, 1.000>"), 1u) << s;
  EXPECT_EQ(CountLines(scene, "  scale <0.100, 1.000, 1.000>"), 2u);
  scene = SceneAt(With(Fan(), {}, {{"EdTNumber", "3"}, {"EdKropDegrees", "90"}}));
  for (const char* bend : {"30", "60"})
    EXPECT_EQ(CountLines(scene, std::string("  rotate <0, 0, ") + bend + ">"), 1u) << bend;
  ParameterSet set = With(Fan(), {"ChkTentacle"});
  scene = SceneAt(set);
  EXPECT_EQ(Counts(scene, {" object { Tent", "  sphere{ <0, 0, 0>, 0.001}"}), (N{2, 0}));
  set.SetText("EdTentNumber", "1");
  EXPECT_EQ(CountLines(SceneAt(set), "  sphere{ <0, 0, 0>, 0.001}"), 1u);
  // As many arms as tentacle members: no growth instead of a division by zero.
  scene = SceneAt(With(set, {}, {{"EdTentNumber", "8"}, {"EdTentGrow", "1"}}));
  EXPECT_EQ(scene.find("nan"), std::string::npos);
  EXPECT_EQ(scene.find("inf"), std::string::npos);
}

TEST(FanWheelTest, SecondWormSeriesIntervalAndAlternation) {
  std::string scene = SceneAt(With(Fan(), {"chkTSerie"}, {{"edSWTrig", "3"}, {"edSWETrig", "5"}}));
  EXPECT_EQ(Counts(scene, {" SecondWorm ", " Worm1"}), (N{3, 5}));
  EXPECT_NE(scene.find("#declare SecondWorm =  object {Spik4 scale 4}\r\n \r\n"),
            std::string::npos);
  ParameterSet set = With(Fan(), {"chkTInterval"}, {{"EdTNumber", "13"}, {"IntTrigger", "4"}});
  const std::string extra = "  object { SecondWorm texture {pigment {color red 1 green 1 blue 1}}";
  EXPECT_EQ(CountLines(SceneAt(set), extra), 3u);  // k = 4, 8, 12
  set.SetText("IntTrigger", "0");
  EXPECT_EQ(CountLines(SceneAt(set), extra), 1u);
  set = With(Fan(), {"ChkAlternate"});
  set.SetIndex("RadioGroup2", 0);
  scene = SceneAt(set);
  EXPECT_EQ(Counts(scene, {" Worm1", " Worm2"}), (N{4, 4}));
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
  const std::string scene = ComposeAt(ParameterSet{}, 12345678, &series).scene;
  EXPECT_EQ(CountLines(scene, " Worm1"), 9u);
  EXPECT_TRUE(
      Has(scene, " Worm1\r\n  scale <1.000, 1.000, 1.000>\r\n  scale <0.500, 0.500, 0.500>\r\n"));
  EXPECT_EQ(CountLines(scene, "  rotate <0, 0, 240>"), 1u);  // 8 x 360 / 12
}

TEST(FanWheelTest, BadTextWarnsOrEnds) {
  ComposeResult result = ComposeScene(With(ParameterSet(), {}, {{"EdTSpread", "wide"}}));
  EXPECT_TRUE(result.status.ok());
  ASSERT_EQ(result.warnings.size(), 1u);
  EXPECT_NE(result.scene.find("object {WheelWorm"), std::string::npos);
  result = ComposeScene(With(Fan(), {"chkTSerie"}, {{"edSWTrig", "3rd"}}));
  EXPECT_FALSE(result.status.ok());
  EXPECT_EQ(result.status.message(), "'3rd' is not a valid integer value");
}

}  // namespace
}  // namespace vermora
