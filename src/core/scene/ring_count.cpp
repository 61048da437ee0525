#include "scene/ring_count.h"

#include "scene/bounded_count.h"

namespace vermora {

RingCount ReadGrowingCount(ComposeContext& ctx, const char* param, const char* what) {
  RingCount ring;
  ring.count = ctx.params.Number(param);
  ring.grow_in = ctx.animation.Ring(param).grow_in;
  if (ring.grow_in != 0) ring.count += 1;
  ring.divisor = ring.count;
  ring.last = BoundedCount(ctx, ring.count, what);
  return ring;
}

RingCount ReadRingCount(ComposeContext& ctx, const char* param, const char* what) {
  RingCount ring = ReadGrowingCount(ctx, param, what);
  const RingAnimation anim = ctx.animation.Ring(param);
  if (anim.start_count != anim.end_count) ring.divisor = ctx.animation.Freeze(param, ring.count);
  return ring;
}

}  // namespace vermora
