#pragma once

#include "params/parameter_set.h"
#include "variation/batch_run.h"

namespace vermora {

// vermora-cli batch: the batch (RunBatch) with its notes, files and progress
// said on the terminal. Returns the exit code.
int BatchCommand(const BatchSettings& args, const ParameterSet& parent, const GeneLocks& locks);

}  // namespace vermora
