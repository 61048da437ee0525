// Mesh files of the scene model, written with assimp (the one file of the core
// that uses it).
#include "model/mesh_export.h"

#include <assimp/material.h>
#include <assimp/scene.h>

#include <algorithm>
#include <assimp/Exporter.hpp>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

#include "common/file_io.h"
#include "model/pattern_colour.h"

namespace vermora {
namespace {

// What a material is made of: the colour (r g b filter), the finish's
// metallic and roughness as glTF has them, and 1 for a pattern, whose colours
// its vertices carry (the material then white, as glTF multiplies the two).
using ColourKey = std::array<float, 7>;

const Pattern* PatternOf(const Instance& instance, const SceneModel& model, bool coloured) {
  if (!coloured || instance.pattern < 0 ||
      instance.pattern >= static_cast<int>(model.patterns.size()))
    return nullptr;
  const Pattern& p = model.patterns[static_cast<size_t>(instance.pattern)];
  return p.map.empty() ? nullptr : &p;  // a picture's object keeps its colour
}

ColourKey KeyOf(const Instance& instance, bool patterned) {
  const Surface& s = instance.surface;
  // A highlight's size as a roughness: a tight one (large phong_size, small
  // roughness) is smooth; no highlight at all is matte.
  float rough = 1;
  if (s.specular > 0) {
    rough = std::sqrt(std::clamp(s.roughness, 0.0f, 1.0f));
  } else if (s.phong > 0) {
    rough = std::sqrt(2 / (std::max(s.phong_size, 0.0f) + 2));
  }
  rough = std::round(rough * 100) / 100;
  if (patterned) return {1, 1, 1, 0, std::round(s.metallic * 100) / 100, rough, 1};
  return {instance.colour[0],
          instance.colour[1],
          instance.colour[2],
          instance.colour[3],
          std::round(s.metallic * 100) / 100,
          rough,
          0};
}

// A point or direction of POV-Ray's world in the file's right-handed axes.
aiVector3D InFile(double x, double y, double z, const MeshPlacement& placement, double scale) {
  const Vec3 p = InFileAxes({x, y, z}, placement, scale);
  return aiVector3D(float(p.x), float(p.y), float(p.z));
}

// Where one colour's triangles go: straight into its assimp mesh.
struct Target {
  aiMesh* mesh = nullptr;
  unsigned vertices = 0, faces = 0;  // filled so far
};

double Det3(const Mat4& t) {
  return t(0, 0) * (t(1, 1) * t(2, 2) - t(1, 2) * t(2, 1)) -
         t(0, 1) * (t(1, 0) * t(2, 2) - t(1, 2) * t(2, 0)) +
         t(0, 2) * (t(1, 0) * t(2, 1) - t(1, 1) * t(2, 0));
}

// Adds one instance in file coordinates; `flat`, each triangle with vertices
// of its own and its face's normal.
void AddInstance(const Instance& instance, const Mesh& unit, Target& into,
                 const MeshPlacement& placement, bool flat, const Pattern* pattern) {
  const Mat4& t = instance.transform;
  const Mat4 to_pattern = pattern ? AffineInverse(instance.pattern_frame) : Mat4{};
  auto paint = [&](const Vec3& world) {
    if (!pattern) return;
    const std::array<float, 5> c = PatternColour(*pattern, TransformPoint(to_pattern, world));
    into.mesh->mColors[0][into.vertices] =
        aiColor4D(c[0], c[1], c[2], std::clamp(1 - c[3] - c[4], 0.0f, 1.0f));
  };
  // Normals go through the inverse transpose of the linear part: its cofactors
  // (the determinant's sign and size come out when normalizing and below).
  double cof[3][3];
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) {
      const int r1 = (r + 1) % 3, r2 = (r + 2) % 3, c1 = (c + 1) % 3, c2 = (c + 2) % 3;
      cof[r][c] = t(r1, c1) * t(r2, c2) - t(r1, c2) * t(r2, c1);
    }
  }
  const double det = Det3(t);
  const double sign = det < 0 ? -1 : 1;
  const unsigned first = into.vertices;
  // Negating z mirrors, as does swapping y and z, and so does a transform of
  // negative determinant: each mirror turns the winding, so with one the
  // triangles are read backwards.
  const bool reverse = det >= 0;
  if (flat) {
    for (size_t i = 0; i + 2 < unit.indices.size(); i += 3) {
      aiVector3D corner[3];
      Vec3 world[3];
      for (int k = 0; k < 3; ++k) {
        const size_t v = 3 * size_t{unit.indices[i + (reverse && k ? 3 - k : k)]};
        world[k] =
            TransformPoint(t, {unit.positions[v], unit.positions[v + 1], unit.positions[v + 2]});
        corner[k] = InFile(world[k].x, world[k].y, world[k].z, placement, placement.scale);
      }
      aiVector3D normal = (corner[1] - corner[0]) ^ (corner[2] - corner[0]);
      normal.NormalizeSafe();
      aiFace& face = into.mesh->mFaces[into.faces++];
      face.mNumIndices = 3;
      face.mIndices = new unsigned[3];
      for (int k = 0; k < 3; ++k) {
        into.mesh->mVertices[into.vertices] = corner[k];
        into.mesh->mNormals[into.vertices] = normal;
        paint(world[k]);
        face.mIndices[k] = into.vertices++;
      }
    }
    return;
  }
  for (size_t v = 0; v + 2 < unit.positions.size(); v += 3) {
    const Vec3 p =
        TransformPoint(t, {unit.positions[v], unit.positions[v + 1], unit.positions[v + 2]});
    const double nx = unit.normals[v], ny = unit.normals[v + 1], nz = unit.normals[v + 2];
    double n[3];
    for (int r = 0; r < 3; ++r) n[r] = sign * (cof[r][0] * nx + cof[r][1] * ny + cof[r][2] * nz);
    const double l = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (l > 0) {
      for (double& c : n) c /= l;
    }
    into.mesh->mVertices[into.vertices] = InFile(p.x, p.y, p.z, placement, placement.scale);
    into.mesh->mNormals[into.vertices] = InFile(n[0], n[1], n[2], placement, 1);
    paint(p);
    ++into.vertices;
  }
  for (size_t i = 0; i + 2 < unit.indices.size(); i += 3) {
    aiFace& face = into.mesh->mFaces[into.faces++];
    face.mNumIndices = 3;
    face.mIndices =
        new unsigned[3]{first + unit.indices[i], first + unit.indices[i + (reverse ? 2 : 1)],
                        first + unit.indices[i + (reverse ? 1 : 2)]};
  }
}

std::string MaterialName(const ColourKey& c) {
  char name[96];
  if (c[6] > 0) {
    std::snprintf(name, sizeof name, "pattern_%02d%s", static_cast<int>(std::lround(c[5] * 99)),
                  c[4] > 0 ? "_metal" : "");
    return name;
  }
  std::snprintf(name, sizeof name, "colour_%02x%02x%02x_%02x%s",
                static_cast<int>(std::lround(c[0] * 255)) & 255,
                static_cast<int>(std::lround(c[1] * 255)) & 255,
                static_cast<int>(std::lround(c[2] * 255)) & 255,
                static_cast<int>(std::lround(c[3] * 255)) & 255, c[4] > 0 ? "_metal" : "");
  return name;
}

// Cones and tori have a unit mesh for each shape; the other primitives one for all.
bool ShapedUnit(Primitive kind) { return kind == Primitive::Cone || kind == Primitive::Torus; }

// The exporter declares extensions it does not use: a .glb keeps in
// "extensionsUsed" only the names its JSON names elsewhere too.
Status DropUnusedExtensions(const std::string& path) {
  std::string glb;
  if (!ReadWholeFile(path, glb).ok() || glb.size() < 20)
    return Status::Error("cannot read it back");
  auto word = [&](size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(glb[at + i]);
    return v;
  };
  const uint32_t json_size = word(12);
  if (glb.compare(0, 4, "glTF") != 0 || 20 + size_t{json_size} > glb.size())
    return Status::Error("not a glb file");
  std::string json = glb.substr(20, json_size);
  const std::string key = "\"extensionsUsed\":[";
  const size_t start = json.find(key);
  if (start == std::string::npos) return Status::Ok();
  const size_t end = json.find(']', start);
  if (end == std::string::npos) return Status::Error("its JSON is cut short");
  const std::string list = json.substr(start + key.size(), end - start - key.size());
  std::string rest = json.substr(0, start) + json.substr(end + 1);
  std::string kept;
  for (size_t at = 0; (at = list.find('"', at)) != std::string::npos;) {
    const size_t close = list.find('"', at + 1);
    if (close == std::string::npos) break;
    const std::string name = list.substr(at, close - at + 1);
    if (rest.find(name) != std::string::npos) kept += (kept.empty() ? "" : ",") + name;
    at = close + 1;
  }
  if (kept.empty()) {
    // The key goes with the comma after it (or, last of all, the one before it).
    size_t from = start, to = end + 1;
    if (to < json.size() && json[to] == ',') {
      ++to;
    } else if (from > 0 && json[from - 1] == ',') {
      --from;
    }
    json.erase(from, to - from);
  } else {
    json.replace(start + key.size(), end - start - key.size(), kept);
  }
  while (json.size() % 4) json += ' ';
  auto put = [](std::string& into, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) into[at + i] = static_cast<char>(v >> (8 * i) & 255);
  };
  std::string out = glb.substr(0, 20) + json + glb.substr(20 + json_size);
  put(out, 12, static_cast<uint32_t>(json.size()));
  put(out, 8, static_cast<uint32_t>(out.size()));
  return WriteFileReplacing(path, out);
}

// The nodes of the file: a node for each part (the innermost copy of a
// declared object, a segment), under a node for its group (the copy that
// holds it, a worm) where it has one. Past kMaxNodes parts, a node for each
// group; past kMaxNodes groups, the creature alone (node_of -1).
struct PartNodes {
  std::vector<int> node_of;        // of each instance
  std::vector<std::string> names;  // of each node holding meshes
  std::vector<int> parent;         // of each: -1, the creature; else an index of groups
  std::vector<std::string> groups;
  std::string PathOf(int node) const {  // "Worm1 3/JSegment 12"
    const int group = parent[static_cast<size_t>(node)];
    return (group >= 0 ? groups[static_cast<size_t>(group)] + "/" : "") +
           names[static_cast<size_t>(node)];
  }
};

constexpr size_t kMaxNodes = 4096;

PartNodes PlanNodes(const SceneModel& model, bool with_parts) {
  PartNodes plan;
  plan.node_of.assign(model.instances.size(), -1);
  if (!with_parts) return plan;
  // Names are spelled out for the nodes only, not for every instance.
  const auto known = [&](int label) {
    return label >= 0 && static_cast<size_t>(label) < model.parts.size();
  };
  for (const bool by_part : {true, false}) {
    std::map<std::pair<int, int>, int> leaf_of;  // (group, part) -> node
    std::map<int, int> group_of;
    PartNodes tried = plan;
    for (size_t i = 0; i < model.instances.size(); ++i) {
      const Instance& instance = model.instances[i];
      int group = instance.group, part = instance.part;
      if (group == part) group = -1;  // a part on its own, straight under the creature
      if (!by_part) {
        part = group >= 0 ? group : part;
        group = -1;
      }
      if (!known(part)) continue;
      auto [leaf, fresh] = leaf_of.try_emplace({group, part}, static_cast<int>(tried.names.size()));
      if (fresh) {
        tried.names.push_back(model.PartName(part));
        int parent = -1;
        if (known(group)) {
          auto [g, new_group] = group_of.try_emplace(group, static_cast<int>(tried.groups.size()));
          if (new_group) tried.groups.push_back(model.PartName(group));
          parent = g->second;
        }
        tried.parent.push_back(parent);
      }
      tried.node_of[i] = leaf->second;
      if (tried.names.size() > kMaxNodes) break;
    }
    if (tried.names.size() <= kMaxNodes) return tried;
  }
  return plan;
}

aiNode* BuildNodes(const PartNodes& plan, const std::vector<std::vector<unsigned>>& meshes_of) {
  auto give = [](aiNode* node, const std::vector<unsigned>& meshes) {
    node->mNumMeshes = static_cast<unsigned>(meshes.size());
    node->mMeshes = new unsigned[meshes.size()];
    std::copy(meshes.begin(), meshes.end(), node->mMeshes);
  };
  auto adopt = [](aiNode* parent, std::vector<aiNode*>& children) {
    if (children.empty()) return;
    parent->mNumChildren = static_cast<unsigned>(children.size());
    parent->mChildren = new aiNode*[children.size()];
    for (size_t i = 0; i < children.size(); ++i) {
      children[i]->mParent = parent;
      parent->mChildren[i] = children[i];
    }
  };
  auto* root = new aiNode("creature");
  give(root, meshes_of.back());
  std::vector<aiNode*> groups, top;
  std::vector<std::vector<aiNode*>> members(plan.groups.size());
  for (const std::string& name : plan.groups) {
    groups.push_back(new aiNode(name));
    top.push_back(groups.back());
  }
  for (size_t n = 0; n < plan.names.size(); ++n) {
    auto* node = new aiNode(plan.PathOf(static_cast<int>(n)));  // unique, as importers want
    give(node, meshes_of[n]);
    if (plan.parent[n] >= 0) {
      members[static_cast<size_t>(plan.parent[n])].push_back(node);
    } else {
      top.push_back(node);
    }
  }
  for (size_t g = 0; g < groups.size(); ++g) adopt(groups[g], members[g]);
  adopt(root, top);
  return root;
}

// The exporter names each mesh's faces with a group line ("g Worm1 3"): an
// object line before each new name makes every part an object of its own, as
// OBJ importers split a file; blanks in names become '_', as a group line
// would read them as several groups.
Status ObjectsOfGroups(const std::string& path) {
  std::string obj;
  if (Status s = ReadWholeFile(path, obj); !s.ok()) return s;
  std::string out, last;
  out.reserve(obj.size() + obj.size() / 64);
  for (size_t at = 0; at < obj.size();) {
    size_t end = obj.find('\n', at);
    end = end == std::string::npos ? obj.size() : end + 1;
    if (obj.compare(at, 2, "g ") == 0) {
      std::string name = obj.substr(at + 2, end - at - 2);
      while (!name.empty() && (name.back() == '\n' || name.back() == '\r')) name.pop_back();
      std::replace(name.begin(), name.end(), ' ', '_');
      if (name != last) out += "o " + name + "\n";
      out += "g " + name + "\n";
      last = name;
    } else {
      out.append(obj, at, end - at);
    }
    at = end;
  }
  return WriteFileReplacing(path, out);
}

}  // namespace

bool MeshFormatFor(const std::string& path, MeshFormat& format) {
  const size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return false;
  std::string ext = path.substr(dot + 1);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ext == "glb")
    format = MeshFormat::kGlb;
  else if (ext == "obj")
    format = MeshFormat::kObj;
  else if (ext == "stl")
    format = MeshFormat::kStl;
  else
    return false;
  return true;
}

int DefaultMeshDetail(size_t instances) {
  if (instances <= 5000) return 24;
  if (instances <= 50000) return 12;
  return 8;
}

size_t MeshTriangles(const SceneModel& model, int detail) {
  detail = std::max(3, detail);
  std::map<std::pair<Primitive, float>, size_t> per_shape;
  size_t total = 0;
  for (const Instance& instance : model.instances) {
    const float shape = ShapedUnit(instance.kind) ? instance.shape : 0;
    auto [at, fresh] = per_shape.try_emplace({instance.kind, shape}, 0);
    if (fresh) at->second = UnitMesh(instance.kind, shape, detail).indices.size() / 3;
    total += at->second;
  }
  return total;
}

Status ExportMesh(const SceneModel& model, const std::string& path, int detail, MeshCounts* counts,
                  const MeshPlacement& placement) {
  MeshFormat format;
  if (!MeshFormatFor(path, format))
    return Status::Error(path + ": the mesh file must end in .glb, .obj or .stl");
  if (model.instances.empty()) return Status::Error("the scene has no objects to write");
  detail = std::max(3, detail);
  if (!(placement.scale > 0) || !std::isfinite(placement.scale))
    return Status::Error("the scale of a mesh must be a number above 0");
  const bool flat = format == MeshFormat::kStl;

  // The unit meshes of spheres, boxes and cylinders once; cones and tori by shape.
  std::map<Primitive, Mesh> fixed;
  std::map<std::pair<Primitive, float>, Mesh> shaped;
  auto unit_of = [&](const Instance& instance) -> const Mesh& {
    if (ShapedUnit(instance.kind)) {
      auto it = shaped.find({instance.kind, instance.shape});
      if (it == shaped.end()) {
        if (shaped.size() > 4096) shaped.clear();  // many shapes: keep memory bounded
        it = shaped
                 .emplace(std::pair{instance.kind, instance.shape},
                          UnitMesh(instance.kind, instance.shape, detail))
                 .first;
      }
      return it->second;
    }
    auto it = fixed.find(instance.kind);
    if (it == fixed.end())
      it = fixed.emplace(instance.kind, UnitMesh(instance.kind, 0, detail)).first;
    return it->second;
  };

  // One material per colour; one mesh per node and colour, sized first and then filled.
  const PartNodes nodes = PlanNodes(model, format != MeshFormat::kStl);
  std::map<ColourKey, unsigned> materials;
  std::map<std::pair<int, ColourKey>, std::pair<size_t, size_t>> sizes;  // vertices, triangles
  size_t triangles = 0;
  for (size_t i = 0; i < model.instances.size(); ++i) {
    const Instance& instance = model.instances[i];
    const Mesh& unit = unit_of(instance);
    const ColourKey colour = KeyOf(instance, PatternOf(instance, model, !flat));
    materials.try_emplace(colour, 0);
    auto& [vertices, faces] = sizes[{nodes.node_of[i], colour}];
    vertices += flat ? unit.indices.size() : unit.positions.size() / 3;
    faces += unit.indices.size() / 3;
    triangles += unit.indices.size() / 3;
    if (vertices > 0xFFFFFFF0u) return Status::Error("the mesh is too large for one file");
  }

  auto scene = std::make_unique<aiScene>();
  scene->mNumMaterials = static_cast<unsigned>(materials.size());
  scene->mMaterials = new aiMaterial*[scene->mNumMaterials];
  unsigned index = 0;
  for (auto& [colour, at] : materials) {
    auto* material = new aiMaterial;
    const aiString name(MaterialName(colour));
    material->AddProperty(&name, AI_MATKEY_NAME);
    const aiColor4D diffuse(colour[0], colour[1], colour[2], 1 - colour[3]);
    material->AddProperty(&diffuse, 1, AI_MATKEY_COLOR_DIFFUSE);
    material->AddProperty(&diffuse, 1, AI_MATKEY_BASE_COLOR);
    const float opacity = 1 - colour[3];
    material->AddProperty(&opacity, 1, AI_MATKEY_OPACITY);
    const float metallic = colour[4], roughness = colour[5];
    material->AddProperty(&metallic, 1, AI_MATKEY_METALLIC_FACTOR);
    material->AddProperty(&roughness, 1, AI_MATKEY_ROUGHNESS_FACTOR);
    scene->mMaterials[index] = material;
    at = index++;
  }

  scene->mNumMeshes = static_cast<unsigned>(sizes.size());
  scene->mMeshes = new aiMesh*[scene->mNumMeshes];
  std::map<std::pair<int, ColourKey>, Target> targets;
  std::vector<std::vector<unsigned>> meshes_of(nodes.names.size() + 1);  // the last: the root's
  index = 0;
  for (const auto& [key, size] : sizes) {
    const auto& [node, colour] = key;
    auto* mesh = new aiMesh;
    mesh->mName = aiString(node >= 0 ? nodes.PathOf(node) : "creature");
    mesh->mMaterialIndex = materials[colour];
    mesh->mPrimitiveTypes = aiPrimitiveType_TRIANGLE;
    mesh->mNumVertices = static_cast<unsigned>(size.first);
    mesh->mVertices = new aiVector3D[mesh->mNumVertices];
    mesh->mNormals = new aiVector3D[mesh->mNumVertices];
    if (colour[6] > 0) mesh->mColors[0] = new aiColor4D[mesh->mNumVertices];
    mesh->mNumFaces = static_cast<unsigned>(size.second);
    mesh->mFaces = new aiFace[mesh->mNumFaces];
    scene->mMeshes[index] = mesh;
    meshes_of[node >= 0 ? static_cast<size_t>(node) : nodes.names.size()].push_back(index);
    targets[key].mesh = mesh;
    ++index;
  }
  scene->mRootNode = BuildNodes(nodes, meshes_of);
  for (size_t i = 0; i < model.instances.size(); ++i) {
    const Instance& instance = model.instances[i];
    const Pattern* pattern = PatternOf(instance, model, !flat);
    AddInstance(instance, unit_of(instance), targets[{nodes.node_of[i], KeyOf(instance, pattern)}],
                placement, flat, pattern);
  }

  Assimp::Exporter exporter;
  const char* id = format == MeshFormat::kGlb   ? "glb2"
                   : format == MeshFormat::kObj ? "obj"
                                                : "stlb";
  if (exporter.Export(scene.get(), id, path) != AI_SUCCESS) {
    return Status::Error("cannot write " + path + ": " + exporter.GetErrorString());
  }
  if (format == MeshFormat::kGlb) {
    if (Status s = DropUnusedExtensions(path); !s.ok())
      return Status::Error("cannot finish " + path + ": " + s.message());
  }
  if (format == MeshFormat::kObj && !nodes.names.empty()) {
    if (Status s = ObjectsOfGroups(path); !s.ok())
      return Status::Error("cannot finish " + path + ": " + s.message());
  }
  if (counts) {
    counts->objects = model.instances.size();
    counts->triangles = triangles;
    counts->materials = materials.size();
    counts->parts = nodes.names.size();
  }
  return Status::Ok();
}

}  // namespace vermora
