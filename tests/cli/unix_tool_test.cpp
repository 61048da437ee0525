// vermora-cli as one tool among others: pipes, quiet and verbose, refusals
// before any work, progress that arrives as it happens.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "params/parameter_set.h"
#include "params/settings_file.h"
#include "support/test_support.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;

using test::Cli;
using test::Has;
using test::Shell;
using test::ShellRun;

const std::string kCli = std::string("\"") + VERMORA_CLI_PATH + "\"";

class UnixToolTest : public test::InTempFolder {
 protected:
  void SetUp() override { ASSERT_TRUE(SaveSettings(dir_ + "a.vmx", test::SpiralOnly()).ok()); }
  std::string Set() const { return " \"" + dir_ + "a.vmx\""; }
};

TEST_F(UnixToolTest, SetsAndScenesGoThroughPipes) {
  // Standard output carries the data alone: the same scene as through files.
  ASSERT_EQ(Cli("compose" + Set() + " -o " + dir_ + "a.pov").code, 0);
  const ShellRun piped = Shell("{ " + kCli + " compose - -o - <" + Set() + " 2>/dev/null; }");
  ASSERT_EQ(piped.code, 0);
  EXPECT_EQ(piped.output, test::ReadFile(dir_ + "a.pov"));
  const ShellRun head = Shell(kCli + " compose - -o - <" + Set() + " | head -1");
  EXPECT_EQ(head.output, "// File : VERSION31.POV created by VERMORA v.0.99g ----------\r\n");
  // A picture made in a pipe carries its set, which extract gives back through one.
  const ShellRun round = Shell(kCli + " render - -o - --width 32 --height 24 <" + Set() + " | " +
                               kCli + " extract - -o - >" + dir_ + "back.vmx");
  ASSERT_EQ(round.code, 0) << round.output;
  EXPECT_EQ(test::ReadFile(dir_ + "back.vmx"), test::ReadFile(dir_ + "a.vmx"));
  // "wrote PATH" goes to standard error, so /dev/stdout is only the scene.
  EXPECT_EQ(Shell("{ " + kCli + " compose" + Set() + " -o /dev/stdout 2>/dev/null; }").output,
            test::ReadFile(dir_ + "a.pov"));
  EXPECT_FALSE(fs::exists("-"));
}

TEST_F(UnixToolTest, QuietSaysNothingAndVerboseSaysMore) {
  const std::string render = "render" + Set() + " --width 32 --height 24 -o " + dir_ + "a.png";
  EXPECT_EQ(Cli(render).output, "wrote " + dir_ + "a.png\n");
  EXPECT_EQ(Cli(render + " -q").output, "");
  const ShellRun verbose = Cli(render + " -v");
  EXPECT_TRUE(Has(verbose.output, "POV-Ray")) << verbose.output;  // its own messages
  EXPECT_TRUE(Has(verbose.output, "rendered in ")) << verbose.output;
}

TEST_F(UnixToolTest, BadOptionsAreRefusedBeforeAnyWork) {
  // PATH without ImageMagick and ffmpeg, for the rows that need them.
  fs::create_directories(dir_ + "bin");
  fs::create_symlink("/bin/sh", dir_ + "bin/sh");
  const std::string bare = "PATH=" + dir_ + "bin ";
  struct Row {
    std::string args;
    int code;
    std::string says;
    std::string must_not_appear;  // a file or folder the refused command may not make
  } rows[] = {
      {"render" + Set() + " -o " + dir_ + "a.jpg", 2, "a.jpg: the picture must end in .png or .bmp",
       "a.jpg"},
      {"mesh" + Set() + " -o " + dir_ + "a.ply", 2, "must end in .glb, .obj or .stl", "a.ply"},
      {"compose" + Set() + " -o " + dir_ + "none/a.pov", 1,
       "the folder " + dir_ + "none is not there", "none"},
      {"compose" + Set() + " -o " + dir_ + "a.vmx/x.pov", 1, "a.vmx is not a folder", ""},
      {"anim" + Set() + " -o -", 2, "anim writes a folder", ""},
      {"anim" + Set() + " --frames many -o " + dir_ + "f", 2, "--frames needs a whole number", "f"},
      {"anim" + Set() + " --video v.avi -o " + dir_ + "f", 2, "OUT.mp4, OUT.webm or OUT.gif", "f"},
      {"anim" + Set() + " --width 0 -o " + dir_ + "f", 2, "--width", "f"},
      {"render" + Set() + " --format png -o " + dir_ + "a.png", 2, "--format is for -o -", "a.png"},
      {"breed" + Set() + " - -o " + dir_ + "c.vmx", 2, "only the first set", "c.vmx"},
      {"lineage -", 2, "standard input has none", ""},
  };
  for (const Row& row : rows) {
    const ShellRun run = Cli(row.args + " </dev/null");
    EXPECT_TRUE(test::Says(run, row.code, row.says)) << row.args;
    if (!row.must_not_appear.empty()) {
      EXPECT_FALSE(fs::exists(dir_ + row.must_not_appear)) << row.args;
    }
  }
  // A missing helper program is named with the package that brings it, and fails.
  EXPECT_TRUE(
      test::Says(Shell(bare + kCli + " batch" + Set() + " --seed 1 --count 2 -o " + dir_ + "b"), 1,
                 "(the package imagemagick brings it)"));
  EXPECT_FALSE(fs::exists(dir_ + "b"));
  EXPECT_TRUE(test::Says(Shell(bare + kCli + " anim" + Set() + " --frames 2 --video " + dir_ +
                               "v.mp4 -o " + dir_ + "f"),
                         1, "(the package ffmpeg brings it)"));
  EXPECT_FALSE(fs::exists(dir_ + "f"));
}

TEST_F(UnixToolTest, ProgressLinesArriveAsFramesFinish) {
  // Each line is stamped as the pipe delivers it: lines held back to the end
  // would all carry nearly the same time.
  const ShellRun run = Shell(
      kCli + " anim" + Set() + " --frames 3 --width 32 --height 24 --jobs 1 -o " + dir_ +
      "frames 2>&1 >/dev/null | while IFS= read -r line; do echo \"$(date +%s.%N) $line\"; done");
  ASSERT_EQ(run.code, 0) << run.output;
  std::istringstream lines(run.output);
  std::vector<double> frame_times;
  double stamp;
  for (std::string rest; lines >> stamp && std::getline(lines, rest);) {
    if (Has(rest, " frame ")) frame_times.push_back(stamp);
  }
  ASSERT_EQ(frame_times.size(), 3u) << run.output;
  EXPECT_TRUE(Has(run.output, "frame 3/3: wrote " + dir_ + "frames/anim003.bmp")) << run.output;
  // Three renders in turn: the first line long before the last.
  EXPECT_GT(frame_times[2] - frame_times[0], 0.05) << run.output;
}

TEST_F(UnixToolTest, CompletionOffersTheValuesAnOptionTakes) {
  struct Row {
    std::string words, offered;
  } rows[] = {
      {"anim --curve ''", "linear wave s-curve accelerate decelerate"},
      {"variations --engine e", "evolve"},
      {"render --format ''", "png bmp"},
      {"batch a.vmx --no-c", "--no-contact-sheet"},
  };
  for (const Row& row : rows) {
    std::ofstream(dir_ + "complete.sh")
        << "source " VERMORA_COMPLETION "\nCOMP_WORDS=(" << kCli << " " << row.words
        << ")\nCOMP_CWORD=3\n_vermora_cli\necho \"${COMPREPLY[*]}\"\n";
    EXPECT_EQ(Shell("bash " + dir_ + "complete.sh").output, row.offered + "\n") << row.words;
  }
}

}  // namespace
}  // namespace vermora
