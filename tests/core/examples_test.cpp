#include <gtest/gtest.h>

#include <set>

#include "common/examples.h"
#include "params/settings_file.h"
#include "support/test_support.h"

namespace vermora {
namespace {

// The gallery a new user starts from: every example loads cleanly, composes and
// renders, and every worm and thing is shown at least once.
TEST(ExamplesTest, EveryExampleLoadsAndRenders) {
  std::vector<std::string> warnings;
  const std::vector<Example> examples = ReadExamples(VERMORA_DATA_DIR, warnings);
  EXPECT_TRUE(warnings.empty()) << warnings.front();
  ASSERT_GE(examples.size(), 12u);
  std::set<int> worms;
  std::set<std::string> things;
  for (const Example& e : examples) {
    SCOPED_TRACE(e.name);
    EXPECT_FALSE(e.about.empty());
    ParameterSet set;
    ASSERT_TRUE(LoadSettings(e.set_path, set).ok());
    worms.insert(set.Index("RadioGroup1"));
    if (set.On("ChkAlternate")) worms.insert(set.Index("RadioGroup2"));
    for (const char* thing : {"ChkFanOn", "ChkWheelOn", "ChkTrilobyt", "ChkAnemoneOn", "ChkClusterOn",
                              "chkHornOn", "chkHullOn"}) {
      if (set.On(thing)) things.insert(thing);
    }
    test::ExpectRenders(set);
  }
  EXPECT_EQ(worms.size(), 8u);
  EXPECT_EQ(things.size(), 7u);
}

}  // namespace
}  // namespace vermora
