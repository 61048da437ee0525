// The creature as one printable solid: CGAL's corefinement merges the closed
// surfaces of the objects, two at a time in a balanced tree, in exact
// arithmetic (the one file of the core that uses CGAL).
#include "model/mesh_union.h"

#include <CGAL/Exact_predicates_exact_constructions_kernel.h>
#include <CGAL/Polygon_mesh_processing/bbox.h>
#include <CGAL/Polygon_mesh_processing/corefinement.h>
#include <CGAL/Polygon_mesh_processing/measure.h>
#include <CGAL/Polygon_mesh_processing/orientation.h>
#include <CGAL/Polygon_mesh_processing/self_intersections.h>
#include <CGAL/Surface_mesh.h>
#include <CGAL/boost/graph/Euler_operations.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <map>
#include <utility>
#include <vector>

#include "common/file_io.h"

namespace vermora {
namespace {

using Kernel = CGAL::Exact_predicates_exact_constructions_kernel;
using Solid = CGAL::Surface_mesh<Kernel::Point_3>;
namespace pmp = CGAL::Polygon_mesh_processing;

// A unit mesh with each position once: the seams and poles a shaded mesh keeps
// apart for their normals are one vertex, so the surface is closed.
struct WeldedUnit {
  std::vector<Vec3> points;
  std::vector<std::array<uint32_t, 3>> triangles;
};

WeldedUnit Weld(const Mesh& mesh) {
  WeldedUnit unit;
  std::map<std::array<float, 3>, uint32_t> index_of;
  std::vector<uint32_t> welded(mesh.positions.size() / 3);
  for (size_t v = 0; v < welded.size(); ++v) {
    const std::array<float, 3> p = {mesh.positions[3 * v], mesh.positions[3 * v + 1],
                                    mesh.positions[3 * v + 2]};
    auto [at, fresh] = index_of.try_emplace(p, static_cast<uint32_t>(unit.points.size()));
    if (fresh) unit.points.push_back({p[0], p[1], p[2]});
    welded[v] = at->second;
  }
  for (size_t i = 0; i + 2 < mesh.indices.size(); i += 3) {
    const std::array<uint32_t, 3> t = {welded[mesh.indices[i]], welded[mesh.indices[i + 1]],
                                       welded[mesh.indices[i + 2]]};
    if (t[0] != t[1] && t[1] != t[2] && t[0] != t[2]) unit.triangles.push_back(t);
  }
  return unit;
}

// One object's closed surface in file coordinates, facing out; false when it
// encloses nothing or crosses itself, which corefinement cannot take.
bool PlacedSolid(const WeldedUnit& unit, const Mat4& transform, const MeshPlacement& placement,
                 Solid& solid) {
  std::vector<Solid::Vertex_index> vertices;
  vertices.reserve(unit.points.size());
  for (const Vec3& p : unit.points) {
    const Vec3 q = InFileAxes(TransformPoint(transform, p), placement, placement.scale);
    if (!std::isfinite(q.x) || !std::isfinite(q.y) || !std::isfinite(q.z)) return false;
    vertices.push_back(solid.add_vertex(Kernel::Point_3(q.x, q.y, q.z)));
  }
  for (const auto& t : unit.triangles) {
    if (solid.add_face(vertices[t[0]], vertices[t[1]], vertices[t[2]]) == Solid::null_face())
      return false;
  }
  if (!CGAL::is_closed(solid) || pmp::does_self_intersect(solid)) return false;
  const Kernel::FT volume = pmp::volume(solid);
  if (volume == 0) return false;
  if (volume < 0) pmp::reverse_face_orientations(solid);
  return true;
}

// The file holds single floats: each vertex at the float nearest it. Where
// the merge cut a sliver (an edge shorter than a hundred-thousandth of the
// creature's size, far below what a printer resolves) the edge is collapsed,
// so no facet of the file is too thin to have a direction.
void RoundToFloats(Solid& solid) {
  for (Solid::Vertex_index v : solid.vertices()) {
    const Kernel::Point_3& p = solid.point(v);
    solid.point(v) = Kernel::Point_3(static_cast<float>(CGAL::to_double(p.x())),
                                     static_cast<float>(CGAL::to_double(p.y())),
                                     static_cast<float>(CGAL::to_double(p.z())));
  }
  const CGAL::Bbox_3 box = pmp::bbox(solid);
  const double size =
      std::hypot(box.xmax() - box.xmin(), box.ymax() - box.ymin(), box.zmax() - box.zmin());
  const double shortest = 1e-5 * size;
  auto length = [&](Solid::Halfedge_index h) {
    const Kernel::Point_3 &a = solid.point(solid.source(h)), &b = solid.point(solid.target(h));
    return std::hypot(CGAL::to_double(a.x()) - CGAL::to_double(b.x()),
                      CGAL::to_double(a.y()) - CGAL::to_double(b.y()),
                      CGAL::to_double(a.z()) - CGAL::to_double(b.z()));
  };
  for (bool collapsed = true; collapsed;) {
    collapsed = false;
    for (Solid::Edge_index e : solid.edges()) {
      if (solid.is_removed(e) || length(solid.halfedge(e)) >= shortest) continue;
      if (!CGAL::Euler::does_satisfy_link_condition(e, solid)) continue;
      CGAL::Euler::collapse_edge(e, solid);
      collapsed = true;
    }
  }
  solid.collect_garbage();
}

// Grows `solid` by `factor` about the middle of its box.
void Grow(Solid& solid, double factor) {
  const CGAL::Bbox_3 box = pmp::bbox(solid);
  const Kernel::Point_3 middle((box.xmin() + box.xmax()) / 2, (box.ymin() + box.ymax()) / 2,
                               (box.zmin() + box.zmax()) / 2);
  for (Solid::Vertex_index v : solid.vertices())
    solid.point(v) = middle + (solid.point(v) - middle) * factor;
}

// The union of `a` and `b` into `out`. Two solids that touch only along an
// edge or at a point have no manifold union; grown by a millionth of its size
// (far below what a printer resolves) one overlaps the other and they merge.
bool Merge(Solid& a, Solid& b, Solid& out) {
  for (const double growth : {0.0, 1e-6, 3e-6, 1e-5}) {
    if (growth > 0) {
      Solid grown = b;
      Grow(grown, 1 + growth);
      Solid copy = a;  // a failed union leaves its inputs corefined: start afresh
      if (pmp::corefine_and_compute_union(copy, grown, out)) return true;
    } else {
      Solid first = a, second = b;
      if (pmp::corefine_and_compute_union(first, second, out)) return true;
    }
    out.clear();
  }
  return false;
}

void PutFloat(std::string& out, double value) {
  const float f = static_cast<float>(value);
  char bytes[4];
  std::memcpy(bytes, &f, 4);  // STL is little-endian, as this machine
  out.append(bytes, 4);
}

void PutCount(std::string& out, uint32_t n) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((n >> shift) & 255));
}

// A binary STL of `solid`: each facet with its own normal.
std::string StlOf(const Solid& solid) {
  std::string out(80, ' ');
  out.replace(0, 20, "vermora merged solid");
  PutCount(out, static_cast<uint32_t>(solid.number_of_faces()));
  for (Solid::Face_index f : solid.faces()) {
    std::array<std::array<double, 3>, 3> corner{};
    int k = 0;
    for (Solid::Vertex_index v : solid.vertices_around_face(solid.halfedge(f))) {
      const Kernel::Point_3& p = solid.point(v);
      corner[k++] = {CGAL::to_double(p.x()), CGAL::to_double(p.y()), CGAL::to_double(p.z())};
    }
    const std::array<double, 3> a = {corner[1][0] - corner[0][0], corner[1][1] - corner[0][1],
                                     corner[1][2] - corner[0][2]};
    const std::array<double, 3> b = {corner[2][0] - corner[0][0], corner[2][1] - corner[0][1],
                                     corner[2][2] - corner[0][2]};
    std::array<double, 3> n = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2],
                               a[0] * b[1] - a[1] * b[0]};
    const double l = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    for (double& c : n) c = l > 0 ? c / l : 0;
    for (double c : n) PutFloat(out, c);
    for (const auto& p : corner) {
      for (double c : p) PutFloat(out, c);
    }
    out.append(2, '\0');
  }
  return out;
}

}  // namespace

Status ExportUnionStl(const SceneModel& model, const std::string& path, int detail,
                      MeshCounts* counts, const MeshPlacement& placement) {
  if (model.instances.empty()) return Status::Error("the scene has no objects to write");
  if (!(placement.scale > 0) || !std::isfinite(placement.scale))
    return Status::Error("the scale of a mesh must be a number above 0");
  detail = std::max(3, detail);

  std::map<std::pair<Primitive, float>, WeldedUnit> units;
  std::vector<Solid> solids;
  size_t left_out = 0;
  for (const Instance& instance : model.instances) {
    const bool shaped = instance.kind == Primitive::Cone || instance.kind == Primitive::Torus;
    const std::pair key{instance.kind, shaped ? instance.shape : 0.0f};
    auto at = units.find(key);
    if (at == units.end())
      at = units.emplace(key, Weld(UnitMesh(key.first, key.second, detail))).first;
    Solid solid;
    if (PlacedSolid(at->second, instance.transform, placement, solid)) {
      solids.push_back(std::move(solid));
    } else {
      ++left_out;
    }
  }
  if (solids.empty()) return Status::Error("no object of the scene encloses a solid");

  // Neighbours in the scene are mostly neighbours in space: merging them
  // pairwise keeps each step's overlaps small.
  while (solids.size() > 1) {
    std::vector<Solid> merged;
    merged.reserve((solids.size() + 1) / 2);
    for (size_t i = 0; i + 1 < solids.size(); i += 2) {
      Solid out;
      if (!Merge(solids[i], solids[i + 1], out))
        return Status::Error("the objects could not be merged into one solid");
      merged.push_back(std::move(out));
    }
    if (solids.size() % 2) merged.push_back(std::move(solids.back()));
    solids = std::move(merged);
  }

  Solid& solid = solids.front();
  RoundToFloats(solid);
  if (Status s = WriteFileReplacing(path, StlOf(solid)); !s.ok()) return s;
  if (counts) {
    counts->objects = model.instances.size();
    counts->triangles = solid.number_of_faces();
    counts->materials = 0;
    counts->parts = 0;
    counts->left_out = left_out;
  }
  return Status::Ok();
}

}  // namespace vermora
