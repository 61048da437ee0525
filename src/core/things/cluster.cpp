#include <cmath>

#include "scene/bounded_count.h"
#include "things/anemone_cluster.h"
#include "things/thing_extras.h"

namespace vermora {
namespace {

// The first multiple step x j (j = 1, 2, ... below 360 / step) that exceeds
// the target, or `angle` unchanged when none does. Found by division, since a
// tiny step would mean millions of multiples to try; the division can be off
// by one either way, so a few corrections suffice. Past 2^53 a step of j no
// longer changes j, and the multiple then stands for the target itself.
double StepAngle(double target, double step, double angle) {
  if (!(step > 0)) return angle;
  const double multiples = 360 / step;
  double j = std::floor(target / step) + 1;
  for (int k = 0; k < 4 && j > 1 && step * (j - 1) > target; ++k) j -= 1;
  for (int k = 0; k < 4 && step * j <= target; ++k) j += 1;
  return j < multiples ? step * j : angle;
}

double Zero(double u) { return u == 0 ? 0.1 : u; }

}  // namespace

void WriteCluster(ComposeContext& ctx) {
  ThingExtras extras(ctx);  // the clock re-seed and the alternation start
  const ParamReader& p = ctx.params;
  SceneWriter& out = ctx.out;
  Random& random = ctx.random;
  const float count = BoundedCount(ctx, p.Number("EdCNumber"), "Cluster worms");
  const float min_x = p.Number("EdMinX"), max_x = p.Number("EdMaxX");
  const float min_y = p.Number("EdMinY"), max_y = p.Number("EdMaxY");
  const float min_z = p.Number("EdMinZ"), max_z = p.Number("EdMaxZ");
  const bool scale = p.On("ChkCScaleOn"), uniform = p.On("chkCUnif");
  float scale_x = 0, scale_y = 0, scale_z = 0;
  if (scale) {
    scale_x = p.Number("edCScaleMax");
    if (!uniform) {
      scale_y = p.Number("edCScaleMaxY");
      scale_z = p.Number("edCScaleMaxZ");
    }
  }
  const bool rot[3] = {p.On("ChkCRotXOn"), p.On("chkCRotYOn"), p.On("chkCRotZOn")};
  const float step = rot[0] || rot[1] || rot[2] ? p.Number("edCRotStep") : 0.0f;

  out.Line("#declare Cluster =  union {");
  double angle = 0;  // carried from draw to draw
  for (int k = 0; k < count; ++k) {
    out.Line("  object {");
    out.Line(std::string("  ") + extras.MemberWorm());
    if (scale && uniform) {
      const double u = Zero(random.Next() * scale_x);
      out.Scale(u, u, u);
    } else if (scale) {
      const double ux = Zero(random.Next() * scale_x);
      const double uy = Zero(random.Next() * scale_y);
      const double uz = Zero(random.Next() * scale_z);
      out.Scale(ux, uy, uz);
    }
    for (int axis = 0; axis < 3; ++axis) {
      if (!rot[axis]) continue;
      angle = StepAngle(random.Next() * 360, step, angle);
      out.Rotate(axis == 0 ? angle : 0, axis == 1 ? angle : 0, axis == 2 ? angle : 0);
    }
    const double x = min_x + random.Next() * (max_x - min_x);
    const double y = min_y + random.Next() * (max_y - min_y);
    const double z = min_z + random.Next() * (max_z - min_z);
    out.Translate(x, y, z);
    out.Line(" }");
    ctx.ToggleAlternation();
  }
  out.Line(" }");
}

}  // namespace vermora
