#include "params/working_files.h"

#include <cstdlib>
#include <filesystem>

namespace vermora {
namespace fs = std::filesystem;

std::string ProgramFolderFrom(std::string_view vermora_home, std::string_view xdg_data_home,
                              std::string_view home) {
  std::string folder;
  if (!vermora_home.empty()) {
    folder = vermora_home;
  } else if (!xdg_data_home.empty()) {
    folder = std::string(xdg_data_home) + "/vermora";
  } else {
    folder = std::string(home.empty() ? "." : home) + "/.local/share/vermora";
  }
  if (folder.back() != '/') folder += '/';
  return folder;
}

std::string ProgramFolder() {
  auto env = [](const char* name) {
    const char* value = std::getenv(name);
    return std::string_view(value ? value : "");
  };
  return ProgramFolderFrom(env("VERMORA_HOME"), env("XDG_DATA_HOME"), env("HOME"));
}

Status EnsureFolder(const std::string& folder) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec || !fs::is_directory(folder, ec)) {
    return Status::Error("Cannot create the program folder " + folder);
  }
  return Status::Ok();
}

std::vector<std::string> FindCaseBlind(const std::string& folder, std::string_view name) {
  std::vector<std::string> found;
  const std::string wanted = LowerAscii(name);
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (LowerAscii(entry) == wanted) found.push_back(it->path().string());
  }
  return found;
}

void RemoveWorkingFiles(const std::string& folder, const std::vector<std::string_view>& names) {
  for (std::string_view name : names) {
    for (const std::string& path : FindCaseBlind(folder, name)) {
      std::error_code ec;
      fs::remove(path, ec);
    }
  }
}

std::vector<std::string_view> StaleAtStart() {
  return {kEvolveFile, kMutateFile, kAnimFile, kSecondSetFile};
}

std::vector<std::string_view> RemovedAtClose() {
  return {kEvolveFile,  kMutateFile,   kAnimFile,  kSecondSetFile,
          kPictureFile, kMessagesFile, kThingBFile};
}

std::vector<std::string_view> RemovedOnFeatures() { return {kEvolveFile, kMutateFile}; }

std::string WorkingFilePath(const std::string& folder, std::string_view name) {
  const std::vector<std::string> found = FindCaseBlind(folder, name);
  return found.empty() ? folder + std::string(name) : found.front();
}

bool HasMyDefault(const std::string& folder) {
  return !FindCaseBlind(folder, kMyDefaultFile).empty();
}

Status SaveMyDefault(const std::string& folder, const ParameterSet& set) {
  if (Status s = EnsureFolder(folder); !s.ok()) return s;
  return SaveSettings(WorkingFilePath(folder, kMyDefaultFile), set);
}

Status LoadMyDefault(const std::string& folder, ParameterSet& set, const LoadRefresh& refresh) {
  if (!HasMyDefault(folder)) return Status::Error(kNoMyDefault);
  return LoadSettings(WorkingFilePath(folder, kMyDefaultFile), set, refresh);
}

void RemoveMyDefault(const std::string& folder) { RemoveWorkingFiles(folder, {kMyDefaultFile}); }

}  // namespace vermora
