#pragma once

#include <string>
#include <vector>

#include "params/parameter_set.h"

namespace vermora {

// Before a loaded set is rendered: true when its texts use no files (see
// FindFileDirectives) or `trust` (--trust) says to go on; otherwise prints the
// directives with a warning and says how to go on.
bool TrustedForRender(const std::string& set_path, const ParameterSet& set,
                      const std::vector<std::string>& include_dirs, bool trust);

// The exit status of a render refused for that reason.
inline constexpr int kUntrustedExit = 5;

}  // namespace vermora
