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

TEST(CliTest, DefaultsAndComposeMatchTheCore) {
  const std::string dir = test::MakeTempFolder();
  ASSERT_EQ(Cli("defaults -o " + dir + "d.vmx").code, 0);
  EXPECT_EQ(Read(dir + "d.vmx"), SettingsText(ParameterSet()));
  std::string text = Read(dir + "d.vmx");
  text.replace(text.find("ChkWheelOn|Y"), 12, "ChkWheelOn|N");
  std::ofstream(dir + "spiral.vmx", std::ios::binary) << text;
  ASSERT_EQ(Cli(dir + "spiral.vmx compose -o " + dir + "s.pov").code, 2);  // command first
  const test::ShellRun run = Cli("compose " + dir + "spiral.vmx -o " + dir + "s.pov");
  ASSERT_EQ(run.code, 0) << run.output;
  EXPECT_TRUE(test::MatchesGolden("spiral_only.pov", Read(dir + "s.pov")));
  fs::remove_all(dir);
}

TEST(CliTest, BadInputGivesMessagesAndExitStatus) {
  const std::string dir = test::MakeTempFolder();
  EXPECT_TRUE(Says(Cli("compose " + dir + "missing.vmx -o " + dir + "x.pov"), 1, "File not found."));
  std::ofstream(dir + "bad.vmx", std::ios::binary) << "Quorel 0.9\r\nEdNumber|5\r\ngarbage\r\n";
  EXPECT_TRUE(Says(Cli("compose " + dir + "bad.vmx -o " + dir + "x.pov"), 1, "Corrupted name/data!  Load aborted."));
  std::ofstream(dir + "text.vmx", std::ios::binary) << "Quorel 0.9\r\nEdSpace|lots\r\nChkWheelOn|N\r\n";
  EXPECT_TRUE(Says(Cli("compose " + dir + "text.vmx -o " + dir + "x.pov"), 0, "warning: lots ... is not valid"));
  EXPECT_EQ(Cli("compose").code, 2);
  const test::ShellRun run = Cli("render -o " + dir + "x.png --povray /no/such/povray");
  EXPECT_NE(run.code, 0);
  EXPECT_NE(run.output.find("POV-Ray was not found"), std::string::npos);
  fs::remove_all(dir);
}

TEST(CliTest, RendersWithTheRealRenderer) {
  if (!test::HavePovray()) GTEST_SKIP() << "POV-Ray is not installed";
  const std::string dir = test::MakeTempFolder();
  std::ofstream(dir + "spiral set.vmx", std::ios::binary) << "Quorel 0.9\r\nChkWheelOn|N\r\n";
  const test::ShellRun run = Cli("render \"" + dir + "spiral set.vmx\" -o \"" + dir + "out put.png\" --width 32 --height 24");
  ASSERT_EQ(run.code, 0) << run.output;
  const std::string png = Read(dir + "out put.png");
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
  // A shared set whose include line writes a file is shown and refused until --trust.
  std::ofstream(dir + "shared.vmx", std::ios::binary)
      << "Quorel 0.9\r\nChkWheelOn|N\r\nEdInc2|#fopen F \"note.txt\" write #fclose F\r\n";
  const std::string render = "render " + dir + "shared.vmx -o " + dir + "s.png --width 32 --height 24";
  const test::ShellRun refused = Cli(render);
  EXPECT_TRUE(Says(refused, 5, "EdInc2: #fopen F \"note.txt\" write"));
  EXPECT_TRUE(Says(refused, 5, "--trust"));
  EXPECT_FALSE(fs::exists(dir + "s.png"));
  EXPECT_EQ(Cli(render + " --trust").code, 0);
  EXPECT_GT(Read(dir + "s.png").size(), 8u);
  fs::remove_all(dir);
}

TEST(CliEstimateTest, PrintsTheEstimateAndWarns) {
  const std::string dir = test::MakeTempFolder();
  test::ShellRun run = Cli("estimate");
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.output, "Your Thing contains ca. 240 objects.\n");
  std::ofstream(dir + "big.vmx", std::ios::binary) << "Quorel 0.9\r\nEdTNumber|100000\r\n";
  run = Cli("estimate " + dir + "big.vmx");
  EXPECT_TRUE(Says(run, 0, "ca. 3,000,000 objects."));
  EXPECT_TRUE(Says(run, 0, "warning: "));
  std::ofstream(dir + "bad.vmx", std::ios::binary) << "Quorel 0.9\r\nEdNumber|lots\r\n";
  EXPECT_TRUE(Says(Cli("estimate " + dir + "bad.vmx"), 1, "'lots' is not a valid floating point value."));
  fs::remove_all(dir);
}

}  // namespace
}  // namespace vermora
