#pragma once

#include "scene/compose_context.h"

namespace vermora {

// Declares RWorm: segments on a curl of changing major radius, each circling
// the curl line on a minor circle; optional husk stretch and top heart.
void WriteCurlWorm(ComposeContext& ctx);

}  // namespace vermora
