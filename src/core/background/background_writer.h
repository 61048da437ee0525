#pragma once

#include <string>

#include "scene/compose_context.h"

namespace vermora {

// The scenery around a creature, at the end of every scene, in the background
// preview and in the background export: each block only while its switch is on.
// Field texts go in exactly as typed; nothing is read as a number.
void WriteBackground(ComposeContext& ctx);

// The blocks, each writing nothing while its switch is off.
void WriteSkyBlocks(ComposeContext& ctx);     // sky sphere, two cloud layers
void WriteFogBlocks(ComposeContext& ctx);     // constant fog, three ground fogs
void WriteGroundBlocks(ComposeContext& ctx);  // sea, land, height field
void WritePictureBlock(ComposeContext& ctx);  // picture facing the camera
void WriteGalaxyBlock(ComposeContext& ctx);   // declarations for data/galaxy.inc

// The image type lines of a height field or picture: one per extension found in
// `name` (letter case counts), tested in the order ".gif", ".tga", ".png", then
// `fourth`, which writes `fourth_line`.
void WriteImageTypeLines(SceneWriter& out, const std::string& name, const char* fourth,
                         const char* fourth_line);

}  // namespace vermora
