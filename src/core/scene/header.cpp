#include "scene/header.h"

#include <string>

namespace vermora {
namespace {

void Light(ComposeContext& ctx, const char* r, const char* g, const char* b, const char* x,
           const char* y, const char* z) {
  const ParamReader& p = ctx.params;
  ctx.out.Line("light_source {0*x color red " + p.Text(r) + " green " + p.Text(g) + " blue " +
               p.Text(b) + " translate <" + Triple(p, x, y, z) + ">}");
}

}  // namespace

void WriteIncludeLines(ComposeContext& ctx) {
  for (const char* inc : {"EdInc1", "EdInc2", "EdInc3"}) {
    if (!ctx.params.Text(inc).empty()) ctx.out.Line(ctx.params.Text(inc));
  }
}

void WriteCamera(ComposeContext& ctx) {
  const ParamReader& p = ctx.params;
  SceneWriter& out = ctx.out;
  out.Line("camera { ");
  out.Line("  location <" + Triple(p, "edCamLocX", "edCamLocY", "edCamLocZ") + ">");
  out.Line("  direction <" + Triple(p, "edCamDirX", "edCamDirY", "edCamDirZ") + ">");
  out.Line("  right <" + Triple(p, "edCamRX", "edCamRY", "edCamRZ") + ">");
  out.Line("  look_at <" + Triple(p, "edCamLookX", "edCamLookY", "edCamLookZ") + ">");
  out.Line("}");
}

void WriteHeader(ComposeContext& ctx) {
  SceneWriter& out = ctx.out;
  const ParamReader& p = ctx.params;
  if (ctx.pov31) {
    out.Line("// File : VERSION31.POV created by VERMORA v.0.99g ----------");
    out.Line("global_settings {assumed_gamma 2.2}");
  } else {
    out.Line("// File : VERSION22.POV created by VERMORA v.0.99g ----------");
  }
  out.Line(" ");
  WriteIncludeLines(ctx);
  out.Line(" ");
  if (!ctx.pov31) {
    out.Line("light_source {0*x color red 1 green 1 blue 1 translate <-20, -20, 30>}");
    out.Line("light_source {0*x color red 0.6 green 0.6 blue 0.6 translate <30, -20, -30>}");
  } else {
    WriteCamera(ctx);
    out.Line(" ");
    if (p.On("chkL_1")) Light(ctx, "edL_1R", "edL_1G", "edL_1B", "edL_1X", "edL_1Y", "edL_1Z");
    if (p.On("chkL_2")) Light(ctx, "edL_2R", "edL_2G", "edL_2B", "edL_2X", "edL_2Y", "edL_2Z");
    if (p.On("chkReference")) {
      for (const char* line : {
               "union {  // Reference",
               "  box { <-3, -.05, -.05>, < 3,  .05,  .05>}",
               "  box { <-.05, -3, -.05>, < .05,  3,  .05>}",
               "  box { <-.05, -.05, -3>, < .05,  .05,  3>}",
               "  pigment {color red 0 green 0 blue 1}  no_shadow }",
               "union {",
               "  box {<-1.05, -1, - .05>,<-.95, 1, .05>}",
               "  box {<-1, -1.05, - .05>,<1, -.95, .05>}",
               "  box {<.95, -1, - .05>,<1.05, 1, .05>}",
               "  box {<-1, .95, - .05>,<1, 1.05, .05>}",
               "  pigment {color red 1 green 0 blue 0} no_shadow }",
               " ",
           }) {
        out.Line(line);
      }
    }
  }
  out.Line(" ");
}

void WriteFinalPlacement(ComposeContext& ctx) {
  SceneWriter& out = ctx.out;
  const ParamReader& p = ctx.params;
  if (p.On("ChkTextureOverThing")) out.Line("  ", p.Text("EdThingTexture"));
  out.Line("  scale <" + Triple(p, "EdTPostScaleX", "EdTPostScaleY", "EdTPostScaleZ") + ">");
  out.Line("  rotate <" + Triple(p, "EdTPostRotateX", "EdTPostRotateY", "EdTPostRotateZ") + ">");
  if (!ctx.pov31) out.Line("  rotate <-90, 0, 0> // for handedness ");
  out.Line("  translate <" +
           Triple(p, "EdTPostTranslateX", "EdTPostTranslateY", "EdTPostTranslateZ") + ">");
  if (p.On("chkNoShadow")) out.Line("  no_shadow");
  out.Line(" }");
  out.Line(" ");
}

}  // namespace vermora
