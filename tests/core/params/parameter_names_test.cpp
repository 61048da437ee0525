// Every name a list or a generator uses is a row of the parameter table, so a
// misspelt name fails here and not in a user's hands.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/random.h"
#include "compose/composer.h"
#include "params/animated_params.h"
#include "params/hints.h"
#include "params/param_table.h"
#include "params/parameter_set.h"
#include "support/test_support.h"
#include "variation/breeding.h"
#include "variation/evolve.h"
#include "variation/mutate.h"
#include "variation/random_engine.h"

namespace vermora {
namespace {

// The row named exactly `name` (case and all), or null.
const ParamDef* Row(std::string_view name) {
  for (const ParamDef& def : ParamTable()) {
    if (def.name == name) return &def;
  }
  return nullptr;
}

bool NamedUnknown(const Status& status) {
  return status.message().find("unknown parameter") != std::string::npos;
}

// A set with every switch turned on or off (the rules run as they would after
// the clicks), so the engines and generators take the branches they guard.
ParameterSet AllSwitches(bool on) {
  ParameterSet set;
  for (size_t i = 0; i < set.size(); ++i) {
    if (set.def(i).kind == ParamKind::kSwitch) set.SetOn(set.def(i).name, on);
  }
  return set;
}

TEST(ParameterNamesTest, AnimatedParametersAreRowsFollowedByTheirEndTwins) {
  const auto table = ParamTable();
  for (const AnimatedParam& p : AnimatedParams()) {
    SCOPED_TRACE(std::string(p.name));
    const ParamDef* row = Row(p.name);
    ASSERT_NE(row, nullptr);
    EXPECT_FALSE(row->end_twin);
    const size_t at = static_cast<size_t>(row - table.data());
    ASSERT_LT(at + 1, table.size());
    EXPECT_EQ(table[at + 1].name, p.twin);
    EXPECT_TRUE(table[at + 1].end_twin);
  }
}

TEST(ParameterNamesTest, HintedParametersAreRows) {
  ASSERT_FALSE(HintedParameters().empty());
  for (std::string_view name : HintedParameters()) {
    const ParamDef* row = Row(name);
    EXPECT_TRUE(row && !row->end_twin) << name;
  }
}

// The engines read and write their parameters by name; each runs over sets
// that take its branches (all switches on, all off, a large factor) and never
// meets a name the table lacks.
TEST(ParameterNamesTest, EnginesUseOnlyTableNames) {
  const std::string folder = test::MakeTempFolder();
  for (bool on : {true, false}) {
    for (const char* factor : {"1", "6"}) {
      for (int thing = 0; thing < 8; ++thing) {
        SCOPED_TRACE(std::string(on ? "on " : "off ") + factor + " thing " + std::to_string(thing));
        ParameterSet set = AllSwitches(on);
        set.SetText("EdEvFactor", factor);
        set.SetText("EdMutFactor", factor);
        set.SetIndex("RadioGroup3", thing);
        std::filesystem::remove(folder + "_evolve.vmx");
        std::filesystem::remove(folder + "_mutate.vmx");
        FixedClock clock(1000 + thing);
        Random random;
        const EngineOptions options{&random, &clock, folder};
        const ParameterSet partner = AllSwitches(!on);
        for (EngineResult result : {RunEvolve(set, options), RunMutate(set, options),
                                    RunRandomEngine(set, options), Breed(set, partner, options)}) {
          EXPECT_FALSE(NamedUnknown(result.status)) << result.status.message();
        }
      }
    }
  }
  std::filesystem::remove_all(folder);
}

// Every worm beside every thing, with every switch on: the generators read
// only names the table has, and every scene is written to its end.
TEST(ParameterNamesTest, GeneratorsUseOnlyTableNames) {
  for (int worm = 0; worm < 8; ++worm) {
    for (int thing = 0; thing < 8; ++thing) {
      SCOPED_TRACE("worm " + std::to_string(worm) + " thing " + std::to_string(thing));
      ParameterSet set = AllSwitches(true);
      set.SetText("edHFName", "field.png");  // the height field and picture need files
      set.SetText("edBGName", "sky.png");
      set.SetIndex("RadioGroup1", worm);
      set.SetIndex("RadioGroup2", (worm + 1) % 8);
      set.SetIndex("RadioGroup3", thing);
      FixedClock clock(1);
      ComposeOptions options;
      options.clock = &clock;
      const ComposeResult result = ComposeScene(set, options);
      EXPECT_TRUE(result.status.ok()) << result.status.message();
    }
  }
}

}  // namespace
}  // namespace vermora
