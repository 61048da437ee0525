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

// The picture file a block reads; a blank name would stop POV-Ray ("Cannot
// read PNG data"), so the scene is refused first, naming the field to fill.
// REQUIRES: called while composing (CommandError is caught there).
inline const std::string& PictureFile(const ParamReader& p, const char* field, const char* what,
                                      const char* page) {
  const std::string& name = p.Text(field);
  if (name.find_first_not_of(" \t") == std::string::npos) {
    throw CommandError{std::string(what) + " has no picture file: name one in " + field + " (" +
                       page + ")"};
  }
  return name;
}

}  // namespace vermora
