#pragma once

namespace vermora {

// What a running frame series tells the generators about one animated ring
// count. All zero when no series runs.
struct RingAnimation {
  float grow_in = 0;      // fraction of the next member grown in; 0 between whole counts
  float start_count = 0;  // the count in the start set
  float end_count = 0;    // the count in the end set
};

// The animation inputs read by the worm and thing generators; the frame series
// fills them in per frame.
class AnimationInputs {
 public:
  virtual ~AnimationInputs() = default;
  // `ring` names the animated count: the parameter that holds it ("EdBranchNumber").
  virtual RingAnimation Ring(const char* ring) const = 0;
  // The ring count frozen for the whole series: `count` at first use, the
  // remembered value after.
  virtual float Freeze(const char* ring, float count) = 0;
};

// No series running.
class StillLife final : public AnimationInputs {
 public:
  RingAnimation Ring(const char*) const override { return {}; }
  float Freeze(const char*, float count) override { return count; }
};

}  // namespace vermora
