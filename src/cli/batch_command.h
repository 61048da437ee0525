#pragma once

#include <string>
#include <vector>

#include "params/parameter_set.h"
#include "variation/gene_locks.h"

namespace vermora {

struct BatchArgs {
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
};

// Writes child_001.vmx ... beside their lineage, drops weak children, renders
// the rest in parallel, then writes index.txt and contact.png. With `job_list`
// it writes child_001.pov ... and the job list for other hosts instead of
// rendering. Returns the exit code.
int BatchCommand(const BatchArgs& args, const ParameterSet& parent, const GeneLocks& locks);

}  // namespace vermora
