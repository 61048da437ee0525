#pragma once

#include <string>

#include "scene/compose_context.h"

namespace vermora {

// The worm page's final placement, its texts pasted as typed (the user may
// write any scene expression there). `scale_tail` follows the scale's ">".
inline void WritePastedPlacement(ComposeContext& ctx, const char* scale_tail = "") {
  const ParamReader& p = ctx.params;
  auto vec = [&](const char* head, const char* x, const char* y, const char* z, const char* tail) {
    ctx.out.Line(std::string(head) + p.Text(x) + ", " + p.Text(y) + ", " + p.Text(z) + ">" + tail);
  };
  vec("  scale <", "EdPostScaleX", "EdPostScaleY", "EdPostScaleZ", scale_tail);
  vec("  rotate <", "EdPostRotateX", "EdPostRotateY", "EdPostRotateZ", "");
  vec("  translate <", "EdPostTranslateX", "EdPostTranslateY", "EdPostTranslateZ", "");
}

}  // namespace vermora
