#pragma once

#include <map>
#include <string>

#include "scene/animation_inputs.h"

namespace vermora {

// What a running frame series tells the generators about the animated ring
// counts: the fraction of the member growing in, the unrounded count the
// members are spaced by, and each ring's start and end counts.
class GrowInState final : public AnimationInputs {
 public:
  void Reset() { rings_.clear(); }
  void SetCounts(const std::string& ring, float start, float end);
  // After a count's whole-number write-back of the unrounded value V.
  void WroteCount(const std::string& ring, float V);

  RingAnimation Ring(const char* ring) const override;
  float Freeze(const char* ring, float count) override;

 private:
  struct Entry {
    float grow_in = 0, frozen = 0, start = 0, end = 0;
  };
  std::map<std::string, Entry, std::less<>> rings_;
};

}  // namespace vermora
