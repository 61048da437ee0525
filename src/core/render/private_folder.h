#pragma once

#include <string>

#include "render/command_line.h"
#include "render/sandbox.h"

namespace vermora {

// A render moved into a folder of its own. A scene may come from someone else,
// so it must not run where the user's sets and working files live: the scene is
// copied alone into a fresh private folder, the renderer runs there inside the
// sandbox (see sandbox.h), and the picture and messages are brought back to
// where the caller expects them. The pictures the scene names by file are
// shared with it read-only.
struct StagedRender {
  RenderInvocation invocation;  // what to run; the invocation as given when nothing was moved
  std::string folder;           // the private folder's root, empty when nothing was moved
  SandboxRoom room;             // where the run may read and write
  std::string failure;          // why the folder could not be made, in the user's words
};

// REQUIRES: the scene named by the invocation's "+I" argument is written.
StagedRender StageRender(const RenderInvocation& invocation);

// The call that runs a staged render: the sandbox around the renderer.
SandboxedCall StagedCall(const StagedRender& staged);

// Moves the picture and messages back beside the original scene, as
// `invocation` names them, and removes the private folder.
void UnstageRender(const StagedRender& staged, const RenderInvocation& invocation);

// The picture files a scene names in its strings ("hill.tga", "/maps/sky.png")
// that exist, relative names taken from `folder`: what the sandbox shares.
std::vector<std::string> PicturesNamedIn(const std::string& scene_path, const std::string& folder);

}  // namespace vermora
