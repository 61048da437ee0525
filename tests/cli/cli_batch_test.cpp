#include <gtest/gtest.h>

#include <filesystem>

#include "params/parameter_set.h"
#include "params/settings_file.h"
#include "support/test_support.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;

using test::Cli;

class CliBatchTest : public test::InTempFolder {
 protected:
  void SetUp() override {
    out_ = dir_ + "it's out/";  // a quote in the folder name reaches no shell
    ASSERT_TRUE(SaveSettings(dir_ + "p.vmx", ParameterSet()).ok());
  }
  std::string Batch(const std::string& extra) {
    return "batch " + dir_ +
           "p.vmx --engine mutate --count 6 --seed 5 --width 32 --height 24 -o \"" +
           out_.substr(0, out_.size() - 1) + "\" " + extra;
  }
  std::string out_;
};

TEST_F(CliBatchTest, StoppedBatchResumesWithTheSameChildren) {
  ASSERT_EQ(Cli(Batch("--stop-after 2")).code, 4);
  EXPECT_TRUE(fs::exists(out_ + "child_002.bmp"));
  EXPECT_FALSE(fs::exists(out_ + "child_003.bmp"));
  const std::string third = test::ReadFile(out_ + "child_003.vmx");
  EXPECT_TRUE(test::Says(Cli(Batch("")), 2, "already holds files; use --resume"));
  ASSERT_TRUE(test::Says(Cli(Batch("--resume")), 0, "4 sets rendered"));
  EXPECT_EQ(test::ReadFile(out_ + "child_003.vmx"), third);
  EXPECT_EQ(test::ReadFile(out_ + "index.txt"),
            "child_001.vmx 5 rendered\nchild_002.vmx 6 rendered\nchild_003.vmx 7 rendered\n"
            "child_004.vmx 8 rendered\nchild_005.vmx 9 rendered\nchild_006.vmx 10 rendered\n");
  // Six 32-pixel tiles with a 2-pixel border on each side, in one row.
  const test::ShellRun size = test::Shell("identify -format %w \"" + out_ + "contact.png\"");
  EXPECT_EQ(size.output, "216");
  EXPECT_NE(test::ReadFile(out_ + "child_006.lineage").find("engine mutate\nparent "),
            std::string::npos);
}

// The job list for other hosts, run here with GNU Parallel as its README says for
// one machine; a resumed batch then finds the pictures and makes the sheet.
TEST_F(CliBatchTest, JobListRendersElsewhereAndResumeCollectsThePictures) {
  ASSERT_TRUE(test::Says(Cli(Batch("--job-list")), 0, "--transferfile {}.pov --return {}.bmp"));
  EXPECT_NE(test::ReadFile(out_ + "index.txt").find("child_006.vmx 10 listed\n"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(out_ + "child_001.bmp"));
  EXPECT_FALSE(fs::exists(out_ + ".work"));
  const std::string jobs = test::ReadFile(out_ + "jobs.txt");
  EXPECT_NE(jobs.find("povray '+Ichild_006.pov' '+FB' '+Ochild_006.bmp' '+H24' '+W32'"),
            std::string::npos)
      << jobs;
  EXPECT_EQ(jobs.find(out_), std::string::npos);  // no path of this machine
  ASSERT_EQ(test::Shell("cd \"" + out_ + "\" && parallel --will-cite < jobs.txt").code, 0);
  const test::ShellRun resumed = Cli(Batch("--resume"));
  EXPECT_EQ(resumed.code, 0) << resumed.output;
  EXPECT_NE(test::ReadFile(out_ + "index.txt").find("child_006.vmx 10 rendered\n"),
            std::string::npos);
  EXPECT_GT(test::ReadBmp(out_ + "child_003.bmp").Differing(), 10) << "child_003 came out empty";
  EXPECT_EQ(test::Shell("identify -format %w \"" + out_ + "contact.png\"").output, "216");
}

TEST_F(CliBatchTest, WeakChildrenAreDroppedBeforeRendering) {
  EXPECT_TRUE(test::Says(Cli(Batch("--max-objects 1")), 0, "child_001 dropped: "));
  EXPECT_FALSE(fs::exists(out_ + "child_001.bmp"));
  EXPECT_NE(test::ReadFile(out_ + "index.txt").find("child_006.vmx 10 dropped: "),
            std::string::npos);
}

}  // namespace
}  // namespace vermora
