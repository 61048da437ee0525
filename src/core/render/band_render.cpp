#include "render/band_render.h"

#include "common/file_io.h"
#include "params/working_files.h"

namespace vermora {

PreparedBands PrepareBands(const ParameterSet& set, const RenderSetup& setup, int parts) {
  PreparedBands out;
  if (std::string problem = PictureSizeProblem(set); !problem.empty()) {
    out.status = Status::Error(problem);
    return out;
  }
  out.bands = SplitIntoBands(std::stoi(set.Text("edImageH")), parts);
  std::string scene;
  for (size_t i = 0; i < out.bands.size(); ++i) {
    RenderSetup band = setup;
    const std::string name = "part" + std::to_string(i + 1);
    band.image_name = name + ".png";
    band.messages_name = name + ".out";
    band.rows = out.bands[i];
    // The scene is composed once; the other bands write the same text again.
    PreparedRender prepared = i == 0 ? PrepareRender(set, band) : PrepareRender(scene, set, band);
    if (i == 0) {
      out.warnings = prepared.warnings;
      if (prepared.status.ok()) prepared.status = ReadWholeFile(setup.folder + kSceneFile, scene);
    }
    out.status = prepared.status;
    out.renderer_problem = prepared.renderer_problem;
    if (!out.ready()) return out;
    out.names.push_back(name);
    out.jobs.push_back(std::move(prepared.invocation));
  }
  return out;
}

}  // namespace vermora
