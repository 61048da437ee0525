#pragma once

#include "scene/compose_context.h"

namespace vermora {

// AnemoneWorm: K + 1 whole worms standing on a curl, like a sea anemone's
// tentacles round its ring.
void WriteAnemone(ComposeContext& ctx);

// Cluster: worms scattered at random inside a box, with optional random
// scale and rotations in fixed angle steps.
void WriteCluster(ComposeContext& ctx);

}  // namespace vermora
