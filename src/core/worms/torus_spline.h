#pragma once

#include "scene/compose_context.h"

namespace vermora {

// Writes the scene-language macro TorusSpline (a tube of torus arcs and
// cylinders through a list of points, computed by the renderer at parse time)
// and declares TorusWorm as one call of it with the user's points.
void WriteTorusSpline(ComposeContext& ctx);

}  // namespace vermora
