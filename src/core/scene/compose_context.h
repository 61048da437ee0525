#pragma once

#include "anim/animation_inputs.h"
#include "common/random.h"
#include "params/param_reader.h"
#include "scene/scene_writer.h"

namespace vermora {

// Everything a generator may use while one scene is written: the parameters,
// the open scene text, the dialect, and the two documented pieces of shared
// state (the alternation state and the random generator).
struct ComposeContext {
  ParamReader params;
  SceneWriter& out;
  Random& random;
  const Clock& clock;
  const AnimationInputs& animation;
  bool pov31 = true;  // off only while the POV-Ray 2.2 export writes
  int alternation = 1;

  // Flips the alternation state when any alternation switch is on.
  void ToggleAlternation();
};

}  // namespace vermora
