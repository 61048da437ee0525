#pragma once

#include <string>
#include <string_view>

#include "common/random.h"
#include "params/parameter_set.h"

namespace vermora {

// The Backgrd pages' own change rules, run after a switch changed state (by a
// click, a command or the loader). Returns false for a switch that has none here.
//   chkRandRot on:  a new seed in edRandRot, R * 10000 as fixed(4,0) after the
//                   generator is reseeded from the clock; off only hides it.
//   chkHFOn off:    clears edHFName.   chkBGOn off: clears edBGName.
bool ApplyBackgroundRule(ParameterSet& set, std::string_view name, Random& random,
                         const Clock& clock);

// A file chosen with a page's "Load file" button, or a click in its name field:
// the name field takes the path and the feature's switch goes on at once.
void ChoosePictureFile(ParameterSet& set, const std::string& path);
void ChooseHeightFieldFile(ParameterSet& set, const std::string& path);
// A click in edBGName or edHFName switches its feature on.
void FileFieldClicked(ParameterSet& set, std::string_view field);

}  // namespace vermora
