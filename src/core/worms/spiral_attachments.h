#pragma once

#include "worms/spiral_state.h"

namespace vermora {

// The attachments of the SpiralWorm, each a step of its generator or level
// writer at a fixed point.
void WriteAttachmentDeclarations(SpiralRun& run);  // TopHart, PredBranch, ... HelixObj
void WriteBranchDeclaration(SpiralRun& run);       // Branch<n>, branch mode only
void PlaceBranches(SpiralRun& run);                // path step 1, branch mode only
void UpdateBubbles(SpiralRun& run);                // path step 3; sets in_bubble
bool HuskApplies(const SpiralRun& run);            // at emission
void WriteHelixObjects(SpiralRun& run);            // path step 12
void AdvanceHelix(SpiralRun& run);                 // path step 13
void RememberBubbles(SpiralRun& run);              // path step 14
void WriteBaseRing(SpiralRun& run);
void WriteTopStacks(SpiralRun& run);
void WriteTopHeart(SpiralRun& run);

}  // namespace vermora
