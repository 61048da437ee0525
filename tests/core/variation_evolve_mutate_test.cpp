#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "params/number_reading.h"
#include "params/settings_file.h"
#include "params/working_files.h"
#include "support/test_support.h"
#include "variation/evolve.h"
#include "variation/mutate.h"

namespace vermora {
namespace {

float Num(const ParameterSet& set, const char* name) { return ParseNumber(set.Text(name)).value(); }

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
  const std::pair<const char*, const char*> worked[] = {
      {"EdNumber", "39"}, {"EdSpace", "20"}, {"EdOmw", "0.20"}, {"EdLegTrig", "60"}, {"EdXMoveF", "1.09"}};
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
  ParameterSet set = test::SpiralOnly();
  set.SetText("EdNumber", "30");
  set.SetText("EdPostRotateX", "0");
  set.SetText("EdPostRotateY", "30");
  const ParameterSet parent = set;
  ASSERT_TRUE(Evolve(set, 1).status.ok());
  ASSERT_TRUE(!FindCaseBlind(folder_, kEvolveFile).empty());
  const ParameterSet first = set;
  EXPECT_GE(Num(first, "EdNumber"), 30);
  EXPECT_LE(Num(first, "EdNumber"), 42);
  EXPECT_EQ(first.Text("EdPostRotateX"), "0");
  EXPECT_GE(Num(first, "EdPostRotateY"), 30);
  EXPECT_LE(Num(first, "EdPostRotateY"), 60);

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
  ParameterSet set;
  set.SetText("EdNumber", "5");
  set.SetOn("ChkEvThing", true);
  const ParameterSet parent = set;
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    ASSERT_TRUE(Evolve(set, seed * 31u).status.ok());
    EXPECT_GE(Num(set, "EdNumber"), 15);
    EXPECT_LE(Num(set, "EdNumber"), 27);
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
    if (name == "EdTPostRotateY" || name == "EdTPostScaleZ") {
      EXPECT_NE(set.value(i), parent.value(i)) << name;
    } else {
      EXPECT_EQ(set.value(i), parent.value(i)) << name;
    }
  }
}

TEST_F(OffspringTest, ADamagedParentFileChangesNothing) {
  std::ofstream(folder_ + kMutateFile, std::ios::binary) << "Quorel 0.9\r\nEdNumber|77\r\nno bar here\r\n";
  ParameterSet set;
  const ParameterSet before = set;
  const EngineResult result = Mutate(set, 3);
  ASSERT_FALSE(result.status.ok());
  EXPECT_NE(result.status.message().find("Corrupted name/data!"), std::string::npos);
  EXPECT_EQ(set, before);
}

TEST_F(OffspringTest, LargeMutationSwapsObjectsFromTheTanks) {
  ParameterSet set = test::SpiralOnly();
  set.SetText("EdMutFactor", "5");
  set.SetOn("ChkBranchON", true);
  std::vector<std::string> tanks;
  for (int k = 1; k <= 9; ++k) tanks.push_back(set.Text("EdTank" + std::to_string(k)));
  auto in_tanks = [&](const std::string& text) {
    return std::find(tanks.begin(), tanks.end(), text) != tanks.end();
  };
  const ParameterSet parent = set;
  ASSERT_TRUE(Mutate(set, 8).status.ok());
  EXPECT_TRUE(!FindCaseBlind(folder_, kMutateFile).empty());
  for (const char* n : {"edJSegm", "edRSegm", "edDSSegm", "edFWSegm", "edTDSegm", "EdPredBase",
                        "EdPredTop", "EdTopHart"}) {
    EXPECT_TRUE(in_tanks(set.Text(n))) << n << " " << set.Text(n);
  }
  for (const char* n : {"edJSegm2", "edRSegm2", "edDSSegm2", "edFWSegm2", "edTDSegm2"}) {
    EXPECT_EQ(set.Text(n), parent.Text(n)) << n;  // ChkAlternate is off
  }
  EXPECT_FALSE(set.On("ChkBranchON"));
  EXPECT_EQ(std::stof(set.Text("EdShTrig")), Num(set, "EdNumber") + 10 + 0.0f) ;
}

TEST_F(OffspringTest, SmallMutationKeepsAttachmentsAndObjects) {
  ParameterSet set;
  set.SetText("EdMutFactor", "4");
  set.SetOn("ChkMutThing", true);
  set.SetText("EdPostTranslateX", "2");
  const ParameterSet parent = set;
  for (std::uint32_t seed = 1; seed <= 10; ++seed) {
    ASSERT_TRUE(Mutate(set, seed).status.ok());
    for (const char* n : {"ChkBaseOn", "ChkTopOn", "ChkTopHartOn", "chkCoatOn", "ChkWormAsBase",
                          "ChkWormAsTop", "ChkWormAsTent", "edJSegm", "EdPredBase"}) {
      EXPECT_EQ(set.value(set.Find(n)), parent.value(parent.Find(n))) << n;
    }
    // Worm translations are written without decimals.
    EXPECT_EQ(set.Text("EdPostTranslateX").find('.'), std::string::npos);
  }
}

// A switch an engine turns meets its rule before the engine reads on: a husk
// that comes on starts at segments 8 to 12 and is stepped from there.
TEST_F(OffspringTest, AHuskSwitchedOnIsSteppedFromItsStart) {
  int switched_on = 0;
  for (std::uint32_t seed = 1; seed <= 12; ++seed) {
    ParameterSet set;
    set.SetText("EdMutFactor", "5");
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
  ParameterSet set;
  set.SetText("EdMutFactor", "6");
  set.SetOn("ChkMutThing", true);
  ASSERT_TRUE(Mutate(set, 12345).status.ok());
  test::ExpectRenders(set, test::InView::kSomewhere);
  ParameterSet evolved;
  evolved.SetText("EdEvFactor", "6");
  evolved.SetOn("ChkEvThing", true);
  ASSERT_TRUE(Evolve(evolved, 54321).status.ok());
  test::ExpectRenders(evolved, test::InView::kSomewhere);
}

}  // namespace
}  // namespace vermora
