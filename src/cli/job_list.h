#pragma once

#include <string>
#include <vector>

#include "common/status.h"
#include "render/command_line.h"

namespace vermora::cli {

// A job list that names only files inside its folder, so GNU Parallel can ship
// each scene to a host that shares nothing and bring the picture back: the
// include files are copied into DIR/include/, jobs.txt holds one renderer call
// per frame (run in DIR), frames.txt the frame names, README.txt the command.
class JobList {
 public:
  explicit JobList(std::string folder) : folder_(std::move(folder)) {}

  // Records one frame's renderer call (its files are already in the folder).
  void Add(const RenderInvocation& invocation);
  // Writes the files; `command` gets the ready GNU Parallel command.
  Status Finish(const std::vector<std::string>& include_dirs, std::string& command) const;

 private:
  std::string folder_;  // ends in "/"
  std::vector<std::string> frames_;
  std::vector<std::vector<std::string>> args_;
};

}  // namespace vermora::cli
