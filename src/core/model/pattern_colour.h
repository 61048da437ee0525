#pragma once

#include <array>

#include "model/scene_model.h"

namespace vermora {

// The colour (r g b filter transmit) of `pattern` at `point` of its own space:
// its value there (as the 3-D view's shader has it, POV-Ray's pattern of that
// kind, the noise ones alike in spread but not in shape) through its colour map.
std::array<float, 5> PatternColour(const Pattern& pattern, Vec3 point);

// The mean of the pattern's colour map over its values 0 to 1, each colour
// weighed by the span of values it covers.
std::array<double, 5> MapMean(const Pattern& pattern);

}  // namespace vermora
