#pragma once

#include <string>

// "texture [TEX.vtr] -o OUT.inc|OUT.pov": the texture of the start state or of a
// texture file, as an include file (".inc") or as the preview scene on a sphere.
// Returns the exit status; messages go to stderr.
int TextureCommand(const std::string& texture_path, const std::string& out);
