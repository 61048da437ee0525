#pragma once

#include "common/random.h"
#include "params/parameter_set.h"

namespace vermora {

// The "Random viewangle" command of the thing placement: re-seeds the generator
// from the clock and turns the thing to a random angle about each axis, writing
// each fraction * 360 as fixed(4,0) into EdTPostRotateX, Y and Z.
void RandomViewAngle(ParameterSet& set, Random& random, const Clock& clock);

}  // namespace vermora
