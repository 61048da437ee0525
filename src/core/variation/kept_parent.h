#pragma once

#include "variation/engine.h"

namespace vermora {

// The parent of Evolve and Mutate: when `file_name` is missing from the program
// folder the current set is saved there first; then the set is loaded from it,
// so every run starts from the same parent. A failed save or load leaves the set
// as it was.
Status StartFromKeptParent(EngineRun& run, const char* file_name);

}  // namespace vermora
