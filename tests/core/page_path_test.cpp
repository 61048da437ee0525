#include <gtest/gtest.h>

#include <algorithm>

#include "params/page_path.h"
#include "params/param_table.h"

namespace vermora {
namespace {

TEST(PagePathTest, SlashedPageNamesStayWhole) {
  using V = std::vector<std::string>;
  EXPECT_EQ(SplitPagePath("Worms/SpiralWorm/General"), (V{"Worms", "SpiralWorm", "General"}));
  EXPECT_EQ(SplitPagePath("Things/Fan/Wheel/Tentacle"), (V{"Things", "Fan/Wheel", "Tentacle"}));
  EXPECT_EQ(SplitPagePath("Backgrd/Fog/Haze"), (V{"Backgrd", "Fog/Haze"}));
  EXPECT_EQ(SplitPagePath("Things/ThingExtra/Serie/Interval"),
            (V{"Things", "ThingExtra", "Serie/Interval"}));
  EXPECT_EQ(SplitPagePath("General"), (V{"General"}));
}

TEST(PagePathTest, TreeHoldsEveryRowOnceInWindowOrder) {
  const auto table = ParamTable();
  const PageNode root = BuildPageTree(table);
  size_t count = 0;
  std::vector<std::string> top;
  for (const PageNode& page : root.children) top.push_back(page.name);
  auto walk = [&](auto&& self, const PageNode& node) -> void {
    count += node.params.size();
    for (const PageNode& child : node.children) self(self, child);
  };
  walk(walk, root);
  // Command buttons sit on the panels of their commands, not in the generated pages.
  const auto commands = std::count_if(table.begin(), table.end(), IsCommandButton);
  EXPECT_EQ(commands, 72);
  EXPECT_EQ(count + static_cast<size_t>(commands), table.size());
  ASSERT_GE(top.size(), 2u);
  EXPECT_EQ(top[0], "Main");
  EXPECT_EQ(top[1], "General");
  // chkAnim leads the file but sits on the Animation page, not first of Features.
  for (const PageNode& page : root.children) {
    if (page.name != "Features") continue;
    EXPECT_NE(page.children.front().name, "Animation");
    for (const PageNode& sub : page.children) {
      if (sub.name == "Animation") {
        EXPECT_EQ(table[sub.params.front()].name, "chkAnim");
      }
    }
  }
}

}  // namespace
}  // namespace vermora
