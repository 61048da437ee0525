#include "worms/double_spiral.h"

#include <cmath>

#include "common/fixed.h"
#include "scene/bounded_count.h"
#include "worms/pasted_placement.h"

namespace vermora {
namespace {

struct JointPoint {
  float x, y, z, r;
};

void WriteConnector(SceneWriter& out, const JointPoint& a, const JointPoint& b) {
  SceneLine(out)
      .Text(" object{ Connect(<")
      .Number<4, 2>(a.x)
      .Text(", ")
      .Number<4, 2>(a.y)
      .Text(", ")
      .Number<4, 2>(a.z)
      .Text(">, ")
      .Number<4, 2>(a.r)
      .Text(", <")
      .Number<4, 2>(b.x)
      .Text(", ")
      .Number<4, 2>(b.y)
      .Text(", ")
      .Number<4, 2>(b.z)
      .Text(">, ")
      .Number<4, 2>(b.r)
      .Text(")}")
      .End();
}

}  // namespace

void WriteDoubleSpiral(ComposeContext& ctx) {
  const ParamReader& p = ctx.params;
  SceneWriter& out = ctx.out;
  const float N = p.Number("edDSNumber");
  const float end_scale = p.Number("edDSEndScale");
  const float ytrans = p.Number("edYTrans");
  const float xdev = p.Number("edXDev");
  const float rotx = p.Number("edRotX"), roty = p.Number("edRotY"), rotz = p.Number("edRotZ");
  const float ra0 = p.Number("edMajorStartRadius"), ra1 = p.Number("edMajorEndRadius");
  const float major_turns = p.Number("edMajorTurns");
  const float rb0 = p.Number("edMinorStartRadius"), rb1 = p.Number("edMinorEndRadius");
  const float minor_turns = p.Number("edMinorTurns");
  const bool side = p.On("chkSOOn");
  const float side_trigger = p.Number("edSideTrigger");
  const bool alt = p.On("chkAltDSS");
  const bool connect = p.On("chkDSConnect");
  const std::string& side_texture = p.Text("edSideObjectText");
  const std::string& side_scale = p.Text("edSOScale");
  if (side) {
    ctx.DeclareTyped("SideObject", "edSideObject");
  }
  ctx.alternation = 1;
  out.Line("#declare DWorm = ");
  out.Line(p.On("chkDMerge") && ctx.pov31 ? " merge {" : " union { ");

  constexpr float kPi = 3.141593f;
  float i = 1, s = 1, Ra = ra0, Rb = rb0, h = 0, d = 0, rx = 0, ry = 0, rz = 0;
  float ns = side_trigger;
  JointPoint previous{};
  const float last = BoundedCount(ctx, N, "DoubleSpiral segments");
  while (i <= last) {
    const float alpha = 2 * major_turns * kPi * i / N;
    const float beta = 2 * minor_turns * kPi * i / N;
    const float ax = std::cos(alpha) * Ra * s, az = std::sin(alpha) * Ra * s;
    const float bx = std::cos(beta) * Rb * s, by = -std::sin(beta) * Rb * s;
    if (side && i == ns) {
      out.Line("  object { SideObject");
      out.Line("  ", side_texture);
      out.Line("  scale ", side_scale);
      out.Scale(s, s, s);
      out.Rotate(rx, ry, rz);
      out.Translate(ax, h, az);
      out.Translate(bx, by, 0);
      out.Translate(d, 0, 0);
      out.Line("  }");
      ns = ns + side_trigger;
    }
    if (alt) {
      out.Line("  object {");
      out.Line(ctx.alternation == 1 ? "  DSSegment" : "  DSSegment2");
    } else {
      out.Line("  object {DSSegment");
    }
    out.Scale(s, s, s);
    out.Rotate(rx, ry, rz);
    out.Translate(ax, h * s, az);
    out.Translate(bx, by, 0);
    out.Translate(d * s, 0, 0);
    out.Line("  }");
    const JointPoint current{ax + bx + d * s, h * s + by, az, 0.5f * s};
    if (i > 1 && connect) WriteConnector(out, previous, current);
    Ra = Ra + (ra1 - ra0) / N;
    Rb = Rb + (rb1 - rb0) / N;
    s = s + (end_scale - 1) / N;
    h = h + ytrans / N;
    d = d + xdev / N;
    rx = rx + 360 * rotx / N;
    ry = ry + 360 * roty / N;
    rz = rz + 360 * rotz / N;
    previous = current;
    i = i + 1;
    ctx.ToggleAlternation();
  }
  out.Line("  scale <" + p.Text("EdPostScaleX") + ", " + p.Text("EdPostScaleY") + ", " +
           p.Text("EdPostScaleZ") + ">");
  out.Line("  rotate <" + p.Text("EdPostRotateX") + ", " + p.Text("EdPostRotateY") + ", " +
           p.Text("EdPostRotateZ") + ">");
  // Lowered by half its rise, so the spiral stands centred on the origin.
  std::string line = "  translate <" + p.Text("EdPostTranslateX") + ", ";
  AppendFixed(line, -0.5f * ytrans + p.Number("EdPostTranslateY"), 4, 0);
  line += ", " + p.Text("EdPostTranslateZ") + ">";
  out.Line(line);
  out.Line("  }");
  out.Line(" ");
}

}  // namespace vermora
