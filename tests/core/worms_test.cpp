#include <gtest/gtest.h>

#include <filesystem>

#include "render/command_line.h"
#include "render/renderer.h"
#include "scene/composer.h"
#include "support/creatures.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;

ComposeResult Composed(const ParameterSet& set) { return ComposeScene(set, ComposeOptions{}); }

using namespace test;
using test::Scene;
size_t Count(const std::string& scene, const std::string& line) { return test::CountLines(scene, line); }

// ---- CurlWorm

TEST(CurlWormTest, SegmentCountAndEnds) {
  const std::string scene = Scene(Alone(kCurl));
  EXPECT_EQ(Count(scene, "  object {object {RSegment translate <-.5,0,0>}"), 81u);
  EXPECT_EQ(scene.find("CHuskObj"), std::string::npos);
  EXPECT_NE(scene.find("  scale <0.300, 0.300, 0.300>\r\n  translate <0.000, 0.000, 2.000>"),
            std::string::npos);
  const std::string varied = Scene(CurlVariation());
  EXPECT_EQ(Count(varied, " object {CHuskObj"), 2u);
  EXPECT_EQ(Count(varied, "  scale <1.0, 1, 1> "), 1u);
  EXPECT_EQ(Count(varied, "  scale <1.5, 1.5, 1.5>"), 1u);
}

TEST(CurlWormTest, ZeroAndNegativeCounts) {
  ParameterSet set = Alone(kCurl);
  set.SetText("EdRNumber", "0");
  EXPECT_TRUE(Composed(set).status.ok());
  set.SetText("EdRNumber", "-7");
  const std::string scene = Scene(set);
  EXPECT_EQ(scene.find("RSegment translate"), std::string::npos);
}

// ---- DoubleSpiral

TEST(DoubleSpiralTest, CountsAndCentring) {
  const std::string scene = Scene(Alone(kDouble));
  EXPECT_EQ(Count(scene, "  object {DSSegment"), 400u);
  EXPECT_EQ(scene.find("SideObject"), std::string::npos);
  EXPECT_EQ(Count(scene, "  translate <0, -15, 0>"), 1u);
  const std::string varied = Scene(DoubleVariation());
  EXPECT_EQ(Count(varied, "  object { SideObject"), 4u);
  EXPECT_EQ(Count(varied, "  DSSegment2"), 10u);
  size_t connectors = 0;
  for (size_t at = varied.find(" object{ Connect(<"); at != std::string::npos;
       at = varied.find(" object{ Connect(<", at + 1)) {
    ++connectors;
  }
  EXPECT_EQ(connectors, 19u);
  ParameterSet fraction = DoubleVariation();
  fraction.SetText("edSideTrigger", "2.5");
  EXPECT_EQ(Scene(fraction).find("  object { SideObject"), std::string::npos);
}

TEST(DoubleSpiralTest, ZeroCountAndZeroTrigger) {
  ParameterSet set = Alone(kDouble);
  set.SetText("edDSNumber", "0");
  EXPECT_EQ(Scene(set).find("DSSegment\r\n"), std::string::npos);
  set = DoubleVariation();
  set.SetText("edSideTrigger", "0");
  EXPECT_EQ(Scene(set).find("  object { SideObject"), std::string::npos);
}

// ---- FormWorm

TEST(FormWormTest, FirstSegmentAndBlob) {
  const std::string scene = Scene(Alone(kForm));
  EXPECT_NE(scene.find("  object {FWSegment\r\n  scale <0.990, 0.990, 0.990>\r\n"
                       "  translate <0.495, 0.495, 0.495>\r\n  rotate <0, 17, 0>"),
            std::string::npos)
      << "the y turn must be 17.28 degrees written whole";
  ParameterSet blob = FormVariation();
  blob.SetOn("chkBlobFW", true);
  const std::string b = Scene(blob);
  EXPECT_EQ(b.find("FWSegment2\r\n"), std::string::npos);
  EXPECT_EQ(Count(b, "  sphere {0,1,1"), 10u);
  EXPECT_NE(FormVariation().Text("edFWShrink"), "");
  EXPECT_NE(Scene(FormVariation()).find("  scale <0.000, 0.000, 0.000>"), std::string::npos);
}

// ---- TwoDWorm

TEST(TwoDWormTest, LevelOrderAndConnectors) {
  const std::string scene = Scene(TwoDVariation());
  const size_t td0 = scene.find("#declare TD0 = "), rec1 = scene.find("#declare Rec1 = "),
               td1 = scene.find("#declare TD1 = "), rec2 = scene.find("#declare Rec2 = "),
               td2 = scene.find("#declare TD2 = ");
  ASSERT_NE(td2, std::string::npos);
  EXPECT_TRUE(td0 < rec1 && rec1 < td1 && td1 < rec2 && rec2 < td2);
  EXPECT_EQ(Count(scene, " object {TD2"), 1u);
  EXPECT_EQ(Count(scene, " TD1"), 3u);
  EXPECT_EQ(Count(scene, " #declare NewPlace2 = NewPlace ;"), 33u);
}

// N 50, q = 40 / 50: segment i has s = 1 - i x 0.5 / 50 and t = sqrt(i), at
// (cos t, sin t) x t x s x q, turned t x 90 degrees: i = 1 at (0.428, 0.666), i = 4 at
// t = 2: (-0.639, 1.397), 180 degrees.
TEST(TwoDWormTest, SegmentsWorkedByHand) {
  const std::string scene = Scene(Alone(kTwoD));
  for (const char* segment : {"0.990, 0.990, 0.990>\r\n  rotate <0, 0, 90>\r\n  rotate <0, 0, 0>\r\n"
                              "  translate <0.428, 0.666, 0.000>",
                              "0.960, 0.960, 0.960>\r\n  rotate <0, 0, 180>\r\n  rotate <0, 0, 0>\r\n"
                              "  translate <-0.639, 1.397, 0.000>"}) {
    EXPECT_NE(scene.find(std::string("  object {TDSegment\r\n  scale <") + segment), std::string::npos) << segment;
  }
}

TEST(TwoDWormTest, DeepOrBadRecursion) {
  ParameterSet set = TwoDVariation();
  set.SetText("edTDNumber", "3");
  set.SetText("edRecLevel", "2000000000");
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

// ---- TorusSpline

TEST(TorusSplineTest, PointArrays) {
  ParameterSet set = Alone(kTorus);
  EXPECT_NE(Scene(set).find("#declare TorusWorm = object {TorusSpline (0.1, array[3]{<0, 0, 0>, "
                            "<2, 2, 1>, <0.5, 1, 2>}, <1, 0, 0.5>)\r\n"),
            std::string::npos);
  set.SetIndex("ScrAN", 2);
  EXPECT_NE(Scene(set).find("array[2]{<0, 0, 0>, <2, 2, 1>}, <"), std::string::npos);
  set.SetIndex("ScrAN", 9);  // the slider stops at 6
  EXPECT_NE(Scene(set).find("array[6]{<0, 0, 0>, "), std::string::npos);
}

// ---- PredefWorm and WormPredef

TEST(PredefWormTest, EmptyObjectLeavesTheHeadAlone) {
  ParameterSet empty = Alone(kPredef);
  empty.SetText("EdPWN", "");
  EXPECT_NE(Scene(empty).find("\r\n#declare Predef = \r\n"), std::string::npos);
}

// ---- Shared: a worm used as first and alternate is written once

TEST(WormChoiceTest, SameWormInBothGroupsIsWrittenOnce) {
  const char* heads[] = {"#declare RWorm =", "#declare DWorm = ", "#declare Predef = object {Spik3}",
                         "#declare WormPred = object {Doos scale <1, 4, 1>}", "#declare FWorm =",
                         "#declare TwoD =", "#declare TorusWorm = object {TorusSpline (0.1, array[3]{<0, 0, 0>, <2, 2, 1>, <0.5, 1, 2>}, <1, 0, 0.5>)"};
  for (int worm = kCurl; worm <= kTorus; ++worm) {
    ParameterSet set = Alone(worm);
    set.SetIndex("RadioGroup2", worm);
    set.SetOn("ChkAlternate", true);
    const std::string scene = Scene(set);
    EXPECT_EQ(Count(scene, heads[worm - 1]), 1u) << worm;
  }
}

// Counts far beyond the defaults are cut with a warning instead of filling memory.
TEST(WormChoiceTest, HugeCountsAreCutWithAWarning) {
  const std::pair<int, const char*> counts[] = {
      {kCurl, "EdRNumber"}, {kDouble, "edDSNumber"}, {kForm, "edFWNumber"}, {kTwoD, "edTDNumber"}};
  for (const auto& [worm, field] : counts) {
    ParameterSet set = Alone(worm);
    set.SetText(field, "1e30");
    ComposeResult result = Composed(set);
    EXPECT_TRUE(result.status.ok()) << field;
    ASSERT_FALSE(result.warnings.empty()) << field;
    EXPECT_NE(result.warnings.back().find("above 1000000"), std::string::npos);
  }
}

}  // namespace
}  // namespace vermora
