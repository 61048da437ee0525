#include "worms/spiral_worm.h"

#include <cmath>
#include <string>

#include "common/fixed.h"
#include "scene/bounded_count.h"
#include "worms/spiral_attachments.h"
#include "worms/two_d_worm.h"

namespace vermora {
namespace {

SpiralSettings ReadSettings(const ParamReader& p) {
  SpiralSettings s{};
  s.T = p.Number("edHTus");
  s.N = p.Number("EdNumber") * s.T;
  s.S = p.Number("EdSpace");
  s.omega = p.Number("EdOmw") / s.T;
  s.L = p.Number("EdLegTrig") * s.T;
  s.H = p.Number("EdShTrig") * s.T;
  s.P = p.Number("edSplitTrig") * s.T;
  s.delta = p.Number("edRadiusIncr") / (s.T * s.T);
  s.fx = p.Number("EdShFX");
  s.fy = p.Number("EdShFY");
  s.fz = p.Number("EdShFZ");
  s.mx = p.Number("EdXMoveF");
  s.my = p.Number("EdYMoveF");
  s.mz = p.Number("EdZMoveF");
  s.gx = p.Number("EdRotFacX");
  s.gy = p.Number("EdRotFacY");
  s.gz = p.Number("EdRotFacZ");
  s.auto_rot = p.On("ChkARot");
  s.alt_segment = p.On("chkAltJS");
  s.merge = p.On("chkJMerge");
  s.connect = p.On("chkJConnect");
  s.mirrored = p.On("chkMinPlusOn");
  s.branch_trigger = p.Number("EdBranchTrigger") * s.T;
  s.bubble_start = p.Number("EdBBScaleSt") * s.T;
  s.bubble_end = p.Number("EdBBScEnd") * s.T;
  s.husk_start = p.Number("edCoatST") * s.T;
  s.husk_end = p.Number("edCoatET") * s.T;
  s.bubble_waves = p.Number("EdBBScNr");
  s.bubble_amplitude = p.Number("EdBBScSW");
  s.bubble_center = p.Number("EdBBScCenter");
  if (s.bubble_center < 0) s.bubble_center = -s.bubble_center;
  s.husk = p.On("chkCoatOn");
  s.helix = p.On("chkHelixOn");
  s.husk_texture = p.Text("edCoatTex");
  s.bubble_texture = p.Text("EdBBScBTex");
  s.helix_texture = p.Text("edHTex");
  if (s.helix) {
    s.helix_radius = p.Number("edStraalH");
    s.helix_turns = p.Number("edRevH");
    s.helix_rx = p.Number("edHRotX");
    s.helix_ry = p.Number("edHRotY");
    s.helix_rz = p.Number("edHRotZ");
  }
  return s;
}

void WriteSegment(SpiralRun& run, float x) {
  SceneWriter& out = run.ctx.out;
  const SpiralPath& q = run.path;
  if (HuskApplies(run)) {
    out.Line(" object {HuskObj");
    out.Line("   ", run.s.husk_texture);
  } else if (run.s.alt_segment) {
    out.Line("  object { ");
    out.Line(run.ctx.alternation == 1 ? "  JSegment" : "  JSegment2");
  } else {
    out.Line("  object {JSegment");
  }
  if (q.in_bubble) {
    out.Line("  ", run.s.bubble_texture);
    out.Scale(q.bx, q.by, q.bz);
  } else {
    out.Scale(q.sx, q.sy, q.sz);
  }
  out.Rotate(q.rx, q.ry, q.rz);
  out.Translate(x, q.Y, q.Z);
  out.Line(" }");
}

void WriteConnector(SpiralRun& run, float x0, float x1) {
  const SpiralPath& q = run.path;
  const float r0 = 0.5f * (q.in_bubble ? q.bxp : q.sxp);
  const float r1 = 0.5f * (q.in_bubble ? q.bx : q.sx);
  SceneLine(run.ctx.out)
      .Text(" object{ Connect(<")
      .Number<4, 2>(x0)
      .Text(", ")
      .Number<4, 2>(q.Yp)
      .Text(", ")
      .Number<4, 2>(q.Zp)
      .Text(">, ")
      .Number<4, 2>(r0)
      .Text(", <")
      .Number<4, 2>(x1)
      .Text(", ")
      .Number<4, 2>(q.Y)
      .Text(", ")
      .Number<4, 2>(q.Z)
      .Text(">, ")
      .Number<4, 2>(r1)
      .Text(")}")
      .End();
}

void Step(SpiralRun& run) {
  const SpiralSettings& s = run.s;
  SpiralPath& q = run.path;

  if (run.branch_mode) PlaceBranches(run);

  const bool shrinking = q.i < s.H;
  auto shrink = [&](float& v, float f) {
    v = shrinking ? v - f / s.N : v + f / s.N;
    if (v < 0.1f) v = 0.1f;
  };
  shrink(q.sx, s.fx);
  shrink(q.sy, s.fy);
  shrink(q.sz, s.fz);

  UpdateBubbles(run);

  if (!s.auto_rot) {
    q.rx += s.gx / s.N;
    q.ry += s.gy / s.N;
    q.rz += s.gz / s.N;
  }

  const float wx = q.in_bubble ? q.bx : q.sx;
  const float wz = q.in_bubble ? q.bz : q.sz;
  const float step = (s.S / s.N) * (wx + 0.5f * wz) * 0.5f;
  q.step = step;

  const float Xa = q.X, Za = q.Z;
  const float theta = 90.0f + q.A;  // 90 radians: the path's own phase, not a right angle
  const float u = static_cast<float>(std::cos(theta)) * step * s.mx;
  if (q.i <= s.P) {
    q.X = q.X + u;
    q.Xm = q.X;
  } else {
    q.X = q.X + u - q.D;
    q.Xm = s.mirrored ? q.Xm - u + q.D : q.Xm + u + q.D;
  }
  q.Z = q.Z + static_cast<float>(std::sin(theta)) * step * s.mz;
  const float climb = (s.S / s.N) * q.sy * s.my;
  q.Y = q.i < s.L ? q.Y + climb : q.Y - climb;

  if (s.auto_rot) {
    q.rx = -90.0f * (q.Z - Za);
    q.rz = -90.0f * (q.X - Xa);
  }

  if (q.i == q.e) {
    WriteSegment(run, q.X);
    if (q.i > 1 && s.connect) WriteConnector(run, q.Xp, q.X);
    if (q.i > s.P) {
      WriteSegment(run, q.Xm);
      if (q.i > 1 && s.connect) WriteConnector(run, q.Xmp, q.Xm);
    }
    q.e = q.e + s.T;
    run.ctx.ToggleAlternation();
  }

  WriteHelixObjects(run);

  q.A = q.A + s.omega;
  AdvanceHelix(run);
  q.D = q.D + s.delta;

  q.Xp = q.X;
  q.Xmp = q.Xm;
  q.Yp = q.Y;
  q.Zp = q.Z;
  q.sxp = q.sx;
  RememberBubbles(run);
  q.i = q.i + 1;
}

void WriteLevel(SpiralRun& run) {
  if (run.branch_mode) WriteBranchDeclaration(run);
  run.path = SpiralPath{};
  run.path.A = run.s.omega;
  run.path.next_branch = run.s.branch_trigger;
  run.ctx.alternation = 1;
  run.ctx.out.Line("#declare W" + IntegerText(run.level) + " = ");
  run.ctx.out.Line(run.s.merge && run.ctx.pov31 ? " merge {" : " union {");
  while (run.path.i <= run.s.last) Step(run);
  run.ctx.out.Line(" }");
}

void WritePlacement(SpiralRun& run) {
  const ParamReader& p = run.ctx.params;
  run.ctx.out.Scale(p.Number("EdPostScaleX"), p.Number("EdPostScaleY"), p.Number("EdPostScaleZ"));
  run.ctx.out.Rotate(p.Number("EdPostRotateX"), p.Number("EdPostRotateY"),
                     p.Number("EdPostRotateZ"));
  run.ctx.out.Translate(p.Number("EdPostTranslateX"), p.Number("EdPostTranslateY"),
                        p.Number("EdPostTranslateZ"));
}

}  // namespace

void WriteSpiralWorm(ComposeContext& ctx) {
  SpiralRun run{ctx, ReadSettings(ctx.params), 0, false, false, SpiralPath{}};
  const ParamReader& p = ctx.params;
  int levels = p.Integer("edBRLevel");
  // Each level is a whole worm more: a typed level in the millions would
  // write until the scene limit, so levels are cut as the TwoDWorm's are.
  if (levels > kMaxTwoDLevels) {
    p.diagnostics().Warn("Branch levels above " + IntegerText(kMaxTwoDLevels) + " are not written");
    levels = kMaxTwoDLevels;
  }
  run.s.last = BoundedCount(ctx, run.s.N, "SpiralWorm segments");
  WriteAttachmentDeclarations(run);

  run.level = 0;
  run.branch_mode = false;
  WriteLevel(run);
  if (p.On("ChkBranchON")) {
    run.branch_mode = true;
    run.branched = levels >= 1;
    for (int k = 0; k < levels; ++k) {
      ++run.level;
      WriteLevel(run);
    }
  }

  ctx.out.Line(" ");
  ctx.out.Line("#declare JWorm =");
  const bool extras = p.On("ChkBaseOn") || p.On("ChkTopOn") || p.On("ChkTopHartOn");
  if (extras) ctx.out.Line(" union {");
  ctx.out.Line("  object { W" + IntegerText(run.level));
  if (!extras) WritePlacement(run);
  ctx.out.Line(" }");
  if (p.On("ChkBaseOn")) WriteBaseRing(run);
  if (p.On("ChkTopOn")) WriteTopStacks(run);
  if (p.On("ChkTopHartOn")) WriteTopHeart(run);
  if (extras) {
    WritePlacement(run);
    ctx.out.Line(" }");
  }
  ctx.out.Line(" ");
}

}  // namespace vermora
