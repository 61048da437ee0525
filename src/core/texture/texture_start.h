#pragma once

#include "common/status.h"
#include "params/parameter_set.h"
#include "texture/texture_page.h"

namespace vermora {

// The start values the window sets after its controls exist: both type lists at
// their first item, the four colour lists at "Eggshell" with their change rule,
// the start colour map and the position rule at 0 (which leaves cbColor4 at
// "Custom Color" holding white).
Status ApplyTextureStartValues(ParameterSet& set, TexturePage& page);

}  // namespace vermora
