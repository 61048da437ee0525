#include <string>

#include "background/background_writer.h"
#include "background/block_lines.h"

namespace vermora {

// A self-lit plane far along the viewing direction, turned to face the camera
// and scaled to the view's width and height, so the picture fills the view
// behind everything else.
void WritePictureBlock(ComposeContext& ctx) {
  const ParamReader& p = ctx.params;
  if (!p.On("chkBGOn")) return;
  SceneWriter& out = ctx.out;
  const std::string& name = PictureFile(p, "edBGName", "The background picture", "Backgrd/Picture");
  Lines(out, {"#declare bg_pigment = pigment {", "  image_map", "  {"});
  // The Windows renderer's "sys" image type is its BMP; the POV-Ray we run has no
  // system type and names BMP itself.
  WriteImageTypeLines(out, name, ".bmp", "    bmp");
  out.Line("    \"" + name + "\"");
  Lines(out, {"    once", "    interpolate 2", " }", "}", " "});

  out.Line("#declare cam_loc = <" + Triple(p, "edCamLocX", "edCamLocY", "edCamLocZ") + "> ;");
  out.Line("#declare lookat = <" + Triple(p, "edCamLookX", "edCamLookY", "edCamLookZ") + "> ;");
  out.Line("#declare right_vect = <" + Triple(p, "edCamRX", "edCamRY", "edCamRZ") + "> ;");
  Lines(out, {"#declare up_vect = <0,1,0> ;", "#declare sky_vect = y ;",
              "#declare aspect_ratio = <vlength(right_vect), vlength(up_vect), 1>;"});
  out.Line("#declare bg_distance = " + p.Text("edBGDistance") + " ;");
  Lines(out, {" ",
              "#local lf_2ctr = -(cam_loc - lookat);",
              "#local CamD = vnormalize(lookat-cam_loc);",
              "#local CamR = vnormalize(vcross(sky_vect,CamD));",
              "#local CamU = vnormalize(vcross(CamD,CamR));",
              " ",
              "  plane {",
              "    <0,0,1>,0",
              "    texture {",
              "      pigment { bg_pigment }",
              "      finish { ambient 1 diffuse 0 reflection 0 phong 0 specular 0 }",
              "      translate <-0.5, -0.5, 0.0>",
              "    }",
              "    scale bg_distance*aspect_ratio",
              " ",
              "    matrix < CamR.x, CamR.y, CamR.z,",
              "             CamU.x, CamU.y, CamU.z,",
              "             CamD.x, CamD.y, CamD.z,",
              "               0,0,0 >  // no translate",
              " ",
              "    translate cam_loc + bg_distance * vnormalize(lf_2ctr) ",
              "    no_shadow hollow",
              "  }",
              " "});
}

void WriteGalaxyBlock(ComposeContext& ctx) {
  const ParamReader& p = ctx.params;
  if (!p.On("chkGalOn")) return;
  SceneWriter& out = ctx.out;
  out.Line("#declare galaxy_seed =" + p.Text("edGSeed") + ";");
  out.Line("#declare galaxy_colour = " + p.Text("edGCol") + ";");
  out.Line("#declare galaxy_colouration =" + p.Text("edGColN") + ";");
  out.Line("#declare galaxy_colour_turb =" + p.Text("edGTurb") + ";");
  out.Line("#declare galaxy_intensity =" + p.Text("edGIntens") + ";");
  out.Line("#declare galaxy_rotate =" + p.Text("edGRot") + ";");
  out.Line(std::string("#declare galaxy_bg = ") + (p.On("chkGBG") ? "on" : "off") + " ;");
  out.Line(std::string("#declare galaxy_objects = ") + (p.On("chkGObj") ? "on" : "off") + " ;");
  out.Line(std::string("#declare galaxy_starfield = ") + (p.On("chkGStarf") ? "on" : "off") + " ;");
  out.Line("#include \"galaxy.inc\"");
  out.Line(" ");
}

}  // namespace vermora
