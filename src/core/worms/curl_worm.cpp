#include "worms/curl_worm.h"

#include <cmath>

#include "scene/bounded_count.h"
#include "worms/pasted_placement.h"

namespace vermora {

void WriteCurlWorm(ComposeContext& ctx) {
  const ParamReader& p = ctx.params;
  SceneWriter& out = ctx.out;
  const bool heart = p.On("chkCTopHartOn");
  const bool husk = p.On("chkCHuskOn");
  if (heart) {
    ctx.DeclareTyped("CTopHart", "edCTopHart");
  }
  if (husk) {
    ctx.DeclareTyped("CHuskObj", "edCHusk");
  }
  const float N = p.Number("EdRNumber");
  const float shrink = p.Number("EdScaleFactor");
  const float turn = p.Number("EdTurnFctr");
  const float minor = p.Number("EdMinorTurn");
  const float revs = p.Number("EdRevs");
  const bool x_offset = p.On("ChkXOffset");
  const float x_factor = p.Number("EdXOffsetFactor");
  const bool alt = p.On("chkAltRS");
  const float husk_start = p.Number("edCHuskST");
  const float husk_end = p.Number("edCHuskET");
  const std::string& husk_texture = p.Text("edCHuskT");
  out.Line("#declare RWorm =");
  out.Line(p.On("chkRMerge") && ctx.pov31 ? " merge {" : " union { ");

  float i = 0, s = 1, R = p.Number("EdMajorTurn");
  const float dA = p.Number("EdMajorDegr") / N;
  ctx.alternation = 1;
  const float last = BoundedCount(ctx, N, "CurlWorm segments");
  while (i <= last) {
    if (husk && husk_start <= i && i < husk_end) {
      out.Line(" object {CHuskObj");
      out.Line("   ", husk_texture);
    } else if (alt && ctx.alternation == 2) {
      out.Line("  object {object {RSegment2 translate <-.5,0,0>}");
    } else {
      out.Line("  object {object {RSegment translate <-.5,0,0>}");
    }
    out.Scale(s, s, s);
    out.Translate(0, 0, minor);
    out.Rotate(0, dA * i * revs, 0);
    out.Translate(0, 0, R);
    out.Rotate(-dA * i, 0, 0);
    if (x_offset) out.Translate(i / x_factor, 0, 0);
    out.Line(" }");
    s = s - shrink / N;
    if (s < 0.1f) s = 0.1f;
    R = R - turn / N;
    i = i + 1;
    ctx.ToggleAlternation();
  }
  if (heart) {
    const std::string& k = p.Text("edCTHScale");
    out.Line("  object { CTopHart");
    out.Line("  ", p.Text("edCTopHartT"));
    out.Line("  scale <" + k + ", " + k + ", " + k + ">");
    out.Translate(0, 0, minor);
    out.Rotate(0, dA * i * revs, 0);
    out.Translate(0, 0, R);
    out.Rotate(-dA * i, 0, 0);
    out.Line(" }");
  }
  const ParamReader& q = p;
  out.Line("  scale <" + q.Text("EdPostScaleX") + ", " + q.Text("EdPostScaleY") + ", " +
           q.Text("EdPostScaleZ") + "> ");
  out.Line("  rotate <0, 90, 0>");
  out.Line("  rotate <" + q.Text("EdPostRotateX") + ", " + q.Text("EdPostRotateY") + ", " +
           q.Text("EdPostRotateZ") + ">");
  out.Line("  translate <" + q.Text("EdPostTranslateX") + ", " + q.Text("EdPostTranslateY") + ", " +
           q.Text("EdPostTranslateZ") + ">");
  out.Line(" }");
  out.Line(" ");
}

}  // namespace vermora
