#pragma once

#include "params/parameter_set.h"
#include "variation/engine.h"

namespace vermora {

// Mutate: like Evolve, from the parent kept in "_mutate.vmx", with the factor
// `EdMutFactor`; it also flips a set of switches, and above a factor of 4 turns
// attachments on or off and swaps segment and attachment objects for texts
// drawn from the nine tanks `EdTank1` to `EdTank9`.
EngineResult RunMutate(ParameterSet& set, const EngineOptions& options = {});

}  // namespace vermora
