#pragma once

#include "scene/compose_context.h"

namespace vermora {

// Declares FWorm: a rising column of shrinking segments, each swung about an
// eccentric pivot so the column twists; optionally melted into a blob.
void WriteFormWorm(ComposeContext& ctx);

}  // namespace vermora
