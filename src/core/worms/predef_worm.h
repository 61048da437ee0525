#pragma once

#include "scene/compose_context.h"

namespace vermora {

// Declares Predef and PWorm from the object typed in EdPWN.
void WritePredefWorm(ComposeContext& ctx);
// Declares WormPred and SPWorm from the object typed in EdWPN.
void WriteWormPredef(ComposeContext& ctx);

}  // namespace vermora
