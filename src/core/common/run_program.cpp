#include "common/run_program.h"

#include <unistd.h>

#include <cstdlib>

#include "common/child_process.h"

namespace vermora {

int RunProgram(const std::vector<std::string>& argv, bool show_errors) {
  if (argv.empty() || !ProgramOnPath(argv[0])) return -1;
  ChildCall call;
  call.argv = argv;
  call.show_errors = show_errors;
  return RunChild(call).code;
}

bool ProgramOnPath(const std::string& name) {
  if (name.find('/') != std::string::npos) return access(name.c_str(), X_OK) == 0;
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "/usr/bin:/bin";
  size_t start = 0;
  while (start <= dirs.size()) {
    size_t end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    std::string path = end > start ? dirs.substr(start, end - start) : std::string(".");
    path.append("/").append(name);
    if (access(path.c_str(), X_OK) == 0) return true;
    start = end + 1;
  }
  return false;
}

}  // namespace vermora
