#pragma once

#include "worms/spiral_state.h"

namespace vermora {

// The attachments of the SpiralWorm, each called at a fixed point of its
// generator, of a level, or of one path step.
void WriteAttachmentDeclarations(SpiralRun& run);  // TopHart, PredBranch, ... HelixObj
void WriteBranchDeclaration(SpiralRun& run);       // Branch<n>, before a level in branch mode
void PlaceBranches(SpiralRun& run);                // a step's start, branch mode only
void UpdateBubbles(SpiralRun& run);                // after the shrink; sets in_bubble
bool HuskApplies(const SpiralRun& run);            // as a segment is written
void WriteHelixObjects(SpiralRun& run);            // after the step's segments
void AdvanceHelix(SpiralRun& run);                 // with the heading's turn
void RememberBubbles(SpiralRun& run);              // a step's end, with the other previous values
void WriteBaseRing(SpiralRun& run);
void WriteTopStacks(SpiralRun& run);
void WriteTopHeart(SpiralRun& run);

}  // namespace vermora
