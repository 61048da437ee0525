#include <gtest/gtest.h>

#include "support/test_support.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

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

bool HavePovray() { return access(kPovray, X_OK) == 0; }

}  // namespace vermora::test
