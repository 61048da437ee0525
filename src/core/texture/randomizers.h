#pragma once

#include "common/random.h"
#include "common/status.h"
#include "params/number_reading.h"
#include "params/parameter_set.h"
#include "texture/texture_page.h"

namespace vermora {

// The dice buttons of the texture pages. Each re-seeds `random` from `clock`
// first, then only changes parameters: no texture text is built.

// Solid to Hexagon: random colours for the rows in use ("Custom Color", tag
// kept). Agate to Wrinkles: new colours at 0 and 1 and up to four more map
// entries, and random turbulence controls. Image_map: nothing.
Status RandomPigment(ParameterSet& set, TexturePage& page, Random& random, const Clock& clock,
                     Diagnostics& diagnostics);

// A normal type from "None" to "Wrinkles" (never "Bump_map") and new values for
// its fields. The window runs the normal type change rule afterwards.
void RandomNormal(ParameterSet& set, Random& random, const Clock& clock);

// Brilliance to crand toggles drawn down or up, with values for those down;
// ambient and diffuse are left alone, and roughness goes up with specular.
void RandomFinish(ParameterSet& set, Random& random, const Clock& clock);

}  // namespace vermora
