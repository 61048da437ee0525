#include "things/thing_extras.h"

namespace vermora {

ThingExtras::ThingExtras(ComposeContext& ctx) : ctx_(ctx) {
  ctx.random.ReseedFromClock(ctx.clock);
  const ParamReader& p = ctx.params;
  second_worm_ = p.On("chkTSerie") || p.On("chkTInterval");
  if (second_worm_) {
    series_first_ = p.Integer("edSWTrig");
    series_last_ = p.Integer("edSWETrig");
    interval_ = p.Integer("IntTrigger");
    next_interval_ = interval_;
    second_worm_texture_ = p.Text("edSWTex");
  }
  alternate_ = p.On("ChkAlternate");
  scramble_scale_ = p.On("chkScrambleS");
  if (scramble_scale_) scale_range_ = p.Number("edScrambleS");
  scramble_rotate_ = p.On("chkScrambleR");
  if (scramble_rotate_) rotate_range_ = p.Number("edScrambleR");
  ctx.alternation = 1;
}

void ThingExtras::WriteDeclarations() const {
  const ParamReader& p = ctx_.params;
  if (p.On("ChkTrLinkOn")) ctx_.DeclareTyped("TrLink", "EdTrLink");
  if (p.On("chkTailOn")) ctx_.DeclareTyped("Tail", "edTail");
  if (p.On("ChkTrHeadOn")) ctx_.DeclareTyped("TrHead", "EdTrHead");
  if (second_worm_) ctx_.DeclareTyped("SecondWorm", "edSWPred");
}

void ThingExtras::ScrambleScale() {
  if (!scramble_scale_) return;
  const double R = scale_range_;
  const double x = 1 - (ctx_.random.Next() * R - R * 0.5);
  const double y = 1 - (ctx_.random.Next() * R - R * 0.5);
  const double z = 1 - (ctx_.random.Next() * R - R * 0.5);
  ctx_.out.Scale(x, y, z);
}

void ThingExtras::ScrambleRotate() {
  if (!scramble_rotate_) return;
  const double R = rotate_range_;
  const double x = 0 - (ctx_.random.Next() * R - R * 0.5);
  const double y = 0 - (ctx_.random.Next() * R - R * 0.5);
  const double z = 0 - (ctx_.random.Next() * R - R * 0.5);
  ctx_.out.Rotate(x, y, z);
}

bool ThingExtras::SeriesMember(int k) const {
  return second_worm_ && series_first_ - 1 <= k && k < series_last_;
}

bool ThingExtras::IntervalObject(int k) {
  if (!second_worm_ || k != next_interval_) return false;
  next_interval_ = interval_ + k;
  return true;
}

const char* ThingExtras::MemberWorm() const {
  return alternate_ && ctx_.alternation == 2 ? "Worm2" : "Worm1";
}

}  // namespace vermora
