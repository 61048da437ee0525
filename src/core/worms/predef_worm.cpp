#include "worms/predef_worm.h"

#include "worms/pasted_placement.h"

namespace vermora {
namespace {

void WriteSingleObject(ComposeContext& ctx, const char* head, const char* object, const char* head2,
                       const char* texture) {
  ctx.out.Line(head + ctx.TypedObject(object));
  ctx.out.Line(head2 + ctx.params.Text(texture));
  WritePastedPlacement(ctx);
  ctx.out.Line(" }");
  ctx.out.Line(" ");
}

}  // namespace

void WritePredefWorm(ComposeContext& ctx) {
  WriteSingleObject(ctx, "#declare Predef = ", "EdPWN", "#declare PWorm = object { Predef ",
                    "edPWNTexture");
}

void WriteWormPredef(ComposeContext& ctx) {
  WriteSingleObject(ctx, "#declare WormPred = ", "EdWPN", "#declare SPWorm = object { WormPred ",
                    "edWPNTexture");
}

}  // namespace vermora
