#pragma once

#include "params/parameter_set.h"
#include "variation/engine.h"

namespace vermora {

// Evolve: reloads the parent kept in "_evolve.vmx" (saving the current set there
// first when the file is missing) and adds a random, non-negative step scaled by
// `EdEvFactor` to the worm parameters (`ChkEvWorm`), the thing parameters
// (`ChkEvThing`) and the thing post-processing. Switches, choices and texts keep
// the parent's values; neutral transforms stay neutral.
EngineResult RunEvolve(ParameterSet& set, const EngineOptions& options = {});

}  // namespace vermora
