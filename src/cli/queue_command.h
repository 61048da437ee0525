#pragma once

#include <functional>
#include <string>
#include <vector>

#include "command_line.h"
#include "params/parameter_set.h"

namespace vermora::cli {

// Renders one still as `render` does with these arguments; gives its exit status.
using StillRender = std::function<int(const Args& args, ParameterSet& set)>;

// queue add|list|run|remove|log: the render queue of the program folder, which
// the window keeps too. `run` renders the waiting jobs in order at low
// priority until none is left, one runner at a time: a still with `render`,
// a batch of children with `batch` (as batch does with these arguments).
int QueueCommand(const Args& args, const std::vector<std::string>& include_dirs,
                 const StillRender& render, const StillRender& batch);

}  // namespace vermora::cli
