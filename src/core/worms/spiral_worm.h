#pragma once

#include "scene/compose_context.h"

namespace vermora {

// Declares W0 ... W<levels> and JWorm: segments along a path that turns about
// the vertical axis, climbs (or descends after the leg trigger), shrinks or
// grows, and may split into two strands.
void WriteSpiralWorm(ComposeContext& ctx);

}  // namespace vermora
