#include "things/trilobyt.h"

#include <cmath>
#include <string>

#include "scene/ring_count.h"
#include "things/thing_extras.h"

namespace vermora {
namespace {

// The factor raised to the row fraction t. A negative factor has no real
// power for a fractional t; it turns the other way by the power of its size,
// so the rotation still runs from near 0 to the factor along the row.
float RowPower(float factor, float t) {
  if (factor == 0) return 0;
  if (factor < 0) return -std::pow(-factor, t);
  return std::pow(factor, t);
}

}  // namespace

void WriteTrilobyt(ComposeContext& ctx) {
  ThingExtras extras(ctx);
  const ParamReader& p = ctx.params;
  SceneWriter& out = ctx.out;
  const RingCount ribs = ReadGrowingCount(ctx, "EdTrNumber", "Trilobyt ribs");
  const float K = ribs.count;
  const float x_step = p.Number("EdTrXStep");
  const float y_step = p.Number("EdTrYStep");
  const float z_step = p.Number("EdTrZStep");
  const float shrink = p.Number("EdTrScale");
  const bool twisting = p.On("ChkTwisting");
  const float twist = p.Number("EdTwistBase");
  const float up_factor = p.Number("EdUpFactor");
  const bool pow_up = p.On("ChkPowUp");
  const float rot_z = p.Number("EdRotZAmount");
  const float spindle = p.Number("EdSpindleAmount");
  const bool pow_spindle = p.On("ChkPowSpindle");
  // Without twisting the ribs keep their own rotations: the automatic
  // rotation goes off in the design, for this scene and the ones after it.
  bool auto_rot = p.On("ChkARot");
  const bool mirrored = !p.On("chkSetMirrotOff");
  const bool alternate = p.On("ChkAlternate");
  const bool tail = p.On("chkTailOn"), head = p.On("ChkTrHeadOn"), links = p.On("ChkTrLinkOn");

  if (tail) ctx.DeclareTyped("Tail", "edTail");
  if (head) ctx.DeclareTyped("TrHead", "EdTrHead");
  if (links) ctx.DeclareTyped("TrLink", "EdTrLink");
  // Series and interval ribs follow their triggers alone; SecondWorm is
  // declared whenever either can fire.
  const int series_first = p.Integer("edSWTrig");
  const int series_last = p.Integer("edSWETrig");
  const int interval = p.Integer("IntTrigger");
  if (series_first - 1 < K || interval < K) {
    const std::string& sw = ctx.TypedObject("edSWPred");
    if (p.On("chkMirrorS")) {
      out.Line("#declare SecondWorm =  union {object {" + sw + " } object { " + sw +
               " scale <1, -1, 1>}}");
    } else {
      out.Line("#declare SecondWorm =  " + sw);
    }
    out.Line(" ");
  }
  if (mirrored) {
    out.Line(" #declare TWorm1 = union {object {Worm1} object {Worm1 scale <1,-1,1>}}");
    if (alternate)
      out.Line(" #declare TWorm2 = union {object {Worm2} object {Worm2 scale <1,-1,1>}}");
  }
  out.Line(" ");
  out.Line(" #declare LWorm = union {");
  if (tail) out.Line("  object { Tail " + p.Text("edTailTexture") + " }");

  const std::string sw_texture = "  " + p.Text("edSWTex");
  const std::string link_texture = "  " + p.Text("edTrLinkTexture");
  float s = 1, x = 0, y = 0, z = 0, tau = twist, up = 0, rz = 0, sp = 0;
  int next_interval = interval;
  auto place = [&] {
    out.Rotate(0, up, rz);
    out.Rotate(sp, 0, 0);
    out.Translate(x, y, z);
  };
  for (int k = 0; k < ribs.last; ++k) {
    const float ya = y, za = z;
    if (twisting) {
      x = x + x_step * s;
      y = y + std::sin(180 + tau) * 0.5f * s * y_step;  // 180 taken as radians
      z = z + z_step * s;
      tau = tau + twist;
    } else {
      if (auto_rot) ctx.switched_off.emplace_back("ChkARot");
      auto_rot = false;
      x = x + x_step * s;
      y = y + y_step * s;
      z = z + z_step * s;
    }
    const float t = (k + 1) / K;
    if (auto_rot) {
      up = -90 * (z - za);
      rz = 90 * (y - ya);
      sp = sp + spindle / K;
    } else {
      up = pow_up ? RowPower(up_factor, t) : up + up_factor / K;
      rz = rz + rot_z / K;
      sp = pow_spindle ? RowPower(spindle, t) : sp + spindle / K;
    }
    out.Line("  object {");
    if (series_first - 1 <= k && k < series_last) {
      out.Line(" SecondWorm");
      out.Line(sw_texture);
    } else {
      const char* worm = alternate && ctx.alternation == 2 ? "Worm2" : "Worm1";
      out.Line(std::string(mirrored ? "  T" : "  ") + worm);
    }
    extras.ScrambleScale();
    out.Scale(s, s, s);
    if (ribs.grow_in != 0 && k == K - 1) out.Scale(ribs.grow_in, ribs.grow_in, ribs.grow_in);
    extras.ScrambleRotate();
    place();
    out.Line("  }");
    if (links) {
      out.Line("  object { TrLink");
      out.Line(link_texture);
      out.Scale(s, s, s);
      place();
      out.Line("  }");
    }
    if (k == next_interval) {
      out.Line("  object { SecondWorm " + p.Text("edSWTex"));
      out.Scale(s, s, s);
      place();
      out.Line("  }");
      next_interval = interval + k;
    }
    s = s - shrink / K;
    ctx.ToggleAlternation();
  }
  out.Line(" }");
  out.Line(" ");
  if (head) {
    out.Line(" #declare LtWorm = union {  ");
    out.Line("  object {LWorm}");
    out.Line("  object {TrHead");
    out.Line("  ", p.Text("edTrHeadTexture"));
    place();
    out.Line("  }");
    out.Line("  }");
    out.Line(" ");
  }
  out.Line(" #declare LintWorm =");
  out.Line(head ? "  object {LtWorm" : "  object {LWorm");
  out.Line("  }");
  out.Line(" ");
}

}  // namespace vermora
