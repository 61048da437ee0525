#include "texture/texture_preview.h"

#include <array>

#include "scene/scene_writer.h"
#include "texture/texture_assign.h"

namespace vermora {
namespace {

constexpr std::array<const char*, 12> kCameraFields = {
    "edCamLocX", "edCamLocY", "edCamLocZ", "edCamDirX",  "edCamDirY",  "edCamDirZ",
    "edCamRX",   "edCamRY",   "edCamRZ",   "edCamLookX", "edCamLookY", "edCamLookZ"};
constexpr std::array<const char*, 12> kPreviewCamera = {"0.0", "0.0", "-30", "0.0", "0.0", "1.2",
                                                        "1.3", "0.0", "0.0", "0.0", "0.0", "0.0"};

std::string Vector(const ParameterSet& set, int first) {
  return set.Text(kCameraFields[first]) + ", " + set.Text(kCameraFields[first + 1]) + ", " +
         set.Text(kCameraFields[first + 2]);
}

}  // namespace

std::string TexturePreviewScene(const ParameterSet& set, PreviewShape shape) {
  SceneWriter out;
  // POV-Ray 3.7 reports a scene without assumed_gamma as a possible parse error,
  // which would fail every preview; the creature scene's header states it too.
  out.Line("global_settings {assumed_gamma 2.2}");
  for (const char* inc : {"EdInc1", "EdInc2", "EdInc3"}) {
    if (!set.Text(inc).empty()) out.Line(set.Text(inc));
  }
  out.Line(" ");
  out.Line("camera { ");
  out.Line("  location <" + Vector(set, 0) + ">");
  out.Line("  direction <" + Vector(set, 3) + ">");
  out.Line("  right <" + Vector(set, 6) + ">");
  out.Line("  look_at <" + Vector(set, 9) + ">");
  out.Line("}");
  out.Line(" ");
  out.Line("light_source {0*x color red 1 green 1 blue 1 translate <-10, 10, -30>}");
  out.Line("light_source {0*x color red 0.6 green 0.6 blue 0.6 translate <40, 60, -60>}");
  out.Line("light_source {0*x color red 1 green 1 blue 1 translate <-20, -20, 30>}");
  out.Line("light_source {0*x color red 0.6 green 0.6 blue 0.6 translate <30, -20, -30>}");
  out.Line(" ");
  const std::string& texture = set.Text("editTexPrev");
  switch (shape) {
    case PreviewShape::kSphere:
      out.Line("sphere { <0,0,0>, 10 " + texture + " }");
      break;
    case PreviewShape::kBox:
      out.Line("box {<-5, -5, -5>, < 5,  5,  5> " + texture + " rotate y*20 translate <0,0,-8>}");
      break;
    case PreviewShape::kPlane:
      out.Line("plane {<0, 1, 0>, -10 " + texture + " }");
      break;
  }
  return out.Take();
}

Status RunTexturePreview(ParameterSet& set, TexturePage& page, PreviewShape shape,
                         const PreviewRender& render) {
  std::array<std::string, 12> kept;
  for (size_t i = 0; i < kCameraFields.size(); ++i) {
    kept[i] = set.Text(kCameraFields[i]);
    set.SetText(kCameraFields[i], kPreviewCamera[i]);
  }
  Status status = AssignTexture(set, page, "sbTexPreview");
  if (status.ok()) status = render(TexturePreviewScene(set, shape));
  for (size_t i = 0; i < kCameraFields.size(); ++i) set.SetText(kCameraFields[i], kept[i]);
  return status;
}

}  // namespace vermora
