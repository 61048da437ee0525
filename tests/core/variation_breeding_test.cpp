#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "params/number_reading.h"
#include "params/settings_file.h"
#include "scene/fixed.h"
#include "support/creatures.h"
#include "variation/breeding.h"

namespace vermora {
namespace {

ParameterSet Child(ParameterSet own, const ParameterSet& partner, std::uint32_t seed) {
  FixedClock clock(seed);
  Random random;
  EngineResult result = Breed(own, partner, {&random, &clock, ""});
  EXPECT_TRUE(result.status.ok()) << result.status.message();
  return own;
}

// Two clearly different parents: a fan with its own numbers and a trilobyte.
ParameterSet OwnParent() {
  return test::With(test::SpiralOnly(), {"ChkFanOn", "ChkARot"},
                    {{"EdNumber", "20"}, {"EdOmw", "0.5"}, {"edCamLocX", "7.25"}, {"EdPWN", "object {Own}"}});
}
ParameterSet Partner() {
  ParameterSet set = test::With(test::SpiralOnly(), {"ChkTrilobyt"},
                                {{"EdNumber", "30"}, {"EdOmw", "-0.25"}, {"edCamLocX", "99"},
                                 {"EdPWN", "object {Partner}"}, {"edSplitTrig", "123"}});
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
    EXPECT_EQ(child.Text("edCamLocX"), "7.25");  // the own camera, always
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
                          "chkHornOn", "chkHullOn"}) {
      things += child.On(t);
    }
    EXPECT_EQ(things, 1);
    if (child.On("ChkFanOn")) {
      EXPECT_FALSE(child.On("ChkTrilobyt"));
    }
    EXPECT_EQ(child.Text("EdHRotZInc"), child.On("chkAutoRotZ") ? child.Text("EdHRotZInc") : "0.00");
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

}  // namespace
}  // namespace vermora
