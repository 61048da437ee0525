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
using test::Shell;
using test::ShellRun;

class AnimCliTest : public test::InTempFolder {
 protected:
  void SetUp() override {
    ParameterSet start;
    ASSERT_TRUE(SaveSettings(dir_ + "start.vmx", start).ok());
    ParameterSet end;
    end.SetText("EdTSpread", "90");
    ASSERT_TRUE(SaveSettings(dir_ + "end.vmx", end).ok());
    end.SetIndex("RadioGroup1", 1);
    ASSERT_TRUE(SaveSettings(dir_ + "curl.vmx", end).ok());
  }
};

TEST_F(AnimCliTest, RendersTheSeriesWithOverlappingRenders) {
  const ShellRun run = Cli("anim " + dir_ + "start.vmx --end " + dir_ +
                           "end.vmx --frames 3 --width 32 --height 24 "
                           "--jobs 2 -o " +
                           dir_ + "frames");
  ASSERT_EQ(run.code, 0) << run.output;
  for (const char* f : {"anim001.bmp", "anim002.bmp", "anim003.bmp"})
    EXPECT_TRUE(fs::exists(dir_ + "frames/" + f)) << f;
  EXPECT_FALSE(fs::exists(dir_ + "frames/anim001.pov"));  // scenes go unless kept
  EXPECT_FALSE(fs::exists(dir_ + "frames/_anim.vmx"));
}

TEST_F(AnimCliTest, JobListRunsUnderGnuParallel) {
  const ShellRun run = Cli("anim " + dir_ + "start.vmx --end " + dir_ +
                           "end.vmx --frames 2 --width 32 --height 24 "
                           "--job-list -o " +
                           dir_ + "jobs");
  ASSERT_EQ(run.code, 0) << run.output;
  std::ifstream list(dir_ + "jobs/jobs.txt");
  int lines = 0;
  for (std::string line; std::getline(list, line);) ++lines;
  EXPECT_EQ(lines, 2);
  EXPECT_TRUE(fs::exists(dir_ + "jobs/anim002.pov"));
  const ShellRun parallel =
      Shell("cd " + dir_ + "jobs && parallel --will-cite --jobs 2 < jobs.txt");
  EXPECT_EQ(parallel.code, 0) << parallel.output;
  for (const char* f : {"anim001.bmp", "anim002.bmp"})
    EXPECT_TRUE(fs::exists(dir_ + "jobs/" + f)) << f;
}

TEST_F(AnimCliTest, RefusesAnotherFamilyAndBadArguments) {
  EXPECT_TRUE(test::Says(
      Cli("anim " + dir_ + "start.vmx --end " + dir_ + "curl.vmx --frames 2 -o " + dir_ + "x"), 1,
      "Worms not of the same family."));
  EXPECT_EQ(Cli("anim " + dir_ + "start.vmx --jobs none -o " + dir_ + "x").code, 2);
  // A video container is refused before the first frame.
  EXPECT_TRUE(test::Says(
      Cli("anim " + dir_ + "start.vmx --frames 2 --video " + dir_ + "v.avi -o " + dir_ + "x"), 2,
      "not " + dir_ + "v.avi"));
  EXPECT_FALSE(fs::exists(dir_ + "x"));
  EXPECT_TRUE(test::Says(Cli("anim " + dir_ + "missing.vmx -o " + dir_ + "x"), 1, "missing.vmx"));
}

}  // namespace
}  // namespace vermora
