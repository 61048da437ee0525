#include "things/fan_wheel.h"

#include <cmath>
#include <string>

#include "scene/bounded_count.h"
#include "scene/ring_count.h"
#include "things/thing_extras.h"

namespace vermora {
namespace {

// Where the Fan and the Wheel differ; the rest is one algorithm.
struct Variant {
  bool wheel;
  const char* union_head;
  const char* tent_head;
  const char* tent_dummy;
  const char* tent_predefined;
  const char* arm_open;
  const char* series_arm;
};

constexpr Variant kFan{false,
                       "#declare FanWorm =  union {",
                       " #declare Tent = union {",
                       "  sphere{ <0, 0, 0>, 0.001}",
                       "  TentName",
                       " object { ",
                       " SecondWorm "};
constexpr Variant kWheel{true,
                         "#declare WheelWorm =  union {",
                         " #declare Tent = union {  ",
                         "   sphere{ <0, 0, 0>, 0.001}",
                         "  TentName ",
                         " object {",
                         " SecondWorm"};

struct Arms {
  ComposeContext& ctx;
  const Variant& v;
  ThingExtras extras;
  RingCount arms;
  float spread, krop, wave_number, sym_number, S, mx, my, mz, theta;
  float fx, fy, fz, ox, oy, oz;
  bool wave, sym, way, tentacle;
  // Per-arm state.
  float a = 0, b = 0, phase_w = 0, w = 0, phase_s = 0, sym_value = 1;
  float sx = 1, sy = 1, sz = 1, x = 0, y = 0, z = 0;
  float g = 1, dg = 0;

  Arms(ComposeContext& c, const Variant& variant) : ctx(c), v(variant), extras(c) {}

  void Sigma() {
    if (sym) {
      ctx.out.Scale(sym_value, sym_value, sym_value);
    } else {
      ctx.out.Scale(sx, sy, sz);
    }
  }
  void Place() {
    const float bend = wave ? w : b;
    if (v.wheel) {
      ctx.out.Rotate(0, 0, a);
      ctx.out.Rotate(0, bend, 0);
    } else {
      ctx.out.Rotate(0, 0, bend);
      ctx.out.Rotate(0, a, 0);
    }
    ctx.out.Translate(x, y, z);
  }
  // A placed object that shares the arm's scale and placement.
  void Extra(const std::string& head) {
    ctx.out.Line(head);
    Sigma();
    Place();
    ctx.out.Line(" }");
  }
  void Move() {
    const float K = arms.count;
    if (!way) {
      x += ox / K;
      y += oy / K;
      z += oz / K;
    } else if (v.wheel) {
      const float s = (S / K) * (sy + 0.5f * sx) * 0.5f;
      y += std::cos(theta) * s * my;
      x += std::sin(theta) * s * mx;
      z += (S / K) * sz * mz;
    } else {
      const float s = (S / K) * (sx + 0.5f * sz) * 0.5f;
      x += std::cos(theta) * s * mx;
      z += std::sin(theta) * s * mz;
      y += (S / K) * sy * my;
    }
  }
};

void WriteTentacle(ComposeContext& ctx, const Variant& v) {
  const ParamReader& p = ctx.params;
  const RingCount ring = ReadRingCount(ctx, "EdTentNumber", "Tentacle members");
  const float scale = p.Number("EdTentScale");
  const float rot = p.Number("EdTentRot");
  const char* member = p.On("ChkWormAsTent") ? "  Worm1" : v.tent_predefined;
  const std::string texture = "  " + p.Text("EdTentTexture");
  ctx.out.Line(v.tent_head);
  if (ring.count == 1) ctx.out.Line(v.tent_dummy);
  float t = 0;
  for (float j = 0; j < ring.last; j = j + 1) {
    ctx.out.Line(" object {");
    ctx.out.Line(member);
    ctx.out.Line(texture);
    ctx.out.Scale(scale, scale, scale);
    if (ring.grow_in != 0 && j == ring.count - 1)
      ctx.out.Scale(ring.grow_in, ring.grow_in, ring.grow_in);
    ctx.out.Rotate(0, 0, rot);
    ctx.out.Rotate(0, t, 0);
    ctx.out.Line(" }");
    t = t + 360 / ring.divisor;
  }
  ctx.out.Line(" }");
  ctx.out.Line(" ");
}

void WriteArms(ComposeContext& ctx, const Variant& v) {
  Arms m(ctx, v);
  const ParamReader& p = ctx.params;
  m.arms = ReadRingCount(ctx, "EdTNumber", "Arms");
  m.spread = p.Number("EdTSpread");
  m.fx = p.Number("EdTScaleFactorX");
  m.fy = p.Number("EdTScaleFactorY");
  m.fz = p.Number("EdTScaleFactorZ");
  m.sym = p.On("ChkSymScale");
  m.sym_number = p.Number("EdSymScaleNumber");
  p.Number("EdSymScaleValue");  // cancels out of the wave, but a bad text still warns
  m.ox = p.Number("EdTOffsetX");
  m.oy = p.Number("EdTOffsetY");
  m.oz = p.Number("EdTOffsetZ");
  m.krop = p.Number("EdKropDegrees");
  m.wave = p.On("ChkWave");
  m.wave_number = p.Number("EdWaveNumber");
  m.way = p.On("chkSpiralWay");
  m.S = p.Number("edTNumberSpace");
  m.mx = p.Number("edTMoveX");
  m.my = p.Number("edTMoveY");
  m.mz = p.Number("edTMoveZ");
  m.theta = 90.0f + p.Number("edTOmwBasis");  // radians, like the worms' path
  m.tentacle = p.On("ChkTentacle");
  const float K = m.arms.count;
  float tent_start = 0;
  if (m.tentacle) {
    tent_start = p.Number("EdTentStart");
    // With as many arms as tentacle members the growth is undefined: none.
    const float members = p.Number("EdTentNumber");
    m.dg = K != members ? p.Number("EdTentGrow") / (K - members) : 0.0f;
  }

  if (!p.On("ChkWormAsTent")) {
    ctx.DeclareTyped("TentName", "EdTentName");
  }
  m.extras.WriteDeclarations();
  ctx.alternation = 1;
  if (m.tentacle) WriteTentacle(ctx, v);

  ctx.out.Line(v.union_head);
  if (p.On("chkTailOn")) ctx.out.Line("  object { Tail " + p.Text("edTailTexture") + " }");
  const bool links = p.On("ChkTrLinkOn");
  const std::string link_head = "  object { TrLink " + p.Text("edTrLinkTexture");
  const std::string interval_head = "  object { SecondWorm " + m.extras.second_worm_texture();
  for (int k = 0; k < m.arms.last; ++k) {
    if (links) m.Extra(link_head);
    if (m.extras.IntervalObject(k)) m.Extra(interval_head);
    // Both waves take the phase, counted in degrees, as radians.
    if (m.wave) m.w = std::sin(m.phase_w * m.wave_number) * m.krop;
    if (m.sym) {
      m.sym_value = std::fabs(2 * std::sin(m.phase_s * m.sym_number));
      if (m.sym_value == 0) m.sym_value = 0.01f;
    }
    ctx.out.Line(v.arm_open);
    if (m.extras.SeriesMember(k)) {
      ctx.out.Line(v.series_arm);
      ctx.out.Line("  ", m.extras.second_worm_texture());
    } else {
      ctx.out.Line(" ", m.extras.MemberWorm());
    }
    m.extras.ScrambleScale();
    m.Sigma();
    const float grow = m.arms.grow_in;
    if (grow != 0 && k == K - 1) ctx.out.Scale(grow, grow, grow);
    m.extras.ScrambleRotate();
    m.Place();
    ctx.out.Line(" }");
    m.phase_w += 360 / K;
    m.phase_s += 360 / K;
    m.b += m.krop / K;
    ctx.ToggleAlternation();
    if (m.tentacle && k > tent_start - 1) {
      ctx.out.Line(" object { Tent");
      ctx.out.Scale(m.g, m.g, m.g);
      m.Place();
      ctx.out.Line(" }");
    }
    if (m.tentacle) {
      m.g += m.dg;
      if (m.g < 0.1f) m.g = 0.1f;
    }
    m.a += m.spread / m.arms.divisor;
    auto shrink = [](float& s, float f, float K) {
      s -= f / K;
      if (s < 0.1f) s = 0.1f;
    };
    shrink(m.sx, m.fx, K);
    shrink(m.sy, m.fy, K);
    shrink(m.sz, m.fz, K);
    m.Move();
  }
  if (p.On("ChkTrHeadOn")) m.Extra("  object { TrHead " + p.Text("edTrHeadTexture"));
  ctx.out.Line(" }");
  ctx.out.Line(" ");
}

}  // namespace

void WriteFan(ComposeContext& ctx) { WriteArms(ctx, kFan); }
void WriteWheel(ComposeContext& ctx) { WriteArms(ctx, kWheel); }

}  // namespace vermora
