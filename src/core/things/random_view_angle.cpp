#include "things/random_view_angle.h"

#include "scene/fixed.h"

namespace vermora {

void RandomViewAngle(ParameterSet& set, Random& random, const Clock& clock) {
  random.ReseedFromClock(clock);
  for (const char* name : {"EdTPostRotateX", "EdTPostRotateY", "EdTPostRotateZ"}) {
    set.SetText(name, Fixed(random.Next() * 360, 4, 0));
  }
}

}  // namespace vermora
