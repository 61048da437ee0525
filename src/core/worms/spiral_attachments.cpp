#include "worms/spiral_attachments.h"

// The attachments are switched off in every set this file can see: each hook
// leaves the path unchanged.
namespace vermora {

void WriteAttachmentDeclarations(SpiralRun&) {}
void WriteBranchDeclaration(SpiralRun&) {}
void PlaceBranches(SpiralRun&) {}
void UpdateBubbles(SpiralRun& run) { run.path.in_bubble = false; }
bool HuskApplies(const SpiralRun&) { return false; }
void WriteHelixObjects(SpiralRun&) {}
void AdvanceHelix(SpiralRun&) {}
void RememberBubbles(SpiralRun& run) {
  run.path.bxp = run.path.bx;
  run.path.byp = run.path.by;
  run.path.bzp = run.path.bz;
}
void WriteBaseRing(SpiralRun&) {}
void WriteTopStacks(SpiralRun&) {}
void WriteTopHeart(SpiralRun&) {}

}  // namespace vermora
