#pragma once

#include <string>
#include <vector>

#include "common/random.h"
#include "params/param_reader.h"
#include "scene/animation_inputs.h"
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
  AnimationInputs& animation;
  bool pov31 = true;  // off only while the POV-Ray 2.2 export writes
  int alternation = 1;
  // Whether any alternation switch is on; read once when the scene starts.
  bool alternation_switch = false;

  // Switches a generator turned off in the design; the set is read-only while
  // the scene is written, so the caller applies them afterwards.
  std::vector<std::string> switched_off = {};

  // Flips the alternation state when any alternation switch is on.
  void ToggleAlternation() {
    if (alternation_switch) alternation = alternation == 1 ? 2 : 1;
  }
  static bool AnyAlternationSwitch(const ParamReader& params);

  // The object texts of every declaration written so far, joined; the object
  // library declares each predefined object they name.
  std::string objects_named = {};

  // The object text the user typed in `field`, noted for the object library.
  const std::string& TypedObject(const char* field);
  // "#declare <name> =  " with the object text the user typed in `field`, then
  // a blank line.
  void DeclareTyped(const char* name, const char* field);
};

}  // namespace vermora
