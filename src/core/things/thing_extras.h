#pragma once

#include <string>

#include "scene/compose_context.h"

namespace vermora {

// What every thing shares: its start (clock re-seed, alternation from 1), the
// tail, head, link and second-worm declarations, the scramble of each
// member, the second-worm series and interval, and the member worm choice.
// Members are counted from 0; the series triggers count them from 1.
class ThingExtras {
 public:
  explicit ThingExtras(ComposeContext& ctx);

  // TrLink, Tail, TrHead and SecondWorm, each only when switched on.
  void WriteDeclarations() const;

  // At most one scale or rotate statement with fresh random components.
  void ScrambleScale();
  void ScrambleRotate();

  bool second_worm() const { return second_worm_; }
  bool SeriesMember(int k) const;
  // True when member k carries an extra second-worm object; then the next one
  // is due `IntTrigger` members later.
  bool IntervalObject(int k);

  // "Worm1", or "Worm2" while alternating on the second state.
  const char* MemberWorm() const;
  const std::string& second_worm_texture() const { return second_worm_texture_; }

 private:
  ComposeContext& ctx_;
  bool second_worm_ = false;
  int series_first_ = 0, series_last_ = 0, interval_ = 0, next_interval_ = 0;
  bool alternate_ = false;  // ChkAlternate, read once for every member
  bool scramble_scale_ = false, scramble_rotate_ = false;
  float scale_range_ = 0, rotate_range_ = 0;
  std::string second_worm_texture_;
};

}  // namespace vermora
