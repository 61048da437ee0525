#pragma once

#include <string>
#include <vector>

#include "command_line.h"
#include "params/parameter_set.h"

namespace vermora::cli {

// render --parts N: renders the still `sized` (its size and anti-aliasing set)
// in bands of rows side by side here and joins them into args.out, which
// carries `as_designed`; with --hosts FILE, renders them on those hosts
// through GNU Parallel and joins them; with --job-list DIR, writes the bands as
// a job list for other hosts instead, and `join` makes the picture afterwards.
int RenderInBands(const Args& args, const ParameterSet& sized, const std::string& as_designed,
                  const std::vector<std::string>& include_dirs, const std::string& povray);

// join DIR -o OUT.png: the bands a job list brought back, joined.
int JoinCommand(const Args& args);

}  // namespace vermora::cli
