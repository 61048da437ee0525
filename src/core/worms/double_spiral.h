#pragma once

#include "scene/compose_context.h"

namespace vermora {

// Declares DWorm: segments on a major circle with a minor circle superposed,
// rising along y, optionally with side objects and Connect joints.
void WriteDoubleSpiral(ComposeContext& ctx);

}  // namespace vermora
