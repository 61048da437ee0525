#pragma once

#include <string>

#include "common/status.h"
#include "model/mesh_export.h"
#include "model/scene_model.h"

namespace vermora {

// Writes the creature as one closed solid for a 3-D printer, an STL at `path`:
// the surfaces of all objects merged where they overlap, so no wall lies
// inside another and the file is watertight. Objects that enclose nothing (a
// flat box, a torus that crosses itself) are left out and counted in
// `counts->left_out`. Slower than ExportMesh by far: seconds for a creature of
// some hundred objects.
Status ExportUnionStl(const SceneModel& model, const std::string& path, int detail,
                      MeshCounts* counts = nullptr, const MeshPlacement& placement = {});

}  // namespace vermora
