#include <string>

#include "scene/ring_count.h"
#include "things/anemone_cluster.h"
#include "things/thing_extras.h"

namespace vermora {

void WriteAnemone(ComposeContext& ctx) {
  ThingExtras extras(ctx);
  const ParamReader& p = ctx.params;
  SceneWriter& out = ctx.out;
  const RingCount worms = ReadGrowingCount(ctx, "EdANumber", "Anemone worms");
  const float K = worms.count;
  const float shrink = p.Number("EdAScaleFactor");
  float R = p.Number("EdMajorRad");
  const float rad_factor = p.Number("EdRadFactor");
  const float turns = p.Number("EdTurns");
  const bool x_trans = p.On("ChkXTrans");
  const float x_factor = x_trans ? p.Number("EdXTransFactor") : 0.0f;
  const float minor = p.Number("EdMinorRad");
  const float revolutions = p.Number("EdRevolutions");
  // A count of 0 still writes worm 0; it stands unturned instead of at an
  // angle of 0 x infinity.
  auto per_worm = [K](float total) { return K != 0 ? total / K : 0.0f; };
  const float dA = per_worm(turns);
  float s = 1;

  extras.WriteDeclarations();
  out.Line("#declare AnemoneWorm =  union {");
  if (p.On("chkTailOn")) out.Line("  object { Tail " + p.Text("edTailTexture") + " }");
  // Q(k) after the minor translation; the scramble rotation goes in between.
  auto rest_of_q = [&](float k) {
    out.Rotate(0, k * dA * revolutions, 0);
    out.Translate(0, 0, R);
    out.Rotate(-k * dA, 0, 0);
    if (x_trans) out.Translate(x_factor != 0 ? k / x_factor : 0.0f, 0, 0);
  };
  auto q = [&](float k) {
    out.Translate(0, 0, minor);
    rest_of_q(k);
  };
  const std::string interval_head = "  object { SecondWorm " + extras.second_worm_texture();
  for (int k = 0; k <= worms.last; ++k) {
    if (extras.IntervalObject(k)) {
      out.Line(interval_head);
      out.Scale(s, s, s);
      q(k);
      out.Line(" }");
    }
    out.Line(" object {");
    if (extras.SeriesMember(k)) {
      out.Line(" SecondWorm");
      out.Line("  ", extras.second_worm_texture());
    } else {
      out.Line(" ", extras.MemberWorm());
    }
    extras.ScrambleScale();
    out.Scale(s, s, s);
    // The worm that grows in is the one the higher count adds: the last.
    if (worms.grow_in != 0 && k == K) out.Scale(worms.grow_in, worms.grow_in, worms.grow_in);
    out.Translate(0, 0, minor);
    extras.ScrambleRotate();
    rest_of_q(k);
    out.Line(" }");
    s = s - per_worm(shrink);
    R = R - per_worm(rad_factor);
    ctx.ToggleAlternation();
  }
  if (p.On("ChkTrHeadOn")) {
    out.Line("  object { TrHead " + p.Text("edTrHeadTexture"));
    out.Scale(s, s, s);
    q(K + 1);
    out.Line(" }");
  }
  out.Line("  rotate <0, 90, 0>");
  out.Line(" }");
}

}  // namespace vermora
