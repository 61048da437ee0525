#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "params/parameter_set.h"
#include "render/command_line.h"
#include "variation/gene_locks.h"

namespace vermora {

// A batch of children of one set, rendered small, with their index and
// contact sheet: what vermora-cli batch and the render queue make.
struct BatchSettings {
  std::string set_path, partner_path, engine = "mutate", out;
  std::uint32_t seed = 0;
  int count = 9, jobs = 0;
  std::string width = "80", height = "60", povray;
  std::vector<std::string> include_dirs;
  double max_objects = 0;  // 0: the renderer's own limit
  bool resume = false;
  bool job_list = false;      // write the scenes and a GNU Parallel job list instead of rendering
  bool contact_sheet = true;  // contact.png with ImageMagick's montage
  int stop_after = 0;         // renders at most this many, then stops as if killed (tests)
  RenderShare share;          // the machine the renders may take
  const std::atomic<bool>* cancel = nullptr;  // ends the renders running, starts no more
};

// What a batch tells as it goes. Each may be empty; all are called on the
// batch's thread except `step`, called from the thread that rendered a child.
struct BatchTalk {
  std::function<void(const std::string&)> note;                    // what happened, for the user
  std::function<void(const std::string&)> wrote;                   // a file it wrote
  std::function<void(const std::string&)> fail;                    // what went wrong
  std::function<void(int children)> starting;                      // the renders about to start
  std::function<void(const std::string& line, bool failed)> step;  // one child's render ended
};

// Writes child_001.vmx ... beside their lineage, drops weak children, renders
// the rest in parallel, then writes index.txt and contact.png. With `job_list`
// it writes child_001.pov ... and the job list for other hosts instead of
// rendering. Returns the exit code.
// Gives 0 when every child was rendered, 1 on a failure, 2 for settings it
// cannot use, 3 when a child was rejected, 4 when it stopped early.
int RunBatch(const BatchSettings& args, const ParameterSet& parent, const GeneLocks& locks,
             const BatchTalk& talk);

}  // namespace vermora
