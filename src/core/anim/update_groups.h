#pragma once

#include "params/animated_params.h"
#include "params/parameter_set.h"

namespace vermora {

// Whether a group of animated parameters moves in this frame's update; a worm
// group moves when either worm choice names that worm.
bool GroupApplies(AnimGroup group, const ParameterSet& set);

}  // namespace vermora
