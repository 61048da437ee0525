#pragma once

#include "scene/compose_context.h"

namespace vermora {

// Horn: worms along an elliptic arc, scaled from a start to an end size and
// drifting along z.
void WriteHorn(ComposeContext& ctx);

// Hull: worms stacked at the origin, each spun by the golden angle, tilted up
// and down again and turned about z in five steps.
void WriteHull(ComposeContext& ctx);

}  // namespace vermora
