#pragma once

#include <string>

#include "render/command_line.h"

namespace vermora {

// A render moved into a folder of its own. POV-Ray may write in its current
// folder, so a scene that writes files (a shared set's include line, say) must
// not run where the user's sets and working files live: the scene is copied
// alone into a fresh private folder, the renderer runs there, and the picture
// and messages are brought back to where the caller expects them. The scene's
// own folder stays on the include path, so its neighbours are still found.
struct StagedRender {
  RenderInvocation invocation;  // what to run; the invocation as given when nothing was moved
  std::string folder;           // the private folder, empty when nothing was moved
  std::string failure;          // why the folder could not be made, in the user's words
};

// REQUIRES: the scene named by the invocation's "+I" argument is written.
StagedRender StageRender(const RenderInvocation& invocation);

// Moves the picture and messages back beside the original scene, as
// `invocation` names them, and removes the private folder.
void UnstageRender(const StagedRender& staged, const RenderInvocation& invocation);

}  // namespace vermora
