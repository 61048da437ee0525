#include "common/data_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace vermora {

namespace {

// A data folder holds our object library include file.
bool HoldsData(const fs::path& folder) {
  std::error_code ec;
  return fs::is_regular_file(folder / "vmxpred.inc", ec);
}

std::string WithSlash(std::string path) {
  if (path.empty() || path.back() != '/') path += '/';
  return path;
}

}  // namespace

std::string DataFolder::Problem() const {
  if (!path.empty()) return "";
  std::string text = "no data folder with vmxpred.inc was found; looked in";
  for (const std::string& folder : looked) text += " " + folder;
  return text + " (set VERMORA_DATA to the folder)";
}

DataFolder FindDataFolder(const std::string& program, const char* env) {
  DataFolder found;
  if (env && *env) {
    found.looked.push_back(WithSlash(env));
    if (HoldsData(env)) found.path = found.looked.back();
    return found;
  }
  if (program.empty()) return found;
  const fs::path bin = fs::path(program).parent_path();
  for (const fs::path& candidate :
       {bin / ".." / "share" / "vermora", bin / ".." / ".." / "share" / "vermora"}) {
    const std::string folder = WithSlash(candidate.lexically_normal().string());
    found.looked.push_back(folder);
    if (HoldsData(candidate)) {
      found.path = folder;
      break;
    }
  }
  return found;
}

std::string RunningProgramPath() {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : self.string();
}

DataFolder ProgramDataFolder() {
  return FindDataFolder(RunningProgramPath(), std::getenv("VERMORA_DATA"));
}

}  // namespace vermora
