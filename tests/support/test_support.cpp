#include "support/test_support.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/fixed.h"
#include "compose/composer.h"
#include "form/enabling_rules.h"
#include "model/include_library.h"
#include "params/number_reading.h"
#include "params/param_table.h"
#include "render/command_line.h"
#include "render/file_directives.h"
#include "render/renderer.h"
#include "support/thing_scene.h"

namespace vermora::test {

::testing::AssertionResult MatchesGolden(const std::string& name, const std::string& actual) {
  const std::string path = std::string(VERMORA_GOLDEN_DIR) + "/" + name;
  const char* update = std::getenv("VERMORA_UPDATE_GOLDEN");
  if (update && std::string(update) == "1") {
    std::ofstream(path, std::ios::binary) << actual;
    return ::testing::AssertionSuccess();
  }
  if (!std::filesystem::exists(path))
    return ::testing::AssertionFailure() << "no golden file " << path;
  const std::string expected = ReadFile(path);
  if (expected == actual) return ::testing::AssertionSuccess();
  size_t at = 0;
  while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
  return ::testing::AssertionFailure() << name << " differs at byte " << at << ": expected \""
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

ShellRun Cli(const std::string& args) {
  return Shell(std::string("\"") + VERMORA_CLI_PATH + "\" " + args);
}

::testing::AssertionResult Says(const ShellRun& run, int code, const std::string& text) {
  if (run.code == code && run.output.find(text) != std::string::npos)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "exit " << run.code << " (expected " << code
                                       << "), looking for \"" << text << "\" in:\n"
                                       << run.output;
}

std::string ReadFile(const std::string& path) {
  std::stringstream s;
  s << std::ifstream(path, std::ios::binary).rdbuf();
  return s.str();
}

bool HavePovray() { return access(kPovray, X_OK) == 0; }

IncludeLibrary& Includes() {
  static IncludeLibrary library(WithPovrayDirs({VERMORA_DATA_DIR}));
  return library;
}

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

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t at = 0;
  for (size_t end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2) {
    lines.push_back(text.substr(at, end - at));
  }
  EXPECT_EQ(at, text.size()) << "every line ends in CR LF";
  return lines;
}

static bool Differs(std::uint32_t p, std::uint32_t q) {
  auto apart = [&](int shift) {
    return std::abs(int((p >> shift) & 255) - int((q >> shift) & 255)) > 8;
  };
  return apart(0) || apart(8) || apart(16);
}

int Picture::Differing() const {
  return static_cast<int>(std::count_if(pixels.begin(), pixels.end(),
                                        [&](std::uint32_t p) { return Differs(p, pixels[0]); }));
}

std::pair<double, double> Picture::CentreOfDiffering() const {
  double sx = 0, sy = 0;
  int n = 0;
  for (int i = 0; i < width * height; ++i) {
    if (!Differs(pixels[i], pixels[0])) continue;
    sx += i % width + 0.5;
    sy += i / width + 0.5;
    ++n;
  }
  if (n == 0) return {-1, -1};
  return {sx / n / width, sy / n / height};
}

double Picture::MeanLevel() const {
  double sum = 0;
  for (std::uint32_t p : pixels) sum += (p & 255) + ((p >> 8) & 255) + (p >> 16);
  return pixels.empty() ? -1 : sum / (3.0 * static_cast<double>(pixels.size()));
}

Picture ReadBmp(const std::string& path) {
  const std::string bmp = ReadFile(path);
  auto word = [&](size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(bmp[at + i]);
    return v;
  };
  if (bmp.size() < 54 || bmp.compare(0, 2, "BM") != 0) return {};
  Picture p;
  const std::uint32_t start = word(10, 4), bits = word(28, 2);
  const int h = static_cast<int>(word(22, 4));
  p.width = static_cast<int>(word(18, 4)), p.height = std::abs(h);
  const size_t step = bits / 8, row = (p.width * step + 3) / 4 * 4;
  if ((bits != 24 && bits != 32) || bmp.size() < start + row * p.height) return {};
  for (int y = 0; y < p.height; ++y) {
    const size_t line = start + row * static_cast<size_t>(h > 0 ? p.height - 1 - y : y);
    for (int x = 0; x < p.width; ++x) p.pixels.push_back(word(line + x * step, 3));
  }
  return p;
}

Rendered RenderScene(const std::string& scene, const std::string& width, const std::string& height,
                     bool antialias) {
  const std::string folder = MakeTempFolder();
  std::ofstream(folder + "TEMP.POV", std::ios::binary) << scene;
  const RenderInvocation inv = TranslateCommandLine(
      RenderCommandLine(kPovray, folder, "TEMP.POV", width, height, antialias), {VERMORA_DATA_DIR});
  ClearRenderFiles(inv);
  Rendered r{RunRenderer(inv, 60), ReadBmp(folder + "TEMP.BMP"), {}};
  for (const auto& e : std::filesystem::directory_iterator(folder)) {
    r.files_left.push_back(e.path().filename().string());
  }
  std::sort(r.files_left.begin(), r.files_left.end());
  std::filesystem::remove_all(folder);
  return r;
}

Rendered RenderSet(ParameterSet set) {
  set.SetText("edImageW", "32");
  set.SetText("edImageH", "24");
  return RenderScene(ComposeAtFixedClock(set).scene);
}

ComposeResult ComposeAtFixedClock(const ParameterSet& set) {
  // A clock standing still: the things that reseed from it draw the same every run.
  ComposeResult composed = ComposeAt(set, 12345678);
  EXPECT_TRUE(composed.status.ok()) << composed.status.message();
  return composed;
}

void ExpectRenders(ParameterSet set, InView view) {
  // The default camera sees 32 units across 32 pixels; twice as near, towards the
  // point it looks at, a creature of a few units fills enough of them.
  if (set.Text("edCamLocZ") == "-30") set.SetText("edCamLocZ", "-15");
  const Rendered r = RenderSet(std::move(set));
  ASSERT_TRUE(r.outcome.ok()) << r.outcome.failure << "\n" << r.outcome.messages;
  ASSERT_EQ(r.picture.width * r.picture.height, 32 * 24);
  EXPECT_GE(r.picture.Differing(), 10) << "the creature is missing or tiny";
  if (view == InView::kSomewhere) return;
  const auto [x, y] = r.picture.CentreOfDiffering();
  EXPECT_TRUE(x > 0.1 && x < 0.9 && y > 0.1 && y < 0.9)
      << "the creature's centre is at " << x << ", " << y;
}

static bool Varied(const ParamDef& def) {
  for (std::string_view page : {"General", "Worms/", "Things/", "Backgrd/"}) {
    if (def.page.starts_with(page)) return true;
  }
  return false;
}

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
        float v =
            *d == 0 ? static_cast<float>(pick.Below(9) - 4) * 0.5f : *d * kFactors[pick.Below(8)];
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
