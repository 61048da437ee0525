#pragma once

#include "scene/compose_context.h"

namespace vermora {

// LintWorm: a row of ribs, each by default a pair of Worm1 mirrored in y, that
// steps along x, y and z, shrinks, and sways or turns along the row.
void WriteTrilobyt(ComposeContext& ctx);

}  // namespace vermora
