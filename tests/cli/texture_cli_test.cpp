#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/test_support.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;
using test::Cli;
using test::ReadFile;

TEST(TextureCliTest, ExportsIncludeAndPreviewSceneAndReportsBadFiles) {
  const std::string dir = test::MakeTempFolder();
  test::ShellRun run = Cli("texture -o " + dir + "t.inc");
  ASSERT_EQ(run.code, 0) << run.output;
  EXPECT_EQ(ReadFile(dir + "t.inc"),
            "texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} scale <1,1,1> rotate <0,0,0>}\r\n");
  std::ofstream(dir + "t.vtr", std::ios::binary) << "Quorel 0.9\r\ncbPigmentType|5\r\n";
  run = Cli("texture " + dir + "t.vtr -o " + dir + "t.pov");
  ASSERT_EQ(run.code, 0) << run.output;
  EXPECT_NE(ReadFile(dir + "t.pov").find("sphere { <0,0,0>, 10 texture {pigment { bozo "), std::string::npos);
  std::ofstream(dir + "bad.vtr", std::ios::binary) << "Quorel 0.9\r\nsgColorMap|2\r\n";
  EXPECT_TRUE(test::Says(Cli("texture " + dir + "bad.vtr -o " + dir + "b.inc"), 1,
                         "Invalid row count in grid component [sgColorMap]!  Load aborted."));
  EXPECT_FALSE(fs::exists(dir + "b.inc"));
  fs::remove_all(dir);
}

}  // namespace
}  // namespace vermora
