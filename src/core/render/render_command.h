#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/status.h"
#include "compose/composer.h"
#include "params/parameter_set.h"
#include "render/command_line.h"
#include "render/renderer.h"
#include "render/row_bands.h"

namespace vermora {

// Where and with what one render of the current set runs.
struct RenderSetup {
  std::string povray_path;
  std::string folder;                     // the program folder, ending in "/"
  std::vector<std::string> include_dirs;  // passed with +L
  std::string image_name = "TEMP.BMP";    // "TEMP.png" asks for a PNG
  std::string messages_name = "ALLTEXT.OUT";
  RowBand rows;  // a band of the picture, or the whole
  RenderShare share;
  ComposeOptions compose;
};

// A render made ready to start: the scene is written, the command line built.
struct [[nodiscard]] PreparedRender {
  Status status = Status::Ok();  // a compose failure, for the error box
  std::string renderer_problem;  // a missing or unusable renderer, in the user's words
  std::vector<std::string> warnings;
  std::vector<std::string> switched_off;  // switches the scene turned off in the design
  std::string command_line;               // the fixed command line, as the user would see it
  RenderInvocation invocation;

  bool ready() const { return status.ok() && renderer_problem.empty(); }
};

// Removes the previous picture and messages (any spelling), writes TEMP.POV in the
// folder and builds the command line. The scene is written even when the renderer
// cannot run, so the user can still look at it.
PreparedRender PrepareRender(const ParameterSet& set, const RenderSetup& setup);
// The same for a scene made elsewhere (the texture and background previews):
// `scene` is written as TEMP.POV in place of the creature.
PreparedRender PrepareRender(const std::string& scene, const ParameterSet& set,
                             const RenderSetup& setup);

// Prepares and runs the renderer to its end on this thread.
RenderOutcome RenderScene(const ParameterSet& set, const RenderSetup& setup,
                          int timeout_seconds = 0, PreparedRender* prepared = nullptr);

// The percentage of the last progress line ("Rendered 1024 of 34067 pixels (3%)")
// in what the renderer printed so far, or -1 before the first one.
int RenderProgressPercent(std::string_view output);

// The messages split into lines, without line ends.
std::vector<std::string> MessageLines(const std::string& messages);

// Index of the first line holding an error, or -1.
int FirstErrorLine(const std::vector<std::string>& lines);

}  // namespace vermora
