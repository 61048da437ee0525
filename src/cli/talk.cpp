#include "talk.h"

#include <filesystem>
#include <iostream>

#include "std_streams.h"

namespace vermora::cli {

namespace {
Talk current = Talk::kNormal;
}

void SetTalk(Talk talk) { current = talk; }
bool Quiet() { return current == Talk::kQuiet; }
bool Verbose() { return current == Talk::kVerbose; }

int Fail(const std::string& message, int code) {
  std::cerr << "vermora-cli: " << message << std::endl;
  return code;
}

void PrintWarnings(const std::vector<std::string>& warnings) {
  for (const std::string& w : warnings) std::cerr << "warning: " << w << "\n";
  std::cerr.flush();
}

void Note(const std::string& line) {
  if (!Quiet()) std::cerr << line << std::endl;
}

void Detail(const std::string& line) {
  if (Verbose()) std::cerr << line << std::endl;
}

void Wrote(const std::string& path) {
  if (IsStdoutStandIn(path)) return;
  Note("wrote " + std::filesystem::absolute(path).string());
}

}  // namespace vermora::cli
