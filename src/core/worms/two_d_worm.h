#pragma once

#include "scene/compose_context.h"

namespace vermora {

// Declares TD0 ... TD<levels> (with the rings Rec1 ... of copies of the level
// below) and TwoD: segments on a flat square-root spiral, optionally bent out
// of its plane and joined by Connect through scene-side vrotate.
void WriteTwoDWorm(ComposeContext& ctx);

// More levels than this would only fill memory; each level's copies are
// multiplied again by POV-Ray, so even a handful is heavy.
inline constexpr int kMaxTwoDLevels = 1000;

}  // namespace vermora
