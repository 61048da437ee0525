#include <gtest/gtest.h>

#include "support/test_support.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "render/command_line.h"
#include "render/renderer.h"
#include "scene/composer.h"

namespace vermora::test {

::testing::AssertionResult MatchesGolden(const std::string& name, const std::string& actual) {
  const std::string path = std::string(VERMORA_GOLDEN_DIR) + "/" + name;
  const char* update = std::getenv("VERMORA_UPDATE_GOLDEN");
  if (update && std::string(update) == "1") {
    std::ofstream(path, std::ios::binary) << actual;
    return ::testing::AssertionSuccess();
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return ::testing::AssertionFailure() << "no golden file " << path;
  std::stringstream buf;
  buf << in.rdbuf();
  const std::string expected = buf.str();
  if (expected == actual) return ::testing::AssertionSuccess();
  size_t at = 0;
  while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
  return ::testing::AssertionFailure()
         << name << " differs at byte " << at << ": expected \""
         << expected.substr(at > 40 ? at - 40 : 0, 80) << "\" got \""
         << actual.substr(at > 40 ? at - 40 : 0, 80) << "\"";
}

ParameterSet SpiralOnly() {
  ParameterSet set;
  set.SetOn("ChkWheelOn", false);
  return set;
}

std::string MakeTempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vermora-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) return {};
  return pattern + "/";
}

ShellRun Shell(const std::string& command) {
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  std::string output;
  char buf[512];
  while (size_t n = fread(buf, 1, sizeof buf, pipe)) output.append(buf, n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

ShellRun Cli(const std::string& args) { return Shell(std::string("\"") + VERMORA_CLI_PATH + "\" " + args); }

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

bool HavePovray() { return access(kPovray, X_OK) == 0; }

std::string Scene(const ParameterSet& set) {
  ComposeResult result = ComposeScene(set, ComposeOptions{});
  EXPECT_TRUE(result.status.ok()) << result.status.message();
  return result.scene;
}

size_t CountLines(const std::string& scene, const std::string& line) {
  const std::string whole = "\r\n" + line + "\r\n";
  size_t n = 0;
  for (size_t at = scene.find(whole); at != std::string::npos; at = scene.find(whole, at + 1)) ++n;
  return n;
}

void ExpectRenders(ParameterSet set) {
  if (!HavePovray()) GTEST_SKIP() << "POV-Ray is not installed";
  set.SetText("edImageW", "32");
  set.SetText("edImageH", "24");
  const std::string folder = MakeTempFolder();
  ASSERT_TRUE(ComposeSceneToFile(set, folder + "TEMP.POV").ok());
  const RenderInvocation inv = TranslateCommandLine(
      RenderCommandLine(kPovray, folder, "TEMP.POV", "32", "24", false), {VERMORA_DATA_DIR});
  ClearRenderFiles(inv);
  const RenderOutcome outcome = RunRenderer(inv, 60);
  EXPECT_TRUE(outcome.ok()) << outcome.failure << "\n" << outcome.messages;
  std::filesystem::remove_all(folder);
}

}  // namespace vermora::test
