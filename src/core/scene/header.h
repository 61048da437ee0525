#pragma once

#include "scene/compose_context.h"

namespace vermora {

// Version comment, global settings, include lines, camera, lights and the
// optional reference frame. The user's texts go in exactly as typed.
void WriteHeader(ComposeContext& ctx);

// The three include lines that are not empty, and the camera block; the
// preview scenes share them with the header.
void WriteIncludeLines(ComposeContext& ctx);
void WriteCamera(ComposeContext& ctx);

// Closes the placing statement the composer opened: overall texture, the
// final transformation and the shadow switch.
void WriteFinalPlacement(ComposeContext& ctx);

}  // namespace vermora
