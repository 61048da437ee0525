#pragma once

#include "variation/steps.h"

namespace vermora {

// Which engine runs the step list. Evolve and Mutate take the same steps in the
// same draw order; where they part, the list says so at that step: Mutate also
// flips switches, takes a few wider or other steps, and when `large` (a factor
// above 4) turns attachments on or off and draws objects from the tanks.
struct StepEngine {
  bool mutate = false;
  bool large = false;  // Mutate only
};

// The steps of the worm parameters, then those of the thing parameters.
void WormSteps(Steps& s, const StepEngine& engine);
void ThingSteps(Steps& s, const StepEngine& engine);
// The thing post-processing steps, run whatever the engine's switches: scales
// off 1, rotations and translations off 0 move.
void ThingPostSteps(Steps& s, const StepEngine& engine);

}  // namespace vermora
