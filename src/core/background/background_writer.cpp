#include "background/background_writer.h"

namespace vermora {
namespace {

// The galaxy is not among them: on its own it writes no header.
constexpr const char* kHeaderSwitches[] = {
    "chkSkyOn", "chkCL1",   "chkCL2",    "chkConstFog", "chkGF1",  "chkGF2",
    "chkGF3",   "chkSeaOn", "chkLandon", "chkHFOn",     "chkBGOn",
};

}  // namespace

void WriteBackground(ComposeContext& ctx) {
  for (const char* name : kHeaderSwitches) {
    if (ctx.params.On(name)) {
      ctx.out.Line("//----------------Background--------------------------");
      break;
    }
  }
  WriteSkyBlocks(ctx);
  WriteFogBlocks(ctx);
  WriteGroundBlocks(ctx);
  WritePictureBlock(ctx);
  WriteGalaxyBlock(ctx);
}

}  // namespace vermora
