#pragma once

#include <span>
#include <string>
#include <string_view>

#include "common/status.h"
#include "params/parameter_set.h"
#include "params/settings_file.h"

namespace vermora {

// The keys of a background file, in file order. The land switch is written
// "chkLandOn"; names match without regard to case, so it loads into chkLandon.
// Neither the galaxy page nor the height-field height is carried.
std::span<const std::string_view> BackgroundFileKeys();

// The format mark, then one line per key.
std::string BackgroundFileText(const ParameterSet& set);

// "Save Background ...": replaces the file at `path` only once the new text is
// completely written.
Status SaveBackground(const std::string& path, const ParameterSet& set);

// "Load Background ...": the settings loader on the file's lines, of which only
// those naming a background key are applied, so a file holding other parameters
// (a design saved under the wrong name) cannot change the creature or the galaxy.
Status LoadBackgroundText(const std::string& text, ParameterSet& set,
                          const LoadRefresh& refresh = {});
Status LoadBackground(const std::string& path, ParameterSet& set, const LoadRefresh& refresh = {});

}  // namespace vermora
