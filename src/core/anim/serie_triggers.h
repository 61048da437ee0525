#pragma once

#include "params/param_reader.h"
#include "params/parameter_set.h"

namespace vermora {

// Older sets park the second-worm triggers at 5000 and 6000; an animation
// brings them to 150 and 160 in both the field and its end twin.
void NormaliseSerieTriggers(ParameterSet& set, const ParamReader& reader);

}  // namespace vermora
