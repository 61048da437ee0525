#include <string>

#include "background/background_writer.h"
#include "background/block_lines.h"

namespace vermora {
namespace {

void SkySphere(ComposeContext& ctx) {
  const ParamReader& p = ctx.params;
  SceneWriter& out = ctx.out;
  Lines(out, {"sky_sphere {", "  pigment {", "   gradient y"});
  out.Line("     color_map { [0 color rgb <" + p.Text("edSC1R") + ", " + p.Text("edSC1G") + ", " +
           p.Text("edSC1B") + "> ]");
  out.Line("                 [1 color rgb <" + p.Text("edSC2R") + ", " + p.Text("edSC2G") + ", " +
           p.Text("edSC2B") + "> ]");
  Lines(out, {"     }", "  }", "  pigment {  // high stratus clouds", "    wrinkles"});
  out.Line("      turbulence " + p.Text("edSkyTurb"));
  Lines(out,
        {"      octaves 6", "      lambda 5", "      omega .3", "    color_map {",
         "      [0 color rgbt <1, 1, 1, 1>]", "      [.5 color rgbt <.98, .99, .99, .8>]",
         "      [1 color rgbt <1, 1, 1, 1>]", "    }", "    scale <.8, .1, .8>", "  }", " }", " "});
}

void CloudLayer1(ComposeContext& ctx) {
  const ParamReader& p = ctx.params;
  SceneWriter& out = ctx.out;
  Lines(out, {"plane {y, 900   // cloud layer 1", "  texture {", "    pigment { bozo"});
  out.Line("              turbulence " + p.Text("edCL1Turb"));
  Lines(out, {"               omega .7", "               color_map {"});
  const std::string rgb = p.Text("edCL1R") + ", " + p.Text("edCL1G") + ", " + p.Text("edCL1B");
  out.Line("                 [0 color rgbt <" + rgb + ", 1> ]");
  out.Line("                 [.5 color rgbt <" + rgb + ", .6> ]");
  out.Line("                 [1 color rgbt <" + rgb + ", .2> ]");
  Lines(out, {"               }", "    }", "    finish {ambient 1 diffuse .5}"});
  out.Line("    scale 3000*" + p.Text("edCloudScale"));
  Lines(out, {"    translate <-500, 900, -10000>", "   }"});
  out.Line("   rotate y*" + p.Text("edCloudRot1"));
  Lines(out, {"   hollow", "}", " "});
}

void CloudLayer2(ComposeContext& ctx) {
  const ParamReader& p = ctx.params;
  SceneWriter& out = ctx.out;
  Lines(out, {"plane {-y, -1200  // cloud layer 2", "  texture {", "    pigment { bozo"});
  out.Line("               turbulence " + p.Text("edCL2Turb"));
  Lines(out, {"               omega .7", "               color_map {",
              "                 [0 color rgbt <1, .8, .8, 1>]",
              "                 [.5 color rgbt <1, .8, .8, .6>]",
              "                 [1 color rgbt <1, .9, .9, .2>]", "               }", "    }",
              "    finish {ambient 1 diffuse .3}"});
  out.Line("    scale 3000*" + p.Text("edCloudScale"));
  Lines(out, {"    translate <1500, 900, -2000>", "   }"});
  out.Line("   rotate y*" + p.Text("edCloudRot2"));
  Lines(out, {"   hollow", "}", " "});
}

struct GroundFog {
  const char* on;
  const char *r, *g, *b, *t;
  const char* own[4];  // the layer's own lines; unused slots null
};

void GroundFogLayer(ComposeContext& ctx, const GroundFog& fog) {
  const ParamReader& p = ctx.params;
  SceneWriter& out = ctx.out;
  Lines(out, {"fog {", "distance 2000"});
  out.Line(" color rgbt < " + p.Text(fog.r) + ", " + p.Text(fog.g) + ", " + p.Text(fog.b) + ", " +
           p.Text(fog.t) + ">");
  out.Line("fog_type 2");
  for (const char* line : fog.own) {
    if (line) out.Line(line);
  }
  Lines(out, {"}", " "});
}

}  // namespace

void WriteSkyBlocks(ComposeContext& ctx) {
  if (ctx.params.On("chkSkyOn")) SkySphere(ctx);
  if (ctx.params.On("chkCL1")) CloudLayer1(ctx);
  if (ctx.params.On("chkCL2")) CloudLayer2(ctx);
}

void WriteFogBlocks(ComposeContext& ctx) {
  const ParamReader& p = ctx.params;
  if (p.On("chkConstFog")) {
    ctx.out.Line("fog {");
    ctx.out.Line(" distance " + p.Text("edCFDist"));
    ctx.out.Line(" turbulence " + p.Text("edCFTurb"));
    ctx.out.Line(" color rgbt <" + p.Text("edCFR") + ", " + p.Text("edCFG") + ", " +
                 p.Text("edCFB") + ", " + p.Text("edCFT") + ">");
    Lines(ctx.out, {"}", " "});
  }
  static const GroundFog kLayers[] = {
      {"chkGF1", "edGF1R", "edGF1G", "edGF1B", "edGF1T", {"fog_offset 10", "fog_alt 2"}},
      {"chkGF2",
       "edGF2R",
       "edGF2G",
       "edGF2B",
       "edGF2T",
       {"fog_offset 15", "fog_alt 4", "turbulence 0.2", "turb_depth 0.2"}},
      {"chkGF3",
       "edGF3R",
       "edGF3G",
       "edGF3B",
       "edGF3T",
       {"fog_offset 25", "fog_alt 1", "turbulence 0.1", "turb_depth 0.2"}},
  };
  for (const GroundFog& fog : kLayers) {
    if (p.On(fog.on)) GroundFogLayer(ctx, fog);
  }
}

}  // namespace vermora
