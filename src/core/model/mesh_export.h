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

// How the file's coordinates stand: up along y (as glTF and Blender's importers
// take a file) or along z (as slicers and CAD take an STL), and the file's
// units per scene unit.
struct MeshPlacement {
  bool z_up = false;
  double scale = 1;
};

// A point (or, with `scale` 1, a direction) of POV-Ray's left-handed world in
// the file's right-handed axes: z negated, or with z up y and z swapped.
inline Vec3 InFileAxes(Vec3 p, const MeshPlacement& placement, double scale) {
  return placement.z_up ? Vec3{p.x * scale, p.z * scale, p.y * scale}
                        : Vec3{p.x * scale, p.y * scale, -p.z * scale};
}

struct MeshCounts {
  size_t objects = 0, triangles = 0, materials = 0;
  size_t parts = 0;     // nodes (objects in an OBJ) the creature's parts became
  size_t left_out = 0;  // objects a merged solid could not take (enclosing nothing)
};

// Writes the triangles of every instance of `model` in world coordinates,
// turned right-handed by negating z (so it stands as in POV-Ray's picture in a
// right-handed program such as Blender), or with z up by swapping y and z; one
// material per distinct colour and finish (glTF materials with metallic and
// roughness; OBJ with its .mtl beside it; STL has no colours, and each
// triangle its own flat normal). A glTF has a node for each of the creature's
// parts (a segment) under one for its group (a worm), as an outliner shows
// them; an OBJ an object for each part. `detail` as for UnitMesh.
Status ExportMesh(const SceneModel& model, const std::string& path, int detail,
                  MeshCounts* counts = nullptr, const MeshPlacement& placement = {});

}  // namespace vermora
