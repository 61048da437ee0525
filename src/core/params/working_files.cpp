#include "params/working_files.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "params/parameter_set.h"

namespace vermora {
namespace fs = std::filesystem;
namespace {

bool Given(const char* value) { return value != nullptr && *value != '\0'; }

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

// The entry of `folder` whose name equals `name` without regard to case, or an
// empty path. The exact name is tried first: it is the usual case.
fs::path FindEntry(const std::string& folder, const std::string& name) {
  std::error_code ec;
  const fs::path exact = fs::path(WorkingFilePath(folder, name));
  if (fs::is_regular_file(exact, ec)) return exact;
  const std::string wanted = LowerAscii(name);
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (LowerAscii(it->path().filename().string()) == wanted && it->is_regular_file(ec)) {
      return it->path();
    }
  }
  return {};
}

}  // namespace

std::string ProgramFolderFrom(const char* vermora_home, const char* xdg_data_home,
                              const char* home) {
  if (Given(vermora_home)) return WithSlash(vermora_home);
  if (Given(xdg_data_home)) return WithSlash(std::string(xdg_data_home) + "/vermora");
  if (Given(home)) return WithSlash(std::string(home) + "/.local/share/vermora");
  return "./";
}

std::string ProgramFolder() {
  return ProgramFolderFrom(std::getenv("VERMORA_HOME"), std::getenv("XDG_DATA_HOME"),
                           std::getenv("HOME"));
}

std::string WorkingFilePath(const std::string& folder, const std::string& name) {
  return WithSlash(folder) + name;
}

bool WorkingFileExists(const std::string& folder, const std::string& name) {
  return !FindEntry(folder, name).empty();
}

std::string FindWorkingFile(const std::string& folder, const std::string& name) {
  return FindEntry(folder, name).string();
}

void RemoveWorkingFile(const std::string& folder, const std::string& name) {
  const fs::path found = FindEntry(folder, name);
  std::error_code ec;
  if (!found.empty()) fs::remove(found, ec);
}

}  // namespace vermora
