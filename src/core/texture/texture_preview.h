#pragma once

#include <functional>
#include <string>

#include "common/status.h"
#include "params/parameter_set.h"
#include "texture/texture_page.h"

namespace vermora {

// The object the texture preview is rendered on ("TextPreview as").
enum class PreviewShape { kSphere, kBox, kPlane };

// The preview scene: the gamma setting POV-Ray 3.7 expects, include lines, the camera of the camera
// fields, four lights and the chosen object wearing editTexPrev. Lines end in CR LF.
std::string TexturePreviewScene(const ParameterSet& set, PreviewShape shape);

// Renders `scene` as the render command does; the preview waits for it.
using PreviewRender = std::function<Status(const std::string& scene)>;

// The texture preview: sets the preview camera, builds the texture into
// editTexPrev, hands the preview scene to `render`, and puts the twelve camera
// fields back as they were, whether the build or the render failed or not.
Status RunTexturePreview(ParameterSet& set, TexturePage& page, PreviewShape shape,
                         const PreviewRender& render);

}  // namespace vermora
