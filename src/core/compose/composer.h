#pragma once

#include <string>
#include <vector>

#include "common/file_io.h"
#include "common/random.h"
#include "common/status.h"
#include "params/parameter_set.h"
#include "scene/animation_inputs.h"
#include "scene/scene_writer.h"

namespace vermora {

// What a compose hands back: the scene text, the warnings to show, and a
// failure (a bad integer ends the scene where it stood).
struct [[nodiscard]] ComposeResult {
  Status status = Status::Ok();
  std::string scene;
  std::vector<std::string> warnings;
  // Switches the scene turned off in the design (the Trilobyt without twisting
  // turns "ChkARot" off). The set is read-only while composing; the caller
  // applies them, as ApplySwitchesTurnedOff does, so later scenes see them.
  std::vector<std::string> switched_off;
};

void ApplySwitchesTurnedOff(const std::vector<std::string>& switched_off, ParameterSet& set);

struct ComposeOptions {
  bool pov31 = true;
  Random* random = nullptr;              // the program's generator; a private one when null
  const Clock* clock = nullptr;          // the system clock when null
  AnimationInputs* animation = nullptr;  // no series running when null
  size_t max_scene_bytes = SceneWriter::kDefaultLimit;
};

// Writes the whole creature scene in its fixed order: header, object library,
// segment declarations, worms, Worm1/Worm2, things, placements, background.
ComposeResult ComposeScene(const ParameterSet& set, const ComposeOptions& options = {});

// Composes and writes the scene to `path`, replacing the file there. On a failure
// what was composed is still written, as far as it went. `switched_off`
// receives the switches to turn off in the design (see ComposeResult). A scene
// to render is made again for every render (`use`); an export is kept.
Status ComposeSceneToFile(const ParameterSet& set, const std::string& path,
                          std::vector<std::string>* warnings = nullptr,
                          const ComposeOptions& options = {},
                          std::vector<std::string>* switched_off = nullptr,
                          FileUse use = FileUse::kRemade);

// "Export for POV-Ray 3.1" / "2.2" once the user chose `path`. The 2.2 export
// is refused (nothing written) while a macro would be needed.
// `clock` fixes the clock a scene's clock seeds read (the system's when null).
Status ExportScene(const ParameterSet& set, const std::string& path, bool pov31,
                   std::vector<std::string>* warnings = nullptr,
                   std::vector<std::string>* switched_off = nullptr, const Clock* clock = nullptr);

// The POV-Ray 2.2 export's refusal, or an empty text when it may go on.
std::string Pov22Refusal(const ParameterSet& set);

}  // namespace vermora
