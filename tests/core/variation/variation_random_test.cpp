#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <thread>

#include "common/fixed.h"
#include "params/number_reading.h"
#include "params/settings_file.h"
#include "params/working_files.h"
#include "support/creatures.h"
#include "support/test_support.h"
#include "variation/breeding.h"
#include "variation/evolve.h"
#include "variation/mutate.h"
#include "variation/random_engine.h"
#include "variation/variations.h"

namespace vermora {
namespace {

ParameterSet RandomSet(std::uint32_t seed, ParameterSet set = {}) {
  FixedClock clock(seed);
  Random random;
  EngineResult result = RunRandomEngine(set, {&random, &clock, ""});
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
  const std::pair<const char*, const char*> worked[] = {{"EdNumber", "17"},   {"EdSpace", "9"},
                                                        {"EdOmw", "-0.30"},   {"EdLegTrig", "18"},
                                                        {"EdXMoveF", "1.05"}, {"EdYMoveF", "0.51"}};
  for (const auto& [name, text] : worked) EXPECT_EQ(child.Text(name), text) << name;
}

TEST(VariationRandomTest, ValuesStayInsideTheirRanges) {
  const ParameterSet base = test::With(ParameterSet(), {"ChkRAlternate", "ChkTextureOverWorm"});
  for (std::uint32_t seed = 1; seed <= 60; ++seed) {
    const ParameterSet set = RandomSet(seed * 7919u, base);
    SCOPED_TRACE(seed);
    const float c = Num(set, "EdNumber");
    EXPECT_TRUE(c >= 15 && c <= 40 + 15) << c;
    const float space = Num(set, "EdSpace");
    EXPECT_TRUE((space >= c * 0.25f - 0.5f && space <= c + 0.5f)) << space << " of " << c;
    EXPECT_EQ(set.Text("EdShFX") + " " + set.Text("EdShFX"),
              set.Text("EdShFY") + " " + set.Text("EdShFZ"));
    EXPECT_EQ(set.Text("EdTScaleFactorX"), set.Text("EdTScaleFactorZ"));
    EXPECT_EQ(std::stoi(set.Text("EdShTrig")), std::stoi(set.Text("EdNumber")) + 10);
    EXPECT_TRUE(Num(set, "EdRNumber") >= 40 && Num(set, "EdRNumber") < 120)
        << set.Text("EdRNumber");
    EXPECT_TRUE(set.Index("ScrAN") >= 3 && set.Index("ScrAN") <= 6) << set.Index("ScrAN");
    for (const char* n : {"EdBaseNumber", "EdTopNumber", "EdTopVNumber", "EdMinorTurn", "EdRevs"})
      EXPECT_GE(Num(set, n), 1) << n;
    // A thing is always asked for ("Randompick"), so DoubleSpiral and TwoDWorm
    // are replaced by SpiralWorm and FormWorm.
    EXPECT_TRUE(set.Index("RadioGroup1") != 2 && set.Index("RadioGroup1") != 6)
        << set.Index("RadioGroup1");
    int things = 0;
    for (const char* n :
         {"ChkFanOn", "ChkWheelOn", "ChkTrilobyt", "ChkAnemoneOn", "chkHornOn", "chkHullOn"})
      things += set.On(n);
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
    EXPECT_TRUE(set.Index("RadioGroup1") != 3 && set.Index("RadioGroup1") != 4)
        << set.Index("RadioGroup1");
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
  ParameterSet base = test::With(ParameterSet(), {}, {{"edSplitTrig", "77"}, {"edCamLocX", "12"}});
  const ParameterSet set = RandomSet(5, base);
  for (const char* n : {"edSplitTrig", "edRadiusIncr", "chkMinPlusOn", "edCamLocX", "edXDev",
                        "ChkClusterOn", "EdSegMax"})
    EXPECT_EQ(set.value(set.Find(n)), base.value(base.Find(n))) << n;
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
    if ((kind != ParamKind::kSwitch && kind != ParamKind::kChoice) ||
        set.value(i) == before.value(i))
      continue;
    ++changed;
    EXPECT_NE(std::find(turned.begin(), turned.end(), set.def(i).name), turned.end())
        << set.def(i).name;
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
  const ParameterSet set;
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
  Variants failed = MakeVariants(test::With(set, {}, {{"EdSegMax", "900000"}}), EngineKind::kRandom,
                                 3, 2, folder);
  EXPECT_FALSE(failed.status.ok());
  EXPECT_TRUE(failed.sets.empty());
  std::filesystem::remove_all(folder);
}

TEST(VariationVariationsTest, RendersInParallelFoldersAndCancels) {
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
  const ParameterSet slow = test::With(ParameterSet(), {}, {{"EdNumber", "400"}});
  std::thread stopper([&] {
    // Cancelled once POV-Ray runs (inside its sandbox it is no direct child; two minutes only end a
    // hang).
    const std::string running = "pgrep -x povray";
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    while (test::Shell(running).code != 0 && std::chrono::steady_clock::now() < give_up)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    cancel = true;
  });
  options.width = "640";
  options.height = "480";
  outcomes = RenderScenes({slow, slow, slow}, options);
  stopper.join();
  for (const RenderJobOutcome& o : outcomes) EXPECT_EQ(o.render.failure, "Rendering cancelled");
  std::filesystem::remove_all(folder);
}

ParameterSet Child(ParameterSet own, const ParameterSet& partner, std::uint32_t seed) {
  FixedClock clock(seed);
  Random random;
  EngineResult result = Breed(own, partner, {&random, &clock, ""});
  EXPECT_TRUE(result.status.ok()) << result.status.message();
  return own;
}

// Two clearly different parents: a fan with its own numbers and a trilobyte.
ParameterSet OwnParent() {
  return test::With(
      test::SpiralOnly(), {"ChkFanOn", "ChkARot"},
      {{"EdNumber", "20"}, {"EdOmw", "0.5"}, {"edCamLocX", "7.25"}, {"EdPWN", "object {Own}"}});
}
ParameterSet Partner() {
  ParameterSet set = test::With(test::SpiralOnly(), {"ChkTrilobyt"},
                                {{"EdNumber", "30"},
                                 {"EdOmw", "-0.25"},
                                 {"edCamLocX", "99"},
                                 {"EdPWN", "object {Partner}"},
                                 {"edSplitTrig", "123"}});
  set.SetOn("ChkARot", false);
  return set;
}

TEST(VariationBreedingTest, ExactChildForAFixedSeed) {
  ParameterSet partner = Partner();
  partner.SetIndex("RadioGroup1", 1);
  const ParameterSet child = Child(OwnParent(), partner, 777);
  EXPECT_TRUE(test::MatchesGolden("child_breeding.vmx", SettingsText(child)));
  EXPECT_EQ(child.Index("RadioGroup1"), 1);
  EXPECT_EQ(child.Text("EdPWN"), "object {Own}");
  EXPECT_FALSE(child.On("ChkARot"));
  EXPECT_EQ(child.Text("edCamLocX"), "7.25");
}

TEST(VariationBreedingTest, TweeningAtZeroAndOneGivesTheParents) {
  EXPECT_EQ(TweenValue(20, 30, 0), 20);
  EXPECT_EQ(TweenValue(20, 30, 1), 30);
  EXPECT_EQ(TweenValue(30, 20, 0), 20);
  EXPECT_EQ(TweenValue(30, 20, 0.5), 25);
}

// The mode is the own parent's, not the one the partner was saved with (selection).
TEST(VariationBreedingTest, TweenedNumbersLieOnTheStepsBetweenTheParents) {
  ParameterSet own = OwnParent();
  own.SetOn("chkSelection", false);
  own.SetOn("chkTweening", true);
  std::set<std::string> seen;
  for (std::uint32_t seed = 1; seed <= 80; ++seed) {
    const ParameterSet child = Child(own, Partner(), seed * 13u);
    seen.insert(child.Text("EdNumber"));
    const float omw = ParseNumber(child.Text("EdOmw")).value();
    EXPECT_TRUE(omw >= -0.25f && omw < 0.5f) << omw;
    EXPECT_TRUE(child.On("chkTweening") && !child.On("chkSelection"));
  }
  std::set<std::string> steps;
  for (int k = 20; k < 30; ++k) steps.insert(std::to_string(k));
  EXPECT_EQ(seen, steps);  // 20 to 29, never 30
}

TEST(VariationBreedingTest, GeneSelectionTakesEachGeneFromOneParent) {
  const ParameterSet own = OwnParent(), partner = Partner();
  bool from_own = false, from_partner = false;
  for (std::uint32_t seed = 1; seed <= 30; ++seed) {
    const ParameterSet child = Child(own, partner, seed * 101u);
    EXPECT_EQ(child.Text("edCamLocX"), "7.25");   // the own camera, always
    EXPECT_EQ(child.Text("edSplitTrig"), "123");  // not bred: the partner's
    const std::string n = child.Text("EdNumber");
    EXPECT_TRUE(n == "20" || n == "30") << n;
    const std::string omw = child.Text("EdOmw");
    EXPECT_TRUE(omw == "0.50" || omw == "-0.25") << omw;
    const std::string pwn = child.Text("EdPWN");
    EXPECT_TRUE(pwn == "object {Own}" || pwn == "object {Partner}");
    from_own |= pwn == "object {Own}";
    from_partner |= pwn == "object {Partner}";
    // Only one thing: the trilobyte wins over the fan.
    int things = 0;
    for (const char* t : {"ChkFanOn", "ChkWheelOn", "ChkTrilobyt", "ChkAnemoneOn", "ChkClusterOn",
                          "chkHornOn", "chkHullOn"})
      things += child.On(t);
    EXPECT_EQ(things, 1);
    EXPECT_EQ(child.Text("EdHRotZInc"),
              child.On("chkAutoRotZ") ? child.Text("EdHRotZInc") : "0.00");
  }
  EXPECT_TRUE(from_own && from_partner);
}

TEST(VariationBreedingTest, BreedingWithItselfOnlyReformatsNumbers) {
  ParameterSet own = test::SpiralOnly();
  const ParameterSet child = Child(own, own, 42);
  for (size_t i = 0; i < child.size(); ++i) {
    const std::string_view name = child.def(i).name;
    if (name == "ChkWheelOn") continue;  // no thing was on: the wheel comes back
    if (child.value(i) == own.value(i)) continue;
    const auto a = ParseNumber(child.value(i).text), b = ParseNumber(own.value(i).text);
    ASSERT_TRUE(a && b) << name;
    EXPECT_NEAR(*a, *b, 0.006) << name;
  }
  EXPECT_TRUE(child.On("ChkWheelOn"));
}

TEST(VariationBreedingTest, BadPartnerFileChangesNothing) {
  const std::string folder = test::MakeTempFolder();
  ParameterSet set = OwnParent();
  const ParameterSet before = set;
  FixedClock clock(1);
  Random random;
  EngineResult result = BreedWithFile(set, folder + "missing.vmx", {&random, &clock, ""});
  EXPECT_FALSE(result.status.ok());
  EXPECT_NE(result.status.message().find("missing.vmx"), std::string::npos);
  EXPECT_EQ(set, before);
  std::ofstream(folder + "bad.vmx", std::ios::binary) << "Quorel 0.9\r\nEdNumber|40\r\nbroken\r\n";
  result = BreedWithFile(set, folder + "bad.vmx", {&random, &clock, ""});
  EXPECT_NE(result.status.message().find("Corrupted name/data!  Load aborted"), std::string::npos);
  EXPECT_EQ(set, before);
  ASSERT_TRUE(SaveSettings(folder + "partner.vmx", Partner()).ok());
  ASSERT_TRUE(BreedWithFile(set, folder + "partner.vmx", {&random, &clock, ""}).status.ok());
  EXPECT_EQ(set, Child(before, Partner(), 1));
  test::ExpectRenders(set, test::InView::kSomewhere);
  std::filesystem::remove_all(folder);
}

class OffspringTest : public ::testing::Test {
 protected:
  void SetUp() override { folder_ = test::MakeTempFolder(); }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  EngineResult Evolve(ParameterSet& set, std::uint32_t seed) {
    FixedClock clock(seed);
    return RunEvolve(set, {&random_, &clock, folder_});
  }
  EngineResult Mutate(ParameterSet& set, std::uint32_t seed) {
    FixedClock clock(seed);
    return RunMutate(set, {&random_, &clock, folder_});
  }

  std::string folder_;
  Random random_;
};

// The whole child of the default set for each engine at a fixed clock, the first
// steps worked by hand (factor 3). Evolve at 1234: R1 0.7228 gives 30 + R1 x 4 x 3 =
// 38.67; R2 0.8423 gives 15 + R2 x 2 x 3 = 20.05; R3 0.3122 gives 0.15 + R3 x 0.05 x 3;
// R4 0.0025 gives 60 + R4 x 4 x 3; R5 0.3096 gives 1 + R5 x 0.1 x 3.
TEST_F(OffspringTest, ExactEvolvedChildForAFixedSeed) {
  ParameterSet set;
  ASSERT_TRUE(Evolve(set, 1234).status.ok());
  EXPECT_TRUE(test::MatchesGolden("child_evolve.vmx", SettingsText(set)));
  const std::pair<const char*, const char*> worked[] = {{"EdNumber", "39"},
                                                        {"EdSpace", "20"},
                                                        {"EdOmw", "0.20"},
                                                        {"EdLegTrig", "60"},
                                                        {"EdXMoveF", "1.09"}};
  for (const auto& [name, text] : worked) EXPECT_EQ(set.Text(name), text) << name;
}

// Mutate at 5000: R1 0.8997 gives 30 + R1 x 12 = 40.80; R2 0.3740 gives 15 + R2 x 6;
// R3 0.5235 gives 0.15 + R3 x 0.15; R4 0.9041 gives 60 + R4 x 12; R5 0.9387 flips
// automatic rotation off (pick(2) = 1), so R6 to R8 (0.8559, 0.8397, 0.3763) turn the
// worm by R x 360 x 3 each; R9 0.5493 gives 1 + R9 x 0.2 x 3.
TEST_F(OffspringTest, ExactMutantForAFixedSeed) {
  ParameterSet set;
  ASSERT_TRUE(Mutate(set, 5000).status.ok());
  EXPECT_TRUE(test::MatchesGolden("child_mutate.vmx", SettingsText(set)));
  EXPECT_FALSE(set.On("ChkARot"));
  const std::pair<const char*, const char*> worked[] = {
      {"EdNumber", "41"},   {"EdSpace", "17"},    {"EdOmw", "0.23"},    {"EdLegTrig", "71"},
      {"EdRotFacX", "924"}, {"EdRotFacY", "907"}, {"EdRotFacZ", "406"}, {"EdXMoveF", "1.33"}};
  for (const auto& [name, text] : worked) EXPECT_EQ(set.Text(name), text) << name;
}

TEST_F(OffspringTest, EvolveStartsFromTheKeptParent) {
  ParameterSet set =
      test::With(test::SpiralOnly(), {}, {{"EdPostRotateX", "0"}, {"EdPostRotateY", "30"}});
  const ParameterSet parent = set;
  ASSERT_TRUE(Evolve(set, 1).status.ok());
  ASSERT_TRUE(!FindCaseBlind(folder_, kEvolveFile).empty());
  const ParameterSet first = set;
  EXPECT_TRUE(Num(first, "EdNumber") >= 30 && Num(first, "EdNumber") <= 42)
      << first.Text("EdNumber");
  EXPECT_EQ(first.Text("EdPostRotateX"), "0");
  EXPECT_TRUE(Num(first, "EdPostRotateY") >= 30 && Num(first, "EdPostRotateY") <= 60)
      << first.Text("EdPostRotateY");
  // Edits between two runs are discarded: the second child comes from the parent.
  set.SetText("EdNumber", "500");
  set.SetOn("ChkBubble", true);
  ASSERT_TRUE(Evolve(set, 1).status.ok());
  EXPECT_EQ(set, first);
  ASSERT_TRUE(Evolve(set, 2).status.ok());
  EXPECT_FALSE(set == first);
  ParameterSet kept;
  ASSERT_TRUE(LoadSettings(WorkingFilePath(folder_, kEvolveFile), kept).ok());
  EXPECT_EQ(kept, parent);
  // The file is found whatever the case of its name.
  std::filesystem::rename(folder_ + kEvolveFile, folder_ + "_EVOLVE.VMX");
  ASSERT_TRUE(Evolve(set, 1).status.ok());
  EXPECT_EQ(set, first);
}

TEST_F(OffspringTest, EvolveKeepsStructureAndCountBounds) {
  ParameterSet set = test::With(ParameterSet(), {"ChkEvThing"}, {{"EdNumber", "5"}});
  const ParameterSet parent = set;
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    ASSERT_TRUE(Evolve(set, seed * 31u).status.ok());
    EXPECT_TRUE(Num(set, "EdNumber") >= 15 && Num(set, "EdNumber") <= 27) << set.Text("EdNumber");
    for (size_t i = 0; i < set.size(); ++i) {
      const ParamKind kind = set.def(i).kind;
      const std::string_view name = set.def(i).name;
      // Scales pasted into the scene as typed, but stepped as numbers.
      const bool pasted_scale = name == "edTHScale" || name == "edCTHScale" || name == "edSOScale";
      if (kind == ParamKind::kNumber || kind == ParamKind::kInteger || pasted_scale) {
        // Every step moves up (or a count is put back within its bounds).
        EXPECT_TRUE(ParseNumber(set.value(i).text).has_value()) << set.def(i).name;
      } else {
        EXPECT_EQ(set.value(i), parent.value(i)) << set.def(i).name;
      }
    }
  }
}

TEST_F(OffspringTest, WithBothBlocksOffOnlyNonNeutralThingPostprocessingMoves) {
  ParameterSet set;
  set.SetOn("ChkEvWorm", false);
  set.SetText("EdTPostRotateY", "15");
  set.SetText("EdTPostScaleZ", "2");
  const ParameterSet parent = set;
  ASSERT_TRUE(Evolve(set, 77).status.ok());
  for (size_t i = 0; i < set.size(); ++i) {
    const std::string_view name = set.def(i).name;
    EXPECT_EQ(set.value(i) == parent.value(i), name != "EdTPostRotateY" && name != "EdTPostScaleZ")
        << name;
  }
}

TEST_F(OffspringTest, ADamagedParentFileChangesNothing) {
  std::ofstream(folder_ + kMutateFile, std::ios::binary)
      << "Quorel 0.9\r\nEdNumber|77\r\nno bar here\r\n";
  ParameterSet set;
  const ParameterSet before = set;
  const EngineResult result = Mutate(set, 3);
  ASSERT_FALSE(result.status.ok());
  EXPECT_NE(result.status.message().find("Corrupted name/data!"), std::string::npos);
  EXPECT_EQ(set, before);
}

TEST_F(OffspringTest, LargeMutationSwapsObjectsFromTheTanks) {
  ParameterSet set = test::With(test::SpiralOnly(), {"ChkBranchON"}, {{"EdMutFactor", "5"}});
  std::vector<std::string> tanks;
  for (int k = 1; k <= 9; ++k) tanks.push_back(set.Text("EdTank" + std::to_string(k)));
  const ParameterSet parent = set;
  ASSERT_TRUE(Mutate(set, 8).status.ok());
  EXPECT_TRUE(!FindCaseBlind(folder_, kMutateFile).empty());
  for (const char* n : {"edJSegm", "edRSegm", "edDSSegm", "edFWSegm", "edTDSegm", "EdPredBase",
                        "EdPredTop", "EdTopHart"})
    EXPECT_NE(std::find(tanks.begin(), tanks.end(), set.Text(n)), tanks.end())
        << n << " " << set.Text(n);
  for (const char* n : {"edJSegm2", "edRSegm2", "edDSSegm2", "edFWSegm2", "edTDSegm2"})
    EXPECT_EQ(set.Text(n), parent.Text(n)) << n;  // ChkAlternate is off
  EXPECT_FALSE(set.On("ChkBranchON"));
  EXPECT_EQ(std::stof(set.Text("EdShTrig")), Num(set, "EdNumber") + 10 + 0.0f);
}

TEST_F(OffspringTest, SmallMutationKeepsAttachmentsAndObjects) {
  ParameterSet set = test::With(ParameterSet(), {"ChkMutThing"},
                                {{"EdMutFactor", "4"}, {"EdPostTranslateX", "2"}});
  const ParameterSet parent = set;
  for (std::uint32_t seed = 1; seed <= 10; ++seed) {
    ASSERT_TRUE(Mutate(set, seed).status.ok());
    for (const char* n : {"ChkBaseOn", "ChkTopOn", "ChkTopHartOn", "chkCoatOn", "ChkWormAsBase",
                          "ChkWormAsTop", "ChkWormAsTent", "edJSegm", "EdPredBase"})
      EXPECT_EQ(set.value(set.Find(n)), parent.value(parent.Find(n))) << n;
    // Worm translations are written without decimals.
    EXPECT_EQ(set.Text("EdPostTranslateX").find('.'), std::string::npos);
  }
}

// A switch an engine turns meets its rule before the engine reads on: a husk
// that comes on starts at segments 8 to 12 and is stepped from there.
TEST_F(OffspringTest, AHuskSwitchedOnIsSteppedFromItsStart) {
  int switched_on = 0;
  for (std::uint32_t seed = 1; seed <= 12; ++seed) {
    ParameterSet set = test::With(ParameterSet(), {}, {{"EdMutFactor", "5"}});
    std::filesystem::remove(folder_ + kMutateFile);
    ASSERT_TRUE(Mutate(set, seed).status.ok());
    if (!set.On("chkCoatOn")) continue;
    ++switched_on;
    EXPECT_LE(std::abs(Num(set, "edCoatST") - 8), 20) << seed;
    EXPECT_LE(std::abs(Num(set, "edCoatET") - 12), 20) << seed;
  }
  EXPECT_GT(switched_on, 0);
}

TEST_F(OffspringTest, MutantsRender) {
  ParameterSet set = test::With(ParameterSet(), {"ChkMutThing"}, {{"EdMutFactor", "6"}});
  ASSERT_TRUE(Mutate(set, 12345).status.ok());
  test::ExpectRenders(set, test::InView::kSomewhere);
  ParameterSet evolved = test::With(ParameterSet(), {"ChkEvThing"}, {{"EdEvFactor", "6"}});
  ASSERT_TRUE(Evolve(evolved, 54321).status.ok());
  test::ExpectRenders(evolved, test::InView::kSomewhere);
}

}  // namespace
}  // namespace vermora
