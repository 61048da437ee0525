#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/test_support.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;

int RunCli(const std::string& args, std::string& output) {
  const std::string command = std::string("\"") + VERMORA_CLI_PATH + "\" " + args + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  char buf[512];
  while (size_t n = fread(buf, 1, sizeof buf, pipe)) output.append(buf, n);
  const int status = pclose(pipe);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(TextureCliTest, ExportsIncludeAndPreviewSceneAndReportsBadFiles) {
  const std::string dir = test::MakeTempFolder();
  std::string out;
  ASSERT_EQ(RunCli("texture -o " + dir + "t.inc", out), 0) << out;
  EXPECT_EQ(
      Read(dir + "t.inc"),
      "texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} scale <1,1,1> rotate <0,0,0>}\r\n");
  std::ofstream(dir + "t.vtr", std::ios::binary) << "Quorel 0.9\r\ncbPigmentType|5\r\n";
  ASSERT_EQ(RunCli("texture " + dir + "t.vtr -o " + dir + "t.pov", out), 0) << out;
  EXPECT_NE(Read(dir + "t.pov").find("sphere { <0,0,0>, 10 texture {pigment { bozo "),
            std::string::npos);
  std::ofstream(dir + "bad.vtr", std::ios::binary) << "Quorel 0.9\r\nsgColorMap|2\r\n";
  out.clear();
  EXPECT_EQ(RunCli("texture " + dir + "bad.vtr -o " + dir + "b.inc", out), 1);
  EXPECT_NE(out.find("Invalid row count in grid component [sgColorMap]!  Load aborted."),
            std::string::npos)
      << out;
  EXPECT_FALSE(fs::exists(dir + "b.inc"));
  fs::remove_all(dir);
}

}  // namespace
}  // namespace vermora
