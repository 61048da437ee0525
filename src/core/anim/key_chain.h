#pragma once

#include <vector>

#include "anim/frame_series.h"
#include "params/parameter_set.h"

namespace vermora {

// An animation through several key sets in turn: each step is the frame series
// from one key set to the next (the second-set mix and the curve as for two),
// `frames_per_step` frames each, numbered on across the steps. A step leaves
// out its last frame, which is the next step's first; the last step ends on the
// last key set, or with `loop` goes back towards the first and leaves out the
// copy of it, so a player that loops the frames shows each pose once.
// The key sets themselves are never changed.
FrameSeriesResult RunKeyChain(const std::vector<ParameterSet>& keys, int frames_per_step, bool loop,
                              const FrameSeriesSettings& settings);

// How many frames RunKeyChain renders through `key_sets` sets (the first included).
int KeyChainFrames(size_t key_sets, int frames_per_step, bool loop);

}  // namespace vermora
