#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "params/parameter_set.h"
#include "params/settings_file.h"
#include "support/test_support.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;

using test::Cli;

class CliLocksTest : public test::InTempFolder {
 protected:
  void SetUp() override { ASSERT_TRUE(SaveSettings(dir_ + "a.vmx", ParameterSet()).ok()); }
};

TEST_F(CliLocksTest, LockedGroupsSurviveAChainWhoseLineageIsListed) {
  ASSERT_EQ(Cli("mutate " + dir_ + "a.vmx --seed 7 --lock-group worms --lock edCamLocZ -o " + dir_ +
                "b.vmx")
                .code,
            0);
  ASSERT_EQ(Cli("mutate " + dir_ + "b.vmx --seed 8 -o " + dir_ + "c.vmx").code, 0);
  ASSERT_EQ(Cli("random " + dir_ + "c.vmx --seed 9 -o " + dir_ + "d.vmx").code, 0);
  EXPECT_EQ(test::ReadFile(dir_ + "b.locks"), "name edcamlocz\ngroup worms\n");
  // The locks travel with the child, so the whole chain keeps the worm pages.
  ParameterSet a, d;
  ASSERT_TRUE(LoadSettings(dir_ + "d.vmx", d).ok());
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::string_view(a.def(i).page).starts_with("Worms")) {
      EXPECT_EQ(d.value(i), a.value(i)) << a.def(i).name;
    }
  }
  EXPECT_EQ(test::ReadFile(dir_ + "d.lineage"), "engine random\nparent " + dir_ +
                                                    "c.vmx\nseed 9\ntime 9\nancestor " + dir_ +
                                                    "b.vmx\nancestor " + dir_ + "a.vmx\n");
  const test::ShellRun listed = Cli("lineage " + dir_ + "d.vmx");
  EXPECT_EQ(listed.code, 0);
  EXPECT_EQ(listed.output, dir_ + "c.vmx\n" + dir_ + "b.vmx\n" + dir_ + "a.vmx\n");
}

TEST_F(CliLocksTest, BadLocksAreReportedAndDamagedSideFilesOnlyWarn) {
  EXPECT_TRUE(test::Says(Cli("random " + dir_ + "a.vmx --lock-group teeth -o " + dir_ + "b.vmx"), 2,
                         "Unknown group to lock: teeth"));
  EXPECT_FALSE(fs::exists(dir_ + "b.vmx"));
  std::ofstream(dir_ + "a.locks") << "nonsense\n";
  std::ofstream(dir_ + "a.lineage") << "engine\n";
  const test::ShellRun run = Cli("random " + dir_ + "a.vmx --seed 3 -o " + dir_ + "b.vmx");
  EXPECT_TRUE(test::Says(run, 0, "a.locks line 1 ignored"));
  EXPECT_TRUE(test::Says(run, 0, "a.lineage ignored"));
  EXPECT_TRUE(fs::exists(dir_ + "b.vmx"));
}

}  // namespace
}  // namespace vermora
