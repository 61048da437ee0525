#pragma once

#include <initializer_list>
#include <string>

#include "params/param_reader.h"
#include "scene/scene_writer.h"

namespace vermora {

// Fixed lines of a background block, one after the other.
inline void Lines(SceneWriter& out, std::initializer_list<const char*> lines) {
  for (const char* line : lines) out.Line(line);
}

}  // namespace vermora
