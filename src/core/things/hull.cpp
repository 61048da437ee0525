#include <cmath>
#include <string>

#include "scene/ring_count.h"
#include "things/horn_hull.h"
#include "things/thing_extras.h"

namespace vermora {

void WriteHull(ComposeContext& ctx) {
  ThingExtras extras(ctx);
  const ParamReader& p = ctx.params;
  SceneWriter& out = ctx.out;
  const RingCount worms = ReadRingCount(ctx, "edHullNumber", "Hull worms");
  const float N = worms.count;
  const float A = p.Number("edHullAngle");
  const float half = std::nearbyint(N * 0.5f);  // halves to the even neighbour
  float ta = 0, sb = 0, tc = 0, nt = 0;
  extras.WriteDeclarations();

  out.Line("#declare Hull =  union {");
  if (p.On("chkTailOn")) out.Line("  object { Tail " + p.Text("edTailTexture") + " }");
  auto place = [&] {
    out.Rotate(0, 0, tc);
    out.Rotate(ta, sb, 0);
  };
  const std::string interval_head = "  object { SecondWorm " + extras.second_worm_texture();
  for (int k = 0; k < worms.last; ++k) {
    if (extras.IntervalObject(k)) {
      out.Line(interval_head);
      place();
      out.Line(" }");
    }
    out.Line(" object {");
    if (extras.SeriesMember(k)) {
      out.Line(" SecondWorm");
      out.Line("  ", extras.second_worm_texture());
    } else {
      out.Line(" ", extras.MemberWorm());
    }
    if (worms.grow_in != 0 && k == N - 1) out.Scale(worms.grow_in, worms.grow_in, worms.grow_in);
    extras.ScrambleRotate();
    out.Rotate(0, 0, tc);
    extras.ScrambleRotate();
    out.Rotate(ta, sb, 0);
    out.Line(" }");
    ta = half >= k ? ta + A / worms.divisor : ta - A / worms.divisor;
    // The golden angle, kept within -180 to 180.
    const float t = sb + 137.5f;
    if (-180 < t && t < 180) sb = t;
    if (t > 180) sb = sb - 222.5f;
    if (t < -180) sb = t;
    if (k >= nt) {
      tc = tc + A;
      nt = k + 0.2f * worms.divisor;
    }
    ctx.ToggleAlternation();
  }
  if (p.On("ChkTrHeadOn")) {
    out.Line("  object { TrHead " + p.Text("edTrHeadTexture"));
    place();
    out.Line(" }");
  }
  out.Line(" }");
}

}  // namespace vermora
