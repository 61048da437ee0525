#pragma once

#include "params/parameter_set.h"
#include "variation/engine.h"

namespace vermora {

// The random engine: overwrites a fixed selection of worm and thing parameters
// with random values, chooses the worm type (or two) and the thing type from the
// Random page settings, and leaves textures, backgrounds, camera and lights alone.
// A bad integer ends the run with its error and the set unchanged.
EngineResult RunRandomEngine(ParameterSet& set, const EngineOptions& options = {});

}  // namespace vermora
