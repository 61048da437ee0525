#include <cmath>
#include <numbers>
#include <string>

#include "scene/bounded_count.h"
#include "things/horn_hull.h"
#include "things/thing_extras.h"

namespace vermora {

void WriteHorn(ComposeContext& ctx) {
  ThingExtras extras(ctx);
  const ParamReader& p = ctx.params;
  SceneWriter& out = ctx.out;
  const float F = p.Number("EdFinAng");
  const float rx_radius = p.Number("EdRx");
  const float ry_radius = p.Number("EdRy");
  const float start_scale = p.Number("EdStartScale");
  const float end_scale = p.Number("EdEndScale");
  const float step = p.Number("EdSmoothness");
  const float rot_x = p.Number("EdHRotXInc");
  const float rot_y = p.Number("EdHRotYInc");
  const float rot_z = p.Number("EdHRotZInc");
  const bool auto_rot_z = p.On("chkAutoRotZ");
  const float z_inc = p.Number("EdZTransInc");
  extras.WriteDeclarations();

  float a = step, s = start_scale, x = rx_radius, y = 0, z = 0, rx = 0, ry = 0, rz = 0;
  out.Line("#declare Horn =  union {");
  if (p.On("chkTailOn")) out.Line("  object { Tail " + p.Text("edTailTexture") + " }");
  auto place = [&] {
    out.Scale(s, s, s);
    out.Rotate(rx, ry, rz);
    out.Translate(x, y, z);
    out.Line("  }");
  };
  // A step of 0 or below never reaches the final angle: no worms then. A
  // step so small that the angle stops advancing is cut at the count bound.
  const float worms = step > 0 ? F / step : 0.0f;
  const float last = BoundedCount(ctx, worms, "Horn worms");
  const float steps = F / step;  // REQUIRES (inside the loop): step > 0, F >= step
  const std::string interval_head = "  object { SecondWorm " + extras.second_worm_texture();
  constexpr float kRadians = std::numbers::pi_v<float> / 180;
  for (int k = 0; step > 0 && a <= F && k < last; ++k) {
    const float nx = std::cos(a * kRadians) * rx_radius;
    // The ellipse's y radius by way of the x radius, which may be 0.
    const float ny = rx_radius != 0 ? std::sin(a * kRadians) * rx_radius * ry_radius / rx_radius
                                    : std::sin(a * kRadians) * ry_radius;
    if (extras.IntervalObject(k)) {
      out.Line(interval_head);
      place();
    }
    out.Line("  object { ");
    if (extras.SeriesMember(k)) {
      out.Line(" SecondWorm ");
      out.Line("  ", extras.second_worm_texture());
    } else {
      out.Line(" ", extras.MemberWorm());
    }
    extras.ScrambleScale();
    out.Scale(s, s, s);
    extras.ScrambleRotate();
    out.Rotate(rx, ry, rz);
    out.Translate(x, y, z);
    out.Line("  }");
    a = a + step;
    z = z + z_inc;
    rx = rx + rot_x;
    ry = ry + rot_y;
    rz = auto_rot_z ? rz + F / steps : rz + rot_z;
    s = s + (end_scale - start_scale) / steps;
    x = nx;
    y = ny;
    ctx.ToggleAlternation();
  }
  if (p.On("ChkTrHeadOn")) {
    out.Line("  object { TrHead " + p.Text("edTrHeadTexture"));
    place();
  }
  out.Line("  }");
}

}  // namespace vermora
