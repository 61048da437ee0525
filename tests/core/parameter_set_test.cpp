#include "params/parameter_set.h"

#include <gtest/gtest.h>

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

TEST(ParameterSetTest, Defaults) {
  ParameterSet set;
  EXPECT_EQ(set.Text("EdNumber"), "30");
  EXPECT_EQ(set.Text("EdInc1"), "#include \"vmxpred.inc\"");
  EXPECT_EQ(set.Index("RadioGroup1"), 0);
  EXPECT_EQ(set.Index("RadioGroup2"), -1);
  EXPECT_TRUE(set.On("ChkWheelOn"));
  EXPECT_FALSE(set.On("ChkFanOn"));
  EXPECT_EQ(set.Index("ScrAN"), 3);
  EXPECT_EQ(set.Text("edCamLocZ"), "-30");
  const Grid& grid = set.GridValue("sgColorMap");
  EXPECT_EQ(grid.rows, 2);
  EXPECT_EQ(grid.cols, 4);
  EXPECT_EQ(grid.cell(1, 0), "16777215");
  EXPECT_EQ(grid.cell(0, 1), "1.000");
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
