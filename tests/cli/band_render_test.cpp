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
using test::Says;

using BandRenderTest = test::InTempFolder;

// ImageMagick's count of pixels that differ between two pictures.
std::string DifferentPixels(const std::string& a, const std::string& b) {
  return test::Shell("compare -metric AE '" + a + "' '" + b + "' null:").output;
}

// Anti-aliasing looks at neighbouring pixels, so bands cut anywhere would
// differ at their edges; cut on the renderer's blocks they do not.
TEST_F(BandRenderTest, BandsJoinedEqualTheWholePictureAndCarryTheSet) {
  ASSERT_TRUE(test::HavePovray());
  ParameterSet set;
  set.SetText("EdTSpread", "70");
  ASSERT_TRUE(SaveSettings(dir_ + "set.vmx", set).ok());
  const std::string render = "render " + dir_ + "set.vmx --width 40 --height 128 --antialias -o ";
  ASSERT_EQ(Cli(render + dir_ + "whole.png").code, 0);
  for (const char* parts : {"3", "4"}) {
    const std::string out = dir_ + "parts" + parts + ".png";
    const test::ShellRun run = Cli(render + out + " --parts " + parts + " --jobs 2");
    ASSERT_EQ(run.code, 0) << run.output;
    EXPECT_EQ(DifferentPixels(dir_ + "whole.png", out), "0") << parts << " parts";
    ASSERT_EQ(Cli("extract " + out + " -o " + dir_ + "back.vmx").code, 0);
    EXPECT_EQ(test::ReadFile(dir_ + "back.vmx"), test::ReadFile(dir_ + "set.vmx"));
  }
  // On the hosts a file lists (":" is this machine), through GNU Parallel.
  std::ofstream(dir_ + "hosts.txt") << "2/:\n";
  const std::string hosts = " --hosts " + dir_ + "hosts.txt";
  const test::ShellRun run = Cli(render + dir_ + "hosts.png --parts 3" + hosts);
  ASSERT_EQ(run.code, 0) << run.output;
  EXPECT_EQ(DifferentPixels(dir_ + "whole.png", dir_ + "hosts.png"), "0");
  EXPECT_TRUE(Says(Cli(render + dir_ + "a.png" + hosts), 2, "--hosts renders the parts"));
  // A picture of one block makes one band, and says so.
  EXPECT_TRUE(Says(
      Cli("render " + dir_ + "set.vmx --width 32 --height 24 --parts 3 -o " + dir_ + "small.png"),
      0, "splits into 1 part (a part is at least 32 rows)"));
  EXPECT_TRUE(Says(Cli(render + dir_ + "a.bmp --parts 2"), 2, "--parts writes a PNG picture"));
}

// What comes back from other hosts is a stranger's folder: join takes only
// what it can read as bands and says which file is wrong.
TEST_F(BandRenderTest, JoinRefusesAFolderItCannotReadAsBands) {
  ASSERT_TRUE(test::HavePovray());
  const std::string list = dir_ + "list/";
  ASSERT_EQ(
      Cli("render --width 40 --height 64 --parts 2 --job-list " + list + " -o " + dir_ + "out.png")
          .code,
      0);
  EXPECT_EQ(test::ReadFile(list + "parts.txt"), "part1 1 32\npart2 33 64\n");
  const std::string join = "join " + list + " -o " + dir_ + "out.png";
  EXPECT_TRUE(Says(Cli(join), 1, "cannot read the band picture " + list + "part1.png"));
  ASSERT_EQ(test::Shell("cd " + list + " && parallel < jobs.txt").code, 0);
  struct Case {
    const char* parts;
    const char* says;
  } const cases[] = {
      {"part1 1 32\npart2 33 63\n", "the bands end at row 63 of a picture 64 rows high"},
      {"part1 1 30\npart2 33 64\n", "the bands do not follow on from row 31"},
      {"part1 1 32\n../x 33 64\n", "parts.txt, line 2: not a band"},
      {"part1 1 32 ; rm -rf ~\n", "parts.txt, line 1: not a band"},
  };
  for (const Case& c : cases) {
    std::ofstream(list + "parts.txt") << c.parts;
    EXPECT_TRUE(Says(Cli(join), 1, c.says)) << c.parts;
    EXPECT_FALSE(fs::exists(dir_ + "out.png"));
  }
  std::ofstream(list + "parts.txt") << "part1 1 32\npart2 33 64\n";
  ASSERT_EQ(Cli(join).code, 0);
  ASSERT_EQ(Cli("render --width 40 --height 64 -o " + dir_ + "whole.png").code, 0);
  EXPECT_EQ(DifferentPixels(dir_ + "whole.png", dir_ + "out.png"), "0");
}

}  // namespace
}  // namespace vermora
