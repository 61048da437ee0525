#include "worms/form_worm.h"

#include <cmath>

#include "scene/bounded_count.h"
#include "worms/pasted_placement.h"

namespace vermora {

void WriteFormWorm(ComposeContext& ctx) {
  const ParamReader& p = ctx.params;
  SceneWriter& out = ctx.out;
  const float N = p.Number("edFWNumber");
  const float q = p.Number("edFWSpace") / N;
  const float shrink = p.Number("edFWShrink");
  const float twists = p.Number("edFWTwists");
  const float R = p.Number("edFWRadius");
  const float up = p.Number("edFWUpInc");
  const float ztrans = p.Number("edFWZTrans");
  const bool alt = p.On("chkAltFWS");
  const bool blob = p.On("chkBlobFW");
  ctx.alternation = 1;
  out.Line("#declare FWorm =");
  if (blob) {
    out.Line(" blob { threshold 1.5 ");
  } else {
    out.Line(p.On("chkFMerge") && ctx.pov31 ? " merge {" : " union {");
  }
  float i = 1, s = 1, a = 0, u = 0, w = 0;
  const float last = BoundedCount(ctx, N, "FormWorm segments");
  while (i <= last) {
    s = s - shrink / N;
    w = w + ztrans / N;
    a = a + 360 * twists / N;
    u = u + up;
    if (blob) {
      out.Line("  sphere {0,1,1");
    } else if (alt) {
      out.Line("  object { ");
      out.Line(ctx.alternation == 1 ? "  FWSegment" : "  FWSegment2");
    } else {
      out.Line("  object {FWSegment");
    }
    out.Scale(s, s, s);
    out.Translate(R * s, R * s, R * s);
    out.Rotate(0, a * q, 0);
    out.Translate(-R * s, -R * s, -R * s);
    out.Translate(0, u * q, w);
    out.Line("}");
    i = i + 1;
    ctx.ToggleAlternation();
  }
  WritePastedPlacement(ctx);
  out.Line("}");
  out.Line(" ");
}

}  // namespace vermora
