#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "params/parameter_set.h"
#include "params/settings_file.h"
#include "picture/png_set_chunk.h"
#include "support/test_support.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;
using test::Cli;
using test::Shell;

TEST(CliConventionTest, HelpVersionAndUsageErrors) {
  for (const char* command :
       {"defaults", "compose", "mesh", "render", "texture", "anim", "random", "evolve", "mutate",
        "breed", "variations", "estimate", "batch", "lineage", "examples", "extract"}) {
    EXPECT_TRUE(
        test::Says(Cli(std::string(command) + " --help"), 0, std::string("Usage: ") + command));
    // An unknown option names itself and shows the command's help.
    const test::ShellRun bad = Cli(std::string(command) + " --no-such-option");
    EXPECT_TRUE(test::Says(bad, 2, "--no-such-option"));
    EXPECT_TRUE(test::Says(bad, 2, std::string("Usage: ") + command));
  }
  EXPECT_EQ(Cli("--version").output, "vermora-cli 0.99g\n");
  const test::ShellRun unknown = Cli("frobnicate");
  EXPECT_TRUE(test::Says(unknown, 2, "unknown command frobnicate"));
  EXPECT_TRUE(test::Says(unknown, 2, "Subcommands:"));
  EXPECT_EQ(Cli("anim --jobs 0 a.vmx -o x").code, 2);
  EXPECT_EQ(Cli("variations --engine teeth -o x").code, 2);
}

// Flips one byte inside the chunk that carries the set.
void DamageSetChunk(const std::string& path) {
  std::string bytes = test::ReadFile(path);
  const size_t at = bytes.find("zTXtVermora set");
  ASSERT_NE(at, std::string::npos);
  bytes[at + 24] ^= 0x55;
  std::ofstream(path, std::ios::binary) << bytes;
}

using PictureSetTest = test::InTempFolder;

TEST_F(PictureSetTest, APngCarriesItsSetByteForByte) {
  ParameterSet set;
  set.SetText("EdCamLocZ", "-7.5");  // not the defaults: the set, not a stand-in
  ASSERT_TRUE(SaveSettings(dir_ + "a.vmx", set).ok());
  ASSERT_EQ(Cli("render " + dir_ + "a.vmx -o " + dir_ + "a.png --width 32 --height 24").code, 0);
  ASSERT_EQ(Cli("extract " + dir_ + "a.png -o " + dir_ + "b.vmx").code, 0);
  EXPECT_EQ(test::ReadFile(dir_ + "b.vmx"), test::ReadFile(dir_ + "a.vmx"));
  // Putting the set in again replaces it; the picture stays a picture.
  ASSERT_TRUE(EmbedSetInPng(dir_ + "a.png", "Quorel 0.9\r\nEdCamLocZ|-3\r\n").ok());
  std::string text;
  ASSERT_TRUE(ReadSetFromPng(dir_ + "a.png", text).ok());
  EXPECT_EQ(text, "Quorel 0.9\r\nEdCamLocZ|-3\r\n");
  EXPECT_EQ(Shell("identify -format %wx%h " + dir_ + "a.png").output, "32x24");
  struct Refused {
    const char* file;
    const char* message;
  };
  ASSERT_EQ(Cli("render " + dir_ + "a.vmx -o " + dir_ + "plain.bmp --width 32 --height 24").code,
            0);
  ASSERT_EQ(Shell("convert " + dir_ + "plain.bmp " + dir_ + "plain.png").code, 0);
  fs::copy_file(dir_ + "a.png", dir_ + "damaged.png");
  DamageSetChunk(dir_ + "damaged.png");
  fs::copy_file(dir_ + "a.png", dir_ + "half.png");  // a whole chunk holding half a set
  ASSERT_TRUE(EmbedSetInPng(dir_ + "half.png", "Quorel 0.9\r\nEdCamLocZ|-3\r\nEdNu").ok());
  for (const Refused& r :
       {Refused{"plain.png", "holds no Vermora set"}, Refused{"damaged.png", "is damaged"},
        Refused{"half.png", "the set it carries is damaged"},
        Refused{"a.vmx", "is not a PNG picture"}, Refused{"none.png", "File not found"}}) {
    std::ofstream(dir_ + "keep.vmx") << "kept";
    EXPECT_TRUE(
        test::Says(Cli("extract " + dir_ + r.file + " -o " + dir_ + "keep.vmx"), 1, r.message))
        << r.file;
    EXPECT_EQ(test::ReadFile(dir_ + "keep.vmx"), "kept") << r.file;
  }
}

TEST(InstallTest, AnInstalledCliRendersFromAnyFolder) {
  const std::string prefix = test::MakeTempFolder();
  const std::string away = test::MakeTempFolder();
  ASSERT_EQ(Shell("cmake --install " VERMORA_BUILD_DIR " --prefix " + prefix + " >/dev/null").code,
            0);
  const std::string cli = "cd " + away + " && env -u VERMORA_DATA " + prefix + "bin/vermora-cli ";
  test::ShellRun run = Shell(cli + "render -o out.png --width 32 --height 24");
  EXPECT_EQ(run.code, 0) << run.output;
  EXPECT_TRUE(fs::exists(away + "out.png"));
  run = Shell(cli + "examples");
  EXPECT_EQ(run.code, 0) << run.output;
  const std::string first = run.output.substr(0, run.output.find('\t'));
  EXPECT_EQ(Shell(cli + "examples " + first + " -o first.vmx").code, 0);
  EXPECT_EQ(test::ReadFile(away + "first.vmx"),
            test::ReadFile(prefix + "share/vermora/examples/" + first + ".vmx"));
  EXPECT_TRUE(fs::exists(prefix + "share/man/man1/vermora-cli.1.gz"));
  for (const auto& [tool, file] :
       {std::pair{"desktop-file-validate", "share/applications/org.lumenfold.vermora.desktop"},
        std::pair{"appstreamcli validate --no-net",
                  "share/metainfo/org.lumenfold.vermora.metainfo.xml"}}) {
#ifndef VERMORA_INSTALLS_WINDOW
    continue;  // without the window there is no desktop entry to install
#endif
    if (Shell(std::string("command -v ") + tool + " >/dev/null").code != 0) continue;
    run = Shell(std::string(tool) + " " + prefix + file);
    EXPECT_EQ(run.code, 0) << run.output;
  }
  // Without its data folder the program says where it looked.
  fs::remove_all(prefix + "share/vermora");
  EXPECT_TRUE(test::Says(Shell(cli + "render -o out2.png"), 1, prefix + "share/vermora/"));
  fs::remove_all(prefix);
  fs::remove_all(away);
}

}  // namespace
}  // namespace vermora
