#include "variation/kept_parent.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "params/settings_file.h"
#include "params/working_files.h"

namespace vermora {

Status StartFromKeptParent(EngineRun& run, const char* file_name) {
  const std::vector<std::string> found = FindCaseBlind(run.program_folder, file_name);
  std::string path = found.empty() ? std::string() : found.front();
  if (path.empty()) {
    std::error_code ec;
    std::filesystem::create_directories(run.program_folder, ec);
    path = WorkingFilePath(run.program_folder, file_name);
    if (Status saved = SaveSettings(path, run.set); !saved.ok()) return saved;
  }
  // Loaded into a copy first, so a damaged parent file cannot leave half a set.
  ParameterSet parent = Detached(run.set);
  if (Status loaded = LoadSettings(path, parent); !loaded.ok()) {
    return Status::Error(path + ": " + loaded.message());
  }
  ApplyValues(parent, run.set);
  return Status::Ok();
}

}  // namespace vermora
