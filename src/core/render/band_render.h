#pragma once

#include <string>
#include <vector>

#include "common/status.h"
#include "params/parameter_set.h"
#include "render/render_command.h"
#include "render/row_bands.h"

namespace vermora {

// A still split into bands of rows, every band a renderer call of its own on
// the one scene, so the bands can render side by side or on other hosts.
struct [[nodiscard]] PreparedBands {
  Status status = Status::Ok();  // a size or compose failure
  std::string renderer_problem;  // a missing or unusable renderer
  std::vector<std::string> warnings;
  std::vector<RowBand> bands;
  std::vector<std::string> names;      // "part1" ...: the band's picture is NAME.png
  std::vector<RenderInvocation> jobs;  // one a band; the picture at image_path

  bool ready() const { return status.ok() && renderer_problem.empty(); }
};

// Writes the scene of `set` once into setup.folder (as one render would) and
// builds the call of each of at most `parts` bands (see SplitIntoBands):
// pictures part1.png ... and messages part1.out ... beside the scene.
PreparedBands PrepareBands(const ParameterSet& set, const RenderSetup& setup, int parts);

}  // namespace vermora
