#include <gtest/gtest.h>

#include "support/test_support.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "params/enabling_rules.h"
#include "params/number_reading.h"
#include "params/param_table.h"
#include "render/command_line.h"
#include "scene/fixed.h"
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


namespace {

bool Varied(const ParamDef& def) {
  for (std::string_view page : {"General", "Worms/", "Things/", "Backgrd/"}) {
    if (def.page.starts_with(page)) return true;
  }
  return false;
}

}  // namespace

ParameterSet UserSet(std::uint32_t seed) {
  Random pick(seed);
  Random rules_random;
  static const FixedClock clock(1234);
  ParameterSet set;
  set.UseGenerator(&rules_random, &clock);
  const auto table = ParamTable();
  const int edits = 8 + pick.Below(32);
  for (int e = 0; e < edits; ++e) {
    const ParamDef& def = table[pick.Below(static_cast<int>(table.size()))];
    if (!Varied(def) || def.end_twin) continue;
    const std::string name(def.name);
    switch (def.kind) {
      case ParamKind::kSwitch:
        set.SetOn(name, !set.On(name));
        break;
      case ParamKind::kChoice:
        set.SetIndex(name, pick.Below(20) == 0 ? -1 : pick.Below(8));
        break;
      case ParamKind::kSlider:
        set.SetIndex(name, def.min + pick.Below(def.max - def.min + 1));
        break;
      case ParamKind::kNumber:
      case ParamKind::kInteger:
      case ParamKind::kText: {
        const auto d = ParseNumber(set.Text(name));
        if (!d) break;  // object, texture and file texts
        static const float kFactors[] = {0.25f, 0.5f, 0.75f, 1.5f, 2, 3, 0, -1};
        float v = *d == 0 ? static_cast<float>(pick.Below(9) - 4) * 0.5f
                          : *d * kFactors[pick.Below(8)];
        // Counts and triggers are typed as whole numbers, as their defaults are.
        const bool whole = def.kind == ParamKind::kInteger || *d == std::floor(*d);
        set.SetText(name, whole ? IntegerText(static_cast<int>(std::lround(v))) : Fixed(v, 4, 2));
        break;
      }
      default:
        break;
    }
  }
  set.SetText("edImageW", "32");
  set.SetText("edImageH", "24");
  set.UseGenerator(nullptr, nullptr);  // the generator ends with this call
  return set;
}

}  // namespace vermora::test
