#pragma once

#include "scene/compose_context.h"

namespace vermora {

// The member count of one ring (branch, base, top, arms, tentacles) with what a
// running frame series adds to it.
struct RingCount {
  float count = 0;    // one higher while the next member grows in
  float grow_in = 0;  // extra scale of the last member; 0 when none grows in
  float divisor = 0;  // what the spread angle is divided by
  float last = 0;     // the count bounded against runaway values; loops stop here
};

// `param` holds the count; it also names the ring to the animation inputs.
// While the start and end sets differ in this count the spread is divided by
// the count frozen at first use, so members do not jump between frames.
// `what` names the members in the warning when the count is cut.
RingCount ReadRingCount(ComposeContext& ctx, const char* param, const char* what);

// A count that grows in like a ring's but keeps no frozen divisor (the
// Trilobyt's ribs, the Anemone's worms): `divisor` is the count itself.
RingCount ReadGrowingCount(ComposeContext& ctx, const char* param, const char* what);

}  // namespace vermora
