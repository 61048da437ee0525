#include "params/parameter_set.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>
#include <stdexcept>

#include "params/param_table.h"

namespace vermora {
namespace {

TEST(ParameterSetTest, TableNamesAreUniqueAndAnimFirst) {
  const auto table = ParamTable();
  ASSERT_FALSE(table.empty());
  EXPECT_EQ(table[0].name, "chkAnim");
  std::set<std::string> seen;
  for (const ParamDef& def : table) {
    EXPECT_TRUE(seen.insert(LowerAscii(def.name)).second) << def.name;
    EXPECT_FALSE(def.page.empty()) << def.name;
  }
}

TEST(ParameterSetTest, PagesAreContiguous) {
  // The window builds one page per run of rows; a page split in two would appear twice.
  std::set<std::string> closed;
  std::string current;
  for (const ParamDef& def : ParamTable()) {
    if (def.page == current) continue;
    if (def.name == "chkAnim") continue;  // written first in files, shown on its own page
    EXPECT_FALSE(closed.count(std::string(def.page))) << def.page << " resumes at " << def.name;
    closed.insert(current);
    current = def.page;
  }
}

// The labels as a person reads a page: a few complete words, each telling its control
// apart from the others on the page; the components of one vector (at most four
// consecutive entry fields) share a label and a row; an end value keeps its parameter's.
TEST(ParameterSetTest, LabelsAreShortCompleteAndTellControlsApart) {
  std::set<std::string> names;  // control names, also without their kind prefix
  for (const ParamDef& def : ParamTable()) {
    std::string name = LowerAscii(def.name);
    names.insert(name);
    for (std::string prefix : {"chk", "ed", "edit", "cb", "sb", "scr"}) {
      if (name.rfind(prefix, 0) == 0) names.insert(name.substr(prefix.size()));
    }
  }
  const std::set<std::string> dangling = {"the", "of", "and", "a", "to", "from", "by", "with", "in",
                                          "into", "when", "instead", "about", "over"};
  std::map<std::string_view, std::set<std::string_view>> used;  // page -> its rows' labels
  const ParamDef* previous = nullptr;
  int run = 0;
  for (const ParamDef& def : ParamTable()) {
    const std::string_view label = def.label;
    if (def.end_twin) {
      ASSERT_TRUE(previous);
      EXPECT_EQ(label, previous->label) << def.name;
      continue;
    }
    if (IsCommandButton(def)) continue;  // a command's button carries its own caption
    ASSERT_GT(label.size(), 2u) << def.name;
    EXPECT_LE(label.size(), 40u) << def.name;
    EXPECT_TRUE(std::isupper(static_cast<unsigned char>(label[0]))) << def.name << ": " << label;
    EXPECT_EQ(label.find_first_of("\":_"), std::string_view::npos) << def.name << ": " << label;
    EXPECT_FALSE(names.count(LowerAscii(label))) << def.name << ": " << label;
    const std::string last = LowerAscii(label.substr(label.rfind(' ') + 1));
    EXPECT_FALSE(dangling.count(last) || label.back() == ',') << def.name << ": " << label;
    const bool same_row = previous && previous->page == def.page && previous->label == label &&
                          IsEntryField(previous->kind) && IsEntryField(def.kind) && run < 4;
    run = same_row ? run + 1 : 1;
    if (!same_row) {
      EXPECT_TRUE(used[def.page].insert(label).second) << def.page << ": " << label;
    }
    previous = &def;
  }
}

// Hidden parameters live in the set and in files only; a choice names its items.
TEST(ParameterSetTest, HiddenParametersAndChoiceItems) {
  std::set<std::string_view> hidden;
  for (const ParamDef& def : ParamTable()) {
    if (def.hidden) hidden.insert(def.name);
    EXPECT_FALSE(def.hidden && def.end_twin) << def.name;
    if (def.kind == ParamKind::kChoice || def.kind == ParamKind::kList) {
      EXPECT_FALSE(def.items.empty()) << def.name;
    }
    if (def.name == "RadioGroup3") {
      EXPECT_EQ(def.items, "Fan|Wheel|Trilobyt|Anemone|Horn|Hull|Randompick|None");
    }
    if (def.name == "RadioGroup5") {
      EXPECT_EQ(def.items, "Linear|Wave|S-Curve|Accelerate|Decelerate");
    }
  }
  EXPECT_EQ(hidden, (std::set<std::string_view>{"chkRendThingA", "editTexPrev", "sgColorMap",
                                                 "chkEvBranch", "ChkBranchedBase", "ChkBranchedTop",
                                                 "editFilter4", "editTransmit4"}));
}

TEST(ParameterSetTest, Defaults) {
  ParameterSet set;
  EXPECT_EQ(set.Text("EdNumber") + " " + set.Text("edCamLocZ") + " " + set.Text("EdInc1"),
            "30 -30 #include \"vmxpred.inc\"");
  EXPECT_EQ(std::vector<int>({set.Index("RadioGroup1"), set.Index("RadioGroup2"), set.Index("ScrAN")}),
            std::vector<int>({0, -1, 3}));
  EXPECT_TRUE(set.On("ChkWheelOn") && !set.On("ChkFanOn"));
  EXPECT_EQ(set.GridValue("sgColorMap"), (Grid{2, 4, {"0.000", "16777215", "0", "0", "1.000", "0", "0", "0"}}));
}

TEST(ParameterSetTest, NamesMatchWithoutCaseAndUnknownNamesThrow) {
  ParameterSet set;
  EXPECT_EQ(set.Find("ednumber"), set.Find("EdNumber"));
  EXPECT_EQ(set.Find("NoSuchField"), -1);
  EXPECT_THROW((void)set.Text("NoSuchField"), std::out_of_range);
}

TEST(ParameterSetTest, ChangeRuleRunsOnlyOnRealChanges) {
  ParameterSet set;
  std::vector<std::string> changed;
  set.SetObserver([&](ParameterSet& s, size_t i) { changed.emplace_back(s.def(i).name); });
  set.SetOn("ChkWheelOn", true);  // already on
  set.SetOn("ChkFanOn", true);
  set.SetIndex("RadioGroup1", 0);  // already chosen
  set.SetIndex("RadioGroup1", 1);
  set.SetIndex("cbColor1", 5);  // lists run their rule only through their callers
  EXPECT_EQ(changed, (std::vector<std::string>{"ChkFanOn", "RadioGroup1"}));
}

}  // namespace
}  // namespace vermora
