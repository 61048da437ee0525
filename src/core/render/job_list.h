#pragma once

#include <string>
#include <vector>

#include "common/status.h"
#include "render/command_line.h"
#include "render/row_bands.h"

namespace vermora {

// `s` in single quotes for a POSIX shell, a quote inside it closed and escaped.
std::string ShellQuote(const std::string& s);

// A job list that names only files inside its folder, so GNU Parallel can ship
// each scene to a host that shares nothing and bring the picture back: the
// include files are copied into DIR/include/, jobs.txt holds one renderer call
// per job (run in DIR), frames.txt the frame names (parts.txt the bands),
// README.txt the command.
class JobList {
 public:
  explicit JobList(std::string folder) : folder_(std::move(folder)) {}

  // Records one frame's renderer call (its files are already in the folder).
  void Add(const RenderInvocation& invocation);
  // Records the call that renders `band` of the one scene every band shares
  // (sent to each host once) into the picture named after `name`.
  void AddBand(const RenderInvocation& invocation, const std::string& name, const RowBand& band);
  // Writes the files; `command` gets the ready GNU Parallel command, and
  // `after` what follows it (appended to README.txt).
  Status Finish(const std::vector<std::string>& include_dirs, std::string& command,
                const std::string& after = "") const;

 private:
  std::string folder_;  // ends in "/"
  std::vector<std::string> names_;
  std::vector<std::vector<std::string>> args_;
  std::vector<RowBand> bands_;  // one a job when the jobs are bands of a still
  std::string scene_;           // the bands' shared scene
};

}  // namespace vermora
