#include "worms/two_d_worm.h"

#include <cmath>
#include <string>

#include "common/fixed.h"
#include "scene/bounded_count.h"
#include "worms/pasted_placement.h"

namespace vermora {
namespace {

struct TwoDSettings {
  float N, q, shrink, rot_x, rot_y, rot_z, dev_x, dev_y, dev_z;
  bool auto_rot, alt, merge, connect, worm_as_rec;
  float rec_number, rec_scale, rec_rot, rec_trigger;
  float last, copies;  // the loop bounds, cut once for all levels
};

void WriteRing(ComposeContext& ctx, const TwoDSettings& s, int n) {
  SceneWriter& out = ctx.out;
  out.Line("#declare Rec" + IntegerText(n) + " = ");
  out.Line(s.merge ? " merge {" : " union {");
  const std::string copy = s.worm_as_rec ? " TD" + IntegerText(n - 1) : std::string("  PredRec");
  const std::string texture = "  " + ctx.params.Text("edRecTexture");
  float a = 0;
  for (float j = 0; j < s.copies; j = j + 1) {
    out.Line("  object { ");
    out.Line(copy);
    out.Line(texture);
    out.Scale(s.rec_scale, s.rec_scale, s.rec_scale);
    out.Rotate(0, 0, s.rec_rot);
    out.Rotate(0, a, 0);
    out.Line("  }");
    a = a + 360 / s.rec_number;
  }
  // A union of one object is refused by the renderer; the speck keeps it legal.
  if (s.rec_number == 1) out.Line("   sphere{ <0, 0, 0>, 0.001}");
  out.Line("}");
}

void WriteVrotate(SceneWriter& out, const char* head, float px, float py, float fx, float fy,
                  float fz) {
  SceneLine(out)
      .Text(head)
      .Number<4, 2>(px)
      .Text(", ")
      .Number<4, 2>(py)
      .Text(", 0>, <")
      .Number<4, 2>(fx)
      .Text(", ")
      .Number<4, 2>(fy)
      .Text(", ")
      .Number<4, 2>(fz)
      .Text(">);")
      .End();
}

void WriteLevel(ComposeContext& ctx, const TwoDSettings& s, int n, bool recursion) {
  SceneWriter& out = ctx.out;
  if (recursion) WriteRing(ctx, s, n);
  float i = 1, sc = 1, sp = 1, px = 0, py = 0, rz = 0, rx = 0, ry = 0, fx = 0, fy = 0, fz = 0;
  float nr = s.rec_trigger;
  ctx.alternation = 1;
  out.Line("#declare TD" + IntegerText(n) + " = ");
  out.Line(s.merge ? " merge {" : " union {");
  const std::string ring = "  object { Rec" + IntegerText(n);
  auto place = [&] {
    out.Scale(sc, sc, sc);
    out.Rotate(0, 0, rz);
    out.Rotate(rx, ry, 0);
    out.Translate(px, py, 0);
    out.Rotate(fx, fy, fz);
    out.Line(" }");
  };
  while (i <= s.last) {
    if (recursion && i == nr) {
      out.Line(ring);
      place();
      nr = i + s.rec_trigger;
    }
    sc = sc - s.shrink / s.N;
    const float t = std::sqrt(i);
    px = std::cos(t) * t * sc * s.q;
    py = std::sin(t) * t * sc * s.q;
    fy = fy + s.dev_y * s.dev_y / s.N;
    fz = std::cos(t) * t * s.dev_z;
    fx = std::sin(t) * t * s.dev_x;
    rz = s.auto_rot ? t * 90 : rz + s.rot_z / s.N;
    rx = rx + s.rot_x / s.N;
    ry = ry + s.rot_y / s.N;
    if (s.alt) {
      out.Line("  object { ");
      out.Line(ctx.alternation == 1 ? "  TDSegment" : "  TDSegment2");
    } else {
      out.Line("  object {TDSegment");
    }
    place();
    if (s.connect) {
      if (i == 1) {
        WriteVrotate(out, "#declare NewPlace2 = vrotate(<", px, py, fx, fy, fz);
      } else {
        WriteVrotate(out, " #declare NewPlace = vrotate(<", px, py, fx, fy, fz);
        SceneLine(out)
            .Text(" object {Connect(NewPlace2,")
            .Number<4, 2>(0.5f * sp)
            .Text(", NewPlace, ")
            .Number<4, 2>(0.5f * sc)
            .Text(")}")
            .End();
        out.Line(" #declare NewPlace2 = NewPlace ;");
      }
    }
    i = i + 1;
    sp = sc;
    ctx.ToggleAlternation();
  }
  out.Line(" }");
}

}  // namespace

void WriteTwoDWorm(ComposeContext& ctx) {
  const ParamReader& p = ctx.params;
  TwoDSettings s{};
  s.N = p.Number("edTDNumber");
  s.q = p.Number("edTDSpace") / s.N;
  s.shrink = p.Number("edTDSF");
  s.rot_x = p.Number("edObjRotXTot");
  s.rot_y = p.Number("edObjRotYTot");
  s.rot_z = p.Number("edObjRotZTot");
  s.dev_x = p.Number("edTDDevX");
  s.dev_y = p.Number("edTDDevY");
  s.dev_z = p.Number("edTDDevZ");
  s.auto_rot = p.On("chkTDAutoRot");
  s.alt = p.On("chkAltTDS");
  s.merge = p.On("chkTDMerge") && ctx.pov31;
  s.connect = p.On("chkTDConnect");
  s.worm_as_rec = p.On("chkWormAsRec");
  s.rec_number = p.Number("edRecNumber");
  s.rec_scale = p.Number("edRecScale");
  s.rec_rot = p.Number("edRecRot");
  s.rec_trigger = p.Number("edRecTrigger");
  const bool recursion = p.On("chkRecTD");
  s.last = BoundedCount(ctx, s.N, "TwoDWorm segments");
  s.copies = recursion ? BoundedCount(ctx, s.rec_number, "TwoDWorm ring copies") : 0;
  int levels = p.Integer("edRecLevel");
  if (recursion && !s.worm_as_rec) {
    ctx.DeclareTyped("PredRec", "edPredRec");
  }
  if (levels > kMaxTwoDLevels) {
    p.diagnostics().Warn("Recursion levels above " + IntegerText(kMaxTwoDLevels) +
                         " are not written");
    levels = kMaxTwoDLevels;
  }
  int n = 0;
  WriteLevel(ctx, s, n, false);
  if (recursion) {
    for (int k = 0; k < levels; ++k) WriteLevel(ctx, s, ++n, true);
  }
  ctx.out.Line(" ");
  ctx.out.Line("#declare TwoD =");
  ctx.out.Line(" object {TD" + IntegerText(n));
  WritePastedPlacement(ctx);
  ctx.out.Line("}");
  ctx.out.Line(" ");
}

}  // namespace vermora
