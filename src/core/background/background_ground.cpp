#include <string>

#include "background/background_writer.h"
#include "background/block_lines.h"

namespace vermora {
namespace {

void Sea(ComposeContext& ctx) {
  const ParamReader& p = ctx.params;
  SceneWriter& out = ctx.out;
  out.Line("plane { y, " + p.Text("edSeaLevel"));
  out.Line("   texture {");
  out.Line("    pigment {color rgb <" + p.Text("edSPR") + ", " + p.Text("edSPG") + ", " +
           p.Text("edSPB") + "> }");
  Lines(out, {"    finish {", "       ambient 0.15", "       brilliance 5", "       diffuse 0.6",
              "       metallic", "       specular 0.80", "       roughness 1/100",
              "       reflection 0.65", "      }", "    normal {"});
  out.Line("       waves " + p.Text("edWaveHeight"));
  out.Line("       frequency " + p.Text("edWaveFreq"));
  out.Line("       phase " + p.Text("edWavePhase"));
  out.Line("       scale " + p.Text("edWaveScale"));
  Lines(out, {"      }", "   }", "    hollow", "}", " "});
}

void Land(ComposeContext& ctx) {
  ctx.out.Line("plane { y, " + ctx.params.Text("edLHeight"));
  ctx.out.Line(" " + ctx.params.Text("edLandTex"));
  Lines(ctx.out, {"hollow", "}", " "});
}

void HeightField(ComposeContext& ctx) {
  const ParamReader& p = ctx.params;
  SceneWriter& out = ctx.out;
  const std::string& name = PictureFile(p, "edHFName", "The height field", "Backgrd/Land");
  out.Line("height_field {");
  WriteImageTypeLines(out, name, ".pot", "    pot");
  out.Line("    \"" + name + "\"");
  // POV-Ray 3.7 takes the height field's own modifiers only before its texture.
  if (p.On("chkSmooth")) out.Line("    smooth");
  out.Line("    " + p.Text("edHFTex"));
  out.Line("  translate <-0.5, 0, -0.5>");
  out.Line("  scale <" + p.Text("edHFXScale") + ", " + p.Text("edHFYScale") + ", " +
           p.Text("edHFZScale") + ">");
  if (p.On("chkRandRot")) {
    // POV-Ray draws the angle from the seed, so one seed always gives one rotation.
    out.Line("   #declare TSeed = " + p.Text("edRandRot") + " ;");
    out.Line("   #declare TS = seed(TSeed) ;");
    out.Line("  rotate <0,int(rand(TS)*360),0>");
  }
  out.Line("  translate <0, " + p.Text("edHFHeight") + ", 0>");
  Lines(out, {"}", " "});
}

}  // namespace

void WriteImageTypeLines(SceneWriter& out, const std::string& name, const char* fourth,
                         const char* fourth_line) {
  // Each test on its own: a name holding two extensions writes two type lines.
  if (name.find(".gif") != std::string::npos) out.Line("    gif");
  if (name.find(".tga") != std::string::npos) out.Line("    tga");
  if (name.find(".png") != std::string::npos) out.Line("    png");
  if (name.find(fourth) != std::string::npos) out.Line(fourth_line);
}

void WriteGroundBlocks(ComposeContext& ctx) {
  if (ctx.params.On("chkSeaOn")) Sea(ctx);
  if (ctx.params.On("chkLandon")) Land(ctx);
  if (ctx.params.On("chkHFOn")) HeightField(ctx);
}

}  // namespace vermora
