#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/test_support.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;
using test::Cli;
using test::ReadFile;

using TextureCliTest = test::InTempFolder;

TEST_F(TextureCliTest, ExportsIncludeAndPreviewSceneAndReportsBadFiles) {
  test::ShellRun run = Cli("texture -o " + dir_ + "t.inc");
  ASSERT_EQ(run.code, 0) << run.output;
  EXPECT_EQ(
      ReadFile(dir_ + "t.inc"),
      "texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} scale <1,1,1> rotate <0,0,0>}\r\n");
  std::ofstream(dir_ + "t.vtr", std::ios::binary) << "Quorel 0.9\r\ncbPigmentType|5\r\n";
  run = Cli("texture " + dir_ + "t.vtr -o " + dir_ + "t.pov");
  ASSERT_EQ(run.code, 0) << run.output;
  EXPECT_NE(ReadFile(dir_ + "t.pov").find("sphere { <0,0,0>, 10 texture {pigment { bozo "),
            std::string::npos);
  std::ofstream(dir_ + "bad.vtr", std::ios::binary) << "Quorel 0.9\r\nsgColorMap|2\r\n";
  EXPECT_TRUE(test::Says(Cli("texture " + dir_ + "bad.vtr -o " + dir_ + "b.inc"), 1,
                         "Invalid row count in grid component [sgColorMap]!  Load aborted."));
  EXPECT_FALSE(fs::exists(dir_ + "b.inc"));
}

}  // namespace
}  // namespace vermora
