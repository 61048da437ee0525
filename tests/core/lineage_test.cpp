#include "variation/lineage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/test_support.h"

namespace vermora {
namespace {

TEST(LineageTest, ThreeGenerationsListTheirAncestry) {
  const std::string folder = test::MakeTempFolder();
  const std::string a = folder + "/a.vmx", b = folder + "/b.vmx", c = folder + "/c.vmx";
  std::vector<std::string> warnings;
  FixedClock clock(5000);
  ASSERT_TRUE(WriteLineageFile(b, MakeLineage("mutate", {a}, 11, clock, warnings)).ok());
  ASSERT_TRUE(WriteLineageFile(c, MakeLineage("breed", {b, folder + "/p.vmx"}, 12, clock, warnings)).ok());
  const std::string d = folder + "/d.vmx";
  ASSERT_TRUE(WriteLineageFile(d, MakeLineage("evolve", {c}, 13, clock, warnings)).ok());
  EXPECT_TRUE(warnings.empty());

  EXPECT_EQ(AncestryChain(d, warnings), (std::vector<std::string>{c, b, a}));
  const LineageRecord record = ReadLineageFile(c, warnings);
  EXPECT_EQ(LineageToText(record), "engine breed\nparent " + b + "\nparent " + folder +
                                       "/p.vmx\nseed 12\ntime 5000\nancestor " + a + "\n");
  EXPECT_TRUE(AncestryChain(a, warnings).empty());
  EXPECT_TRUE(warnings.empty());
  std::filesystem::remove_all(folder);
}

TEST(LineageTest, DamagedRecordWarnsAndStartsAfresh) {
  const std::string folder = test::MakeTempFolder();
  const std::string a = folder + "/a.vmx", b = folder + "/b.vmx";
  std::ofstream(LineagePathFor(a)) << "engine random\nseed twelve\ntime 1\n";
  std::vector<std::string> warnings;
  const LineageRecord child = MakeLineage("mutate", {a}, 3, FixedClock(9), warnings);
  EXPECT_TRUE(child.ancestry.empty());
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0], "Lineage file " + folder + "/a.lineage ignored: unreadable line 2");

  LineageRecord record;
  EXPECT_EQ(LineageFromText("engine x\n", record).message(), "incomplete record");
  const LineageRecord full{"evolve", {a}, 4, 8, {b}};
  ASSERT_TRUE(LineageFromText(LineageToText(full), record).ok());
  EXPECT_EQ(record, full);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace vermora
