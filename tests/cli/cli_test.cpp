#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "params/settings_file.h"
#include "support/test_support.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;

using test::Cli;
using test::Says;
std::string Read(const std::string& path) { return test::ReadFile(path); }

using CliTest = test::InTempFolder;
using CliEstimateTest = test::InTempFolder;

TEST_F(CliTest, DefaultsAndComposeMatchTheCore) {
  ASSERT_EQ(Cli("defaults -o " + dir_ + "d.vmx").code, 0);
  EXPECT_EQ(Read(dir_ + "d.vmx"), SettingsText(ParameterSet()));
  std::string text = Read(dir_ + "d.vmx");
  text.replace(text.find("ChkWheelOn|Y"), 12, "ChkWheelOn|N");
  std::ofstream(dir_ + "spiral.vmx", std::ios::binary) << text;
  ASSERT_EQ(Cli(dir_ + "spiral.vmx compose -o " + dir_ + "s.pov").code, 2);  // command first
  const test::ShellRun run = Cli("compose " + dir_ + "spiral.vmx -o " + dir_ + "s.pov");
  ASSERT_EQ(run.code, 0) << run.output;
  EXPECT_TRUE(test::MatchesGolden("spiral_only.pov", Read(dir_ + "s.pov")));
}

TEST_F(CliTest, BadInputGivesMessagesAndExitStatus) {
  EXPECT_TRUE(
      Says(Cli("compose " + dir_ + "missing.vmx -o " + dir_ + "x.pov"), 1, "File not found."));
  std::ofstream(dir_ + "bad.vmx", std::ios::binary) << "Quorel 0.9\r\nEdNumber|5\r\ngarbage\r\n";
  EXPECT_TRUE(Says(Cli("compose " + dir_ + "bad.vmx -o " + dir_ + "x.pov"), 1,
                   "Corrupted name/data!  Load aborted."));
  std::ofstream(dir_ + "text.vmx", std::ios::binary)
      << "Quorel 0.9\r\nEdSpace|lots\r\nChkWheelOn|N\r\n";
  EXPECT_TRUE(Says(Cli("compose " + dir_ + "text.vmx -o " + dir_ + "x.pov"), 0,
                   "warning: lots ... is not valid"));
  EXPECT_EQ(Cli("compose").code, 2);
  // A picture's name picks its format: anything but PNG or BMP is refused before work.
  EXPECT_TRUE(
      Says(Cli("render -o " + dir_ + "x.jpg"), 2, "x.jpg: the picture must end in .png or .bmp"));
  EXPECT_FALSE(fs::exists(dir_ + "x.jpg"));
  const test::ShellRun run = Cli("render -o " + dir_ + "x.png --povray /no/such/povray");
  EXPECT_NE(run.code, 0);
  EXPECT_NE(run.output.find("POV-Ray was not found"), std::string::npos);
}

TEST_F(CliTest, RendersWithTheRealRenderer) {
  std::ofstream(dir_ + "spiral set.vmx", std::ios::binary) << "Quorel 0.9\r\nChkWheelOn|N\r\n";
  const test::ShellRun run = Cli("render \"" + dir_ + "spiral set.vmx\" -o \"" + dir_ +
                                 "out put.png\" --width 32 --height 24");
  ASSERT_EQ(run.code, 0) << run.output;
  const std::string png = Read(dir_ + "out put.png");
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
  // A shared set whose include line writes a file is shown and refused until --trust.
  std::ofstream(dir_ + "shared.vmx", std::ios::binary)
      << "Quorel 0.9\r\nChkWheelOn|N\r\nEdInc2|#fopen F \"note.txt\" write #fclose F\r\n";
  const std::string render =
      "render " + dir_ + "shared.vmx -o " + dir_ + "s.png --width 32 --height 24";
  const test::ShellRun refused = Cli(render);
  EXPECT_TRUE(Says(refused, 5, "EdInc2: #fopen F \"note.txt\" write"));
  EXPECT_TRUE(Says(refused, 5, "--trust"));
  EXPECT_FALSE(fs::exists(dir_ + "s.png"));
  EXPECT_EQ(Cli(render + " --trust").code, 0);
  EXPECT_GT(Read(dir_ + "s.png").size(), 8u);
}

// A creature whose seeds read the clock (star-spores' clusters) comes out the
// same every time with --seed, so a mesh matches its picture; another seed,
// another creature.
TEST_F(CliTest, SeedFixesTheClockTheSceneReads) {
  ASSERT_EQ(Cli("examples star-spores -o " + dir_ + "s.vmx").code, 0);
  for (const std::string out : {"scene.pov", "mesh.stl"}) {
    const std::string command = out == "scene.pov" ? "compose " : "mesh ";
    auto made = [&](const std::string& seed, const std::string& name) {
      EXPECT_EQ(Cli(command + dir_ + "s.vmx --seed " + seed + " -o " + dir_ + name).code, 0);
      return test::ReadFile(dir_ + name);
    };
    const std::string first = made("7", "a" + out);
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(made("7", "b" + out), first) << command;
    EXPECT_NE(made("8", "c" + out), first) << command;
  }
  EXPECT_TRUE(Says(Cli("compose " + dir_ + "s.vmx --seed x -o " + dir_ + "x.pov"), 2,
                   "--seed needs a whole number"));
}

TEST_F(CliEstimateTest, PrintsTheEstimateAndWarns) {
  test::ShellRun run = Cli("estimate");
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.output, "Your Thing contains ca. 240 objects.\n");
  std::ofstream(dir_ + "big.vmx", std::ios::binary) << "Quorel 0.9\r\nEdTNumber|100000\r\n";
  run = Cli("estimate " + dir_ + "big.vmx");
  EXPECT_TRUE(Says(run, 0, "ca. 3,000,000 objects."));
  EXPECT_TRUE(Says(run, 0, "warning: "));
  std::ofstream(dir_ + "bad.vmx", std::ios::binary) << "Quorel 0.9\r\nEdNumber|lots\r\n";
  EXPECT_TRUE(
      Says(Cli("estimate " + dir_ + "bad.vmx"), 1, "'lots' is not a valid floating point value."));
}

}  // namespace
}  // namespace vermora
