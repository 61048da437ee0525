#include "worms/spiral_attachments.h"

#include <cmath>
#include <numbers>
#include <string>

#include "common/fixed.h"
#include "scene/bounded_count.h"
#include "scene/ring_count.h"

namespace vermora {
namespace {

// The level a base or top ring copies: W1 only names a level that exists.
const char* RingWorm(const SpiralRun& run, const char* branched_switch) {
  return run.ctx.params.On(branched_switch) && run.branched ? "  W1" : "  W0";
}

// The shared tail of every ring member: its scale, the grow-in of the last
// member, its own turn about z and its place on the ring.
void RingMember(SceneWriter& out, const RingCount& ring, float k, float scale, float rot, float a) {
  out.Scale(scale, scale, scale);
  if (ring.grow_in != 0 && k == ring.count - 1) out.Scale(ring.grow_in, ring.grow_in, ring.grow_in);
  out.Rotate(0, 0, rot);
  out.Rotate(0, a, 0);
}

}  // namespace

void WriteAttachmentDeclarations(SpiralRun& run) {
  const ParamReader& p = run.ctx.params;
  if (p.On("ChkTopHartOn")) run.ctx.DeclareTyped("TopHart", "EdTopHart");
  if (p.On("ChkBranchON") && !p.On("ChkWormAsBranch"))
    run.ctx.DeclareTyped("PredBranch", "EdPredBranch");
  if (p.On("ChkBaseOn") && !p.On("ChkWormAsBase")) run.ctx.DeclareTyped("PredBase", "EdPredBase");
  if (p.On("ChkTopOn") && !p.On("ChkWormAsTop")) run.ctx.DeclareTyped("PredTop", "EdPredTop");
  if (run.s.husk) run.ctx.DeclareTyped("HuskObj", "edCoat");
  if (run.s.helix) run.ctx.DeclareTyped("HelixObj", "edHObj");
}

void WriteBranchDeclaration(SpiralRun& run) {
  ComposeContext& ctx = run.ctx;
  SceneWriter& out = ctx.out;
  const ParamReader& p = ctx.params;
  out.Line("#declare Branch" + IntegerText(run.level) + " = ");
  out.Line(run.s.merge && ctx.pov31 ? " merge {" : " union {");
  const RingCount ring = ReadRingCount(ctx, "EdBranchNumber", "Branch members");
  const float scale = p.Number("EdBranchScale");
  const float rot = p.Number("EdBranchRot");
  const bool as_worm = p.On("ChkWormAsBranch");
  const std::string member = as_worm ? " W" + IntegerText(run.level - 1) : "  PredBranch";
  const std::string texture = "  " + p.Text("EdBranchTexture");
  float a = 0;
  for (float k = 0; k < ring.last; k = k + 1) {
    out.Line("  object { ");
    out.Line(member);
    out.Line(texture);
    RingMember(out, ring, k, scale, rot, a);
    out.Line("  }");
    a = a + 360 / ring.divisor;
  }
  if (ring.count == 1) out.Line("   sphere{ <0, 0, 0>, 0.001}");
  out.Line("}");
}

void PlaceBranches(SpiralRun& run) {
  SpiralPath& q = run.path;
  if (q.i != q.next_branch) return;
  SceneWriter& out = run.ctx.out;
  const std::string head = "  object { Branch" + IntegerText(run.level);
  out.Line(head);
  out.Scale(q.sx, q.sy, q.sz);
  out.Rotate(q.rx, q.ry, q.rz);
  out.Translate(q.X, q.Y, q.Z);
  out.Line(" }");
  if (run.s.P < run.s.N) {
    out.Line(head);
    out.Scale(q.sx, q.sy, q.sz);
    out.Rotate(-q.rx, q.ry, -q.rz);
    out.Translate(q.Xm, q.Y, q.Z);
    out.Line(" }");
  }
  q.next_branch = q.i + run.s.branch_trigger;
}

void UpdateBubbles(SpiralRun& run) {
  const SpiralSettings& s = run.s;
  SpiralPath& q = run.path;
  q.in_bubble = s.bubble_start <= q.i && q.i <= s.bubble_end;
  if (!(q.i > s.bubble_start || q.i < s.bubble_end)) return;
  // The bubble scale is read only inside a bubble, this step's or (as the
  // previous one) the next step's, so the sine is left out elsewhere.
  const float next = q.i + 1;
  if (q.in_bubble || (s.bubble_start <= next && next <= s.bubble_end)) {
    constexpr float kPi = std::numbers::pi_v<float>;
    float w = std::sin((q.phase - 0.25f) * s.bubble_waves * kPi / 180.0f) * s.bubble_amplitude +
              s.bubble_center;
    if (w < 0) w = -w;
    q.bx = std::fabs(q.sx * w);
    q.by = std::fabs(q.sy * w);
    q.bz = std::fabs(q.sz * w);
  }
  q.phase = q.phase + 360.0f / s.N;
}

bool HuskApplies(const SpiralRun& run) {
  return run.s.husk && run.s.husk_start <= run.path.i && run.path.i < run.s.husk_end;
}

void WriteHelixObjects(SpiralRun& run) {
  const SpiralSettings& s = run.s;
  if (!s.helix) return;
  const SpiralPath& q = run.path;
  SceneWriter& out = run.ctx.out;
  constexpr float kPi = std::numbers::pi_v<float>;
  const float h = s.helix_turns * 2 * kPi * q.i / s.N;
  const float hx = std::cos(h) * s.helix_radius;
  const float hy = -std::sin(h) * s.helix_radius;
  auto helix = [&](float x) {
    out.Line("  object { HelixObj");
    out.Line("  ", s.helix_texture);
    out.Rotate(q.qx, q.qy, q.qz);
    out.Translate(x, q.Y, q.Z);
    out.Translate(hx, hy, 0);
    out.Line(" }");
  };
  helix(q.X);
  if (q.i > s.P) helix(q.Xm);
}

void AdvanceHelix(SpiralRun& run) {
  if (!run.s.helix) return;
  run.path.qx = run.path.qx + run.s.helix_rx;
  run.path.qy = run.path.qy + run.s.helix_ry;
  run.path.qz = run.path.qz + run.s.helix_rz;
}

void RememberBubbles(SpiralRun& run) {
  run.path.bxp = run.path.bx;
  run.path.byp = run.path.by;
  run.path.bzp = run.path.bz;
}

void WriteBaseRing(SpiralRun& run) {
  ComposeContext& ctx = run.ctx;
  const ParamReader& p = ctx.params;
  const RingCount ring = ReadRingCount(ctx, "EdBaseNumber", "Base members");
  const float scale = p.Number("EdBaseScale");
  const float rot = p.Number("EdBaseRot");
  const std::string member = p.On("ChkWormAsBase") ? RingWorm(run, "ChkBranchedBase") : " PredBase";
  const std::string texture = "  " + p.Text("EdBaseTexture");
  float a = 0;
  for (float k = 0; k < ring.last; k = k + 1) {
    ctx.out.Line("  object {");
    ctx.out.Line(member);
    ctx.out.Line(texture);
    RingMember(ctx.out, ring, k, scale, rot, a);
    ctx.out.Line(" }");
    a = a + 360 / ring.divisor;
  }
}

void WriteTopStacks(SpiralRun& run) {
  ComposeContext& ctx = run.ctx;
  SceneWriter& out = ctx.out;
  const ParamReader& p = ctx.params;
  const SpiralSettings& s = run.s;
  SpiralPath& q = run.path;
  const float stacks = p.Number("EdTopVNumber");
  const float last_stack = BoundedCount(ctx, stacks, "Top stacks");
  const RingCount ring = ReadRingCount(ctx, "EdTopNumber", "Top members");
  const float scale = p.Number("EdTopScale");
  const float rot = p.Number("EdTopRot");
  const float move = p.Number("EdTopVMoveF");
  const float turn = p.Number("EdTopVRot");
  const float shrink = p.Number("EdTopVScaleF");
  const bool as_worm = p.On("ChkWormAsTop");
  const char* worm = RingWorm(run, "ChkBranchedTop");
  const std::string texture = "  " + p.Text("EdTopTexture");

  float f = 1, t = 0;
  for (float j = 0; j < last_stack; j = j + 1) {
    out.Line(" #declare TotTops = union { ");
    if (stacks == 1) out.Line("   sphere{ <0, 0, 0>, 0.001}");
    float a = 0;
    for (float k = 0; k < ring.last; k = k + 1) {
      if (as_worm) {
        out.Line("  object {");
        out.Line(worm);
      } else {
        out.Line("  object {PredTop");
      }
      RingMember(out, ring, k, scale, rot, a);
      out.Line(" }");
      a = a + 360 / ring.divisor;
    }
    out.Line(" }");
    auto place = [&](float rx, float rz, float x) {
      out.Line("  object {TotTops");
      out.Line(texture);
      out.Scale(f, f, f);
      out.Rotate(rx, t, rz);
      out.Translate(x, q.Y, q.Z);
      out.Line(" }");
    };
    place(q.rx, q.rz, q.X);
    if (s.P < s.N) place(-q.rx, -q.rz, q.Xm);

    if (!s.auto_rot) {
      q.rx += s.gx / s.N;
      q.ry += s.gy / s.N;
      q.rz += s.gz / s.N;
    }
    const float Xa = q.X, Za = q.Z;
    const float theta = std::numbers::pi_v<float> / 2 + q.A;  // a right angle here, unlike the path
    const float u = std::cos(theta) * q.step * s.mx;
    if (q.i <= s.P) {
      q.X = q.X + u;
      q.Xm = q.X;
    } else {
      q.X = q.X + u - q.D;
      q.Xm = s.mirrored ? q.Xm - u + q.D : q.Xm + u + q.D;
    }
    q.Z = q.Z + std::sin(theta) * q.step * s.mz * move;
    const float climb = (s.S / s.N) * q.sy * s.my * move;
    q.Y = q.i < s.L ? q.Y + climb : q.Y - climb;
    if (s.auto_rot) {
      q.rx = -90.0f * (q.Z - Za);
      q.rz = -90.0f * (q.X - Xa);
    }
    q.A = q.A + s.omega;
    f = f - shrink / stacks;
    if (f < 0.01f) f = 0.01f;
    t = t + turn;
  }
}

void WriteTopHeart(SpiralRun& run) {
  SceneWriter& out = run.ctx.out;
  const ParamReader& p = run.ctx.params;
  const SpiralPath& q = run.path;
  const float up = p.Number("EdTopHartUp");
  const std::string& size = p.Text("edTHScale");
  auto heart = [&](float x) {
    out.Line("  object { TopHart");
    out.Line("  ", p.Text("edTopHartTexture"));
    out.Line("  scale <" + size + ", " + size + ", " + size + ">");
    out.Translate(x, q.Y + up, q.Z);
    out.Line(" }");
  };
  heart(q.X);
  if (run.s.P < run.s.N) heart(q.Xm);
}

}  // namespace vermora
