#pragma once

#include <string>

#include "scene/compose_context.h"

namespace vermora {

// Float loop indices stop advancing at 2^24, so counting there would never
// end; a million objects already make a scene of some hundred megabytes, so
// larger counts are cut there and the user is told.
inline constexpr float kMaxFloatCount = 1000000.0f;

inline float BoundedCount(const ComposeContext& ctx, float count, const char* what) {
  if (count <= kMaxFloatCount) return count;
  ctx.params.diagnostics().Warn(std::string(what) + " above 1000000 are not written");
  return kMaxFloatCount;
}

}  // namespace vermora
