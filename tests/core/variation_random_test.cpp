#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "params/number_reading.h"
#include "params/settings_file.h"
#include "support/test_support.h"
#include "variation/random_engine.h"
#include "variation/variations.h"

namespace vermora {
namespace {

ParameterSet RandomSet(std::uint32_t seed, ParameterSet set = {}) {
  FixedClock clock(seed);
  Random random;
  EngineOptions options;
  options.random = &random;
  options.clock = &clock;
  EngineResult result = RunRandomEngine(set, options);
  EXPECT_TRUE(result.status.ok()) << result.status.message();
  EXPECT_TRUE(result.warnings.empty());
  return set;
}

float Num(const ParameterSet& set, const char* name) { return ParseNumber(set.Text(name)).value(); }

// The whole child of the default set at noon; the first draws worked by hand:
// R1 0.3773 pick(8) = 3, PredefWorm; R2 0.4281 x 40 = 17.12, the count c;
// R3 0.7703 x 40 = 30.8 > c, so the spacing is c x 0.5 = 8.56; R4 0.2522 x 1.2 - 0.6;
// R5 0.4125 x c = 7.06 < c x 0.5, so the leg trigger is c + 1; R6 0.7017 x 1.5; R7 0.5060.
TEST(VariationRandomTest, ExactChildForAFixedSeed) {
  const ParameterSet child = RandomSet(43200000);
  EXPECT_TRUE(test::MatchesGolden("child_random.vmx", SettingsText(child)));
  EXPECT_EQ(child.Index("RadioGroup1"), 3);
  const std::pair<const char*, const char*> worked[] = {{"EdNumber", "17"}, {"EdSpace", "9"}, {"EdOmw", "-0.30"},
                                                        {"EdLegTrig", "18"}, {"EdXMoveF", "1.05"}, {"EdYMoveF", "0.51"}};
  for (const auto& [name, text] : worked) EXPECT_EQ(child.Text(name), text) << name;
}

TEST(VariationRandomTest, ValuesStayInsideTheirRanges) {
  ParameterSet base;
  base.SetOn("ChkRAlternate", true);
  base.SetOn("ChkTextureOverWorm", true);
  for (std::uint32_t seed = 1; seed <= 60; ++seed) {
    const ParameterSet set = RandomSet(seed * 7919u, base);
    SCOPED_TRACE(seed);
    const float c = Num(set, "EdNumber");
    EXPECT_TRUE(c >= 15 && c <= 40 + 15) << c;
    const float space = Num(set, "EdSpace");
    EXPECT_TRUE((space >= c * 0.25f - 0.5f && space <= c + 0.5f)) << space << " of " << c;
    EXPECT_EQ(set.Text("EdShFX") + " " + set.Text("EdShFX"), set.Text("EdShFY") + " " + set.Text("EdShFZ"));
    EXPECT_EQ(set.Text("EdTScaleFactorX"), set.Text("EdTScaleFactorZ"));
    EXPECT_EQ(std::stoi(set.Text("EdShTrig")), std::stoi(set.Text("EdNumber")) + 10);
    EXPECT_TRUE(Num(set, "EdRNumber") >= 40 && Num(set, "EdRNumber") < 120) << set.Text("EdRNumber");
    EXPECT_TRUE(set.Index("ScrAN") >= 3 && set.Index("ScrAN") <= 6) << set.Index("ScrAN");
    for (const char* n : {"EdBaseNumber", "EdTopNumber", "EdTopVNumber", "EdMinorTurn", "EdRevs"}) {
      EXPECT_GE(Num(set, n), 1) << n;
    }
    // A thing is always asked for ("Randompick"), so DoubleSpiral and TwoDWorm
    // are replaced by SpiralWorm and FormWorm.
    EXPECT_TRUE(set.Index("RadioGroup1") != 2 && set.Index("RadioGroup1") != 6) << set.Index("RadioGroup1");
    int things = 0;
    for (const char* n : {"ChkFanOn", "ChkWheelOn", "ChkTrilobyt", "ChkAnemoneOn", "chkHornOn", "chkHullOn"}) {
      things += set.On(n);
    }
    // The alternate worm needs a thing; a pick of none takes it away with the Things page.
    EXPECT_EQ(set.On("ChkAlternate"), things > 0);
    EXPECT_EQ(set.Index("RadioGroup2") >= 0, things > 0);
    EXPECT_LE(things, 1);
    EXPECT_FALSE(set.On("ChkBubble"));
    EXPECT_FALSE(set.On("ChkBaseOn") && set.On("ChkTopOn"));
    // The engine turns the thing's texture override on, which takes the worm's off.
    EXPECT_TRUE(set.On("ChkTextureOverThing"));
    EXPECT_FALSE(set.On("ChkTextureOverWorm"));
    EXPECT_EQ(set.Text("EdTPostRotateX"), "0.0");
  }
}

TEST(VariationRandomTest, PageSettingsChooseTheTypes) {
  ParameterSet base;
  base.SetOn("ChkWormsOnly", true);
  base.SetIndex("RadioGroup3", 7);
  base.SetOn("ChkRAlternate", true);
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    const ParameterSet set = RandomSet(seed * 104729u, base);
    EXPECT_TRUE(set.Index("RadioGroup1") != 3 && set.Index("RadioGroup1") != 4) << set.Index("RadioGroup1");
    // "None": no thing, so no alternation and no second worm.
    EXPECT_FALSE(set.On("ChkAlternate"));
    EXPECT_FALSE(set.On("ChkWheelOn") || set.On("ChkFanOn") || set.On("ChkTrilobyt"));
    EXPECT_EQ(set.Index("RadioGroup2"), -1);
  }
  base = ParameterSet();
  const ParameterSet set = RandomSet(99, base);
  EXPECT_EQ(set.Index("RadioGroup2"), -1);
  EXPECT_FALSE(set.On("ChkAlternate"));
}

TEST(VariationRandomTest, OnlyTheEngineGroupsChange) {
  ParameterSet base;
  base.SetText("edSplitTrig", "77");
  base.SetText("edCamLocX", "12");
  const ParameterSet set = RandomSet(5, base);
  for (const char* n : {"edSplitTrig", "edRadiusIncr", "chkMinPlusOn", "edCamLocX", "edXDev",
                        "ChkClusterOn", "EdSegMax"}) {
    EXPECT_EQ(set.value(set.Find(n)), base.value(base.Find(n))) << n;
  }
  for (size_t i = 0; i < set.size(); ++i) {
    const std::string_view page = set.def(i).page;
    if (page.starts_with("Textures") || page.starts_with("Backgrd") || page.starts_with("Povray")) {
      EXPECT_EQ(set.value(i), base.value(i)) << set.def(i).name;
    }
  }
  base.SetOn("chkRSplit", true);
  const ParameterSet split = RandomSet(5, base);
  EXPECT_NE(split.Text("edSplitTrig"), "77");
}

TEST(VariationRandomTest, ABadCountEndsTheRunAndChangesNothing) {
  ParameterSet set;
  set.SetText("EdSegMax", "900000");  // counts of 1000 and more are written "1.23E4"
  const ParameterSet before = set;
  FixedClock clock(3);
  Random random;
  EngineResult result = RunRandomEngine(set, {&random, &clock, ""});
  ASSERT_FALSE(result.status.ok());
  EXPECT_NE(result.status.message().find("is not a valid integer value"), std::string::npos);
  EXPECT_EQ(set, before);

  set.SetText("EdArmFactor", "1,5");
  set.SetText("EdSegMax", "40");
  result = RunRandomEngine(set, {&random, &clock, ""});
  EXPECT_TRUE(result.status.ok());
  ASSERT_EQ(result.warnings.size(), 1u);
  EXPECT_EQ(result.warnings[0], "1,5 ... is not valid");
}

TEST(VariationRandomTest, ChangeRuleRunsForEachSwitchTurned) {
  ParameterSet set;
  std::vector<std::string> turned;
  set.SetObserver([&](ParameterSet& s, size_t i) { turned.emplace_back(s.def(i).name); });
  const ParameterSet before = set;
  FixedClock clock(11);
  Random random;
  EXPECT_TRUE(RunRandomEngine(set, {&random, &clock, ""}).status.ok());
  size_t changed = 0;
  for (size_t i = 0; i < set.size(); ++i) {
    const ParamKind kind = set.def(i).kind;
    if ((kind != ParamKind::kSwitch && kind != ParamKind::kChoice) || set.value(i) == before.value(i)) continue;
    ++changed;
    EXPECT_NE(std::find(turned.begin(), turned.end(), set.def(i).name), turned.end()) << set.def(i).name;
  }
  EXPECT_GT(changed, 5u);
}

// Random creatures of every thing choice compose to scenes the real renderer
// takes without an error line.
class VariationRandomRenderTest : public ::testing::TestWithParam<int> {};

TEST_P(VariationRandomRenderTest, RendersWithoutError) {
  ParameterSet base;
  base.SetIndex("RadioGroup3", GetParam());
  base.SetOn("ChkRAlternate", GetParam() % 2 == 0);
  base.SetOn("chkRSplit", GetParam() % 3 == 0);
  base.SetOn("ChkEndRot", true);
  for (std::uint32_t seed : {17u, 40023u}) {
    SCOPED_TRACE(seed);
    test::ExpectRenders(RandomSet(seed + GetParam() * 1000u, base), test::InView::kSomewhere);
  }
}

INSTANTIATE_TEST_SUITE_P(ThingChoices, VariationRandomRenderTest, ::testing::Range(0, 8, 1));

TEST(VariationVariationsTest, VariantsAreReproducibleAndDistinct) {
  const std::string folder = test::MakeTempFolder();
  ParameterSet set;
  set.SetText("EdNumber", "30");
  Variants a = MakeVariants(set, EngineKind::kRandom, 100, 4, folder);
  Variants b = MakeVariants(set, EngineKind::kRandom, 100, 4, folder);
  ASSERT_TRUE(a.status.ok());
  ASSERT_EQ(a.sets.size(), 4u);
  for (size_t i = 0; i < 4; ++i) EXPECT_EQ(a.sets[i], b.sets[i]);
  EXPECT_FALSE(a.sets[0] == a.sets[1]);

  // Every evolved variant is a child of the set given, not of another variant.
  Variants evolved = MakeVariants(set, EngineKind::kEvolve, 7, 3, folder);
  ASSERT_TRUE(evolved.status.ok());
  for (const ParameterSet& child : evolved.sets) {
    const float n = std::stof(child.Text("EdNumber"));
    EXPECT_TRUE(n >= 30 && n <= 42) << n;
  }
  ParameterSet bad = set;
  bad.SetText("EdSegMax", "900000");
  Variants failed = MakeVariants(bad, EngineKind::kRandom, 3, 2, folder);
  EXPECT_FALSE(failed.status.ok());
  EXPECT_TRUE(failed.sets.empty());
  std::filesystem::remove_all(folder);
}

TEST(VariationVariationsTest, RendersInParallelFoldersAndCancels) {
  if (!test::HavePovray()) GTEST_SKIP() << "POV-Ray is not installed";
  const std::string folder = test::MakeTempFolder();
  Variants variants = MakeVariants(ParameterSet(), EngineKind::kRandom, 55, 3, folder);
  ASSERT_TRUE(variants.status.ok());
  RenderJobsOptions options;
  options.povray = test::kPovray;
  options.include_dirs = {VERMORA_DATA_DIR};
  options.folder = folder;
  options.width = "32";
  options.height = "24";
  options.concurrency = 2;
  options.timeout_seconds = 60;
  std::vector<RenderJobOutcome> outcomes = RenderScenes(variants.sets, options);
  ASSERT_EQ(outcomes.size(), 3u);
  for (size_t i = 0; i < outcomes.size(); ++i) {
    EXPECT_TRUE(outcomes[i].render.ok()) << outcomes[i].render.failure;
    EXPECT_EQ(outcomes[i].image_path.find(folder + "variant" + std::to_string(i + 1) + "/"), 0u);
    EXPECT_TRUE(std::filesystem::exists(outcomes[i].image_path));
  }

  std::atomic<bool> cancel{true};
  options.cancel = &cancel;
  outcomes = RenderScenes(variants.sets, options);
  for (const RenderJobOutcome& o : outcomes) EXPECT_EQ(o.render.failure, "Rendering cancelled");

  // Cancelling while renders run stops them (renders this large would otherwise succeed).
  cancel = false;
  ParameterSet slow;
  slow.SetText("EdNumber", "400");
  std::thread stopper([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    cancel = true;
  });
  options.width = "640";
  options.height = "480";
  outcomes = RenderScenes({slow, slow, slow}, options);
  stopper.join();
  for (const RenderJobOutcome& o : outcomes) EXPECT_EQ(o.render.failure, "Rendering cancelled");
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace vermora
