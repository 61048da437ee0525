#pragma once

#include <string>

#include "common/status.h"
#include "compose/composer.h"
#include "params/parameter_set.h"

namespace vermora {

// The background alone, as it ends every scene.
ComposeResult BackgroundText(const ParameterSet& set);

// "Export background ...": the scene header as a comment (so the include keeps
// the camera and lights it was made with), then the background text.
ComposeResult BackgroundIncludeText(const ParameterSet& set);
Status ExportBackground(const std::string& path, const ParameterSet& set);

// The scene the render command writes while the background preview flag is on:
// the gamma line, include lines, the user's camera, two fixed lights and the background; no
// creature.
ComposeResult BackgroundPreviewScene(const ParameterSet& set);
Status WriteBackgroundPreview(const std::string& path, const ParameterSet& set);

}  // namespace vermora
