#pragma once

#include <cstddef>
#include <string>

#include "common/status.h"
#include "model/scene_model.h"

namespace vermora {

enum class MeshFormat { kGlb, kObj, kStl };

// The format a file name asks for by its extension (.glb, .obj, .stl, any
// letter case); false for another.
bool MeshFormatFor(const std::string& path, MeshFormat& format);

// Segments around a primitive when none is asked for: fewer as the scene grows,
// so a scene of 100,000 objects stays a file of some tens of megabytes.
int DefaultMeshDetail(size_t instances);

// The triangles ExportMesh writes for `model` at `detail`.
size_t MeshTriangles(const SceneModel& model, int detail);

struct MeshCounts {
  size_t objects = 0, triangles = 0, materials = 0;
};

// Writes the triangles of every instance of `model` in world coordinates,
// turned right-handed by negating z (so it stands as in POV-Ray's picture in a
// right-handed program such as Blender), one material per distinct colour
// (glTF materials; OBJ with its .mtl beside it; STL has no colours).
// `detail` as for UnitMesh.
Status ExportMesh(const SceneModel& model, const std::string& path, int detail,
                  MeshCounts* counts = nullptr);

}  // namespace vermora
