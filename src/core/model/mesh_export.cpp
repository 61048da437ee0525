// Mesh files of the scene model, written with assimp (the one file of the core
// that uses it).
#include "model/mesh_export.h"

#include <assimp/Exporter.hpp>
#include <assimp/material.h>
#include <assimp/scene.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

namespace vermora {
namespace {

using ColourKey = std::array<float, 4>;

struct Gathered {
  std::vector<float> positions, normals;
  std::vector<uint32_t> indices;
};

double Det3(const Mat4& t) {
  return t(0, 0) * (t(1, 1) * t(2, 2) - t(1, 2) * t(2, 1)) - t(0, 1) * (t(1, 0) * t(2, 2) - t(1, 2) * t(2, 0)) +
         t(0, 2) * (t(1, 0) * t(2, 1) - t(1, 1) * t(2, 0));
}

// Adds one instance in file coordinates: world with z negated.
void AddInstance(const Instance& instance, const Mesh& unit, Gathered& into) {
  const Mat4& t = instance.transform;
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
  const uint32_t first = static_cast<uint32_t>(into.positions.size() / 3);
  for (size_t v = 0; v + 2 < unit.positions.size(); v += 3) {
    const Vec3 p = TransformPoint(t, {unit.positions[v], unit.positions[v + 1], unit.positions[v + 2]});
    const double nx = unit.normals[v], ny = unit.normals[v + 1], nz = unit.normals[v + 2];
    double n[3];
    for (int r = 0; r < 3; ++r) n[r] = sign * (cof[r][0] * nx + cof[r][1] * ny + cof[r][2] * nz);
    const double l = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (l > 0) {
      for (double& c : n) c /= l;
    }
    into.positions.insert(into.positions.end(), {static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(-p.z)});
    into.normals.insert(into.normals.end(), {static_cast<float>(n[0]), static_cast<float>(n[1]), static_cast<float>(-n[2])});
  }
  // Negating z mirrors, and so does a transform of negative determinant: each
  // mirror turns the winding, so with one the triangles are read backwards.
  const bool reverse = det >= 0;
  for (size_t i = 0; i + 2 < unit.indices.size(); i += 3) {
    into.indices.push_back(first + unit.indices[i]);
    into.indices.push_back(first + unit.indices[i + (reverse ? 2 : 1)]);
    into.indices.push_back(first + unit.indices[i + (reverse ? 1 : 2)]);
  }
}

std::string MaterialName(const ColourKey& c) {
  char name[64];
  std::snprintf(name, sizeof name, "colour_%02x%02x%02x_%02x", static_cast<int>(std::lround(c[0] * 255)) & 255,
                static_cast<int>(std::lround(c[1] * 255)) & 255, static_cast<int>(std::lround(c[2] * 255)) & 255,
                static_cast<int>(std::lround(c[3] * 255)) & 255);
  return name;
}

}  // namespace

bool MeshFormatFor(const std::string& path, MeshFormat& format) {
  const size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return false;
  std::string ext = path.substr(dot + 1);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ext == "glb") format = MeshFormat::kGlb;
  else if (ext == "obj") format = MeshFormat::kObj;
  else if (ext == "stl") format = MeshFormat::kStl;
  else return false;
  return true;
}

int DefaultMeshDetail(size_t instances) {
  if (instances <= 5000) return 24;
  if (instances <= 50000) return 12;
  return 8;
}

Status ExportMesh(const SceneModel& model, const std::string& path, int detail, MeshCounts* counts) {
  MeshFormat format;
  if (!MeshFormatFor(path, format)) return Status::Error(path + ": the mesh file must end in .glb, .obj or .stl");
  if (model.instances.empty()) return Status::Error("the scene has no objects to write");
  detail = std::max(3, detail);

  // One mesh per colour; the unit meshes of spheres, boxes and cylinders once.
  std::map<ColourKey, Gathered> by_colour;
  std::map<Primitive, Mesh> fixed;
  size_t triangles = 0;
  for (const Instance& instance : model.instances) {
    const bool shaped = instance.kind == Primitive::Cone || instance.kind == Primitive::Torus;
    Mesh own;
    const Mesh* unit;
    if (shaped) {
      own = UnitMesh(instance.kind, instance.shape, detail);
      unit = &own;
    } else {
      auto it = fixed.find(instance.kind);
      if (it == fixed.end()) it = fixed.emplace(instance.kind, UnitMesh(instance.kind, 0, detail)).first;
      unit = &it->second;
    }
    Gathered& g = by_colour[instance.colour];
    AddInstance(instance, *unit, g);
    triangles += unit->indices.size() / 3;
    if (g.positions.size() / 3 > 0xFFFFFFF0u) return Status::Error("the mesh is too large for one file");
  }

  auto scene = std::make_unique<aiScene>();
  scene->mRootNode = new aiNode("creature");
  scene->mNumMeshes = static_cast<unsigned>(by_colour.size());
  scene->mMeshes = new aiMesh*[scene->mNumMeshes];
  scene->mNumMaterials = scene->mNumMeshes;
  scene->mMaterials = new aiMaterial*[scene->mNumMaterials];
  scene->mRootNode->mNumMeshes = scene->mNumMeshes;
  scene->mRootNode->mMeshes = new unsigned[scene->mNumMeshes];
  unsigned index = 0;
  for (auto& [colour, g] : by_colour) {
    auto* material = new aiMaterial;
    const aiString name(MaterialName(colour));
    material->AddProperty(&name, AI_MATKEY_NAME);
    const aiColor4D diffuse(colour[0], colour[1], colour[2], 1 - colour[3]);
    material->AddProperty(&diffuse, 1, AI_MATKEY_COLOR_DIFFUSE);
    material->AddProperty(&diffuse, 1, AI_MATKEY_BASE_COLOR);
    const float opacity = 1 - colour[3];
    material->AddProperty(&opacity, 1, AI_MATKEY_OPACITY);
    scene->mMaterials[index] = material;

    auto* mesh = new aiMesh;
    mesh->mName = aiString(MaterialName(colour));
    mesh->mMaterialIndex = index;
    mesh->mPrimitiveTypes = aiPrimitiveType_TRIANGLE;
    mesh->mNumVertices = static_cast<unsigned>(g.positions.size() / 3);
    mesh->mVertices = new aiVector3D[mesh->mNumVertices];
    mesh->mNormals = new aiVector3D[mesh->mNumVertices];
    for (unsigned v = 0; v < mesh->mNumVertices; ++v) {
      mesh->mVertices[v] = aiVector3D(g.positions[3 * v], g.positions[3 * v + 1], g.positions[3 * v + 2]);
      mesh->mNormals[v] = aiVector3D(g.normals[3 * v], g.normals[3 * v + 1], g.normals[3 * v + 2]);
    }
    mesh->mNumFaces = static_cast<unsigned>(g.indices.size() / 3);
    mesh->mFaces = new aiFace[mesh->mNumFaces];
    for (unsigned f = 0; f < mesh->mNumFaces; ++f) {
      aiFace& face = mesh->mFaces[f];
      face.mNumIndices = 3;
      face.mIndices = new unsigned[3]{g.indices[3 * f], g.indices[3 * f + 1], g.indices[3 * f + 2]};
    }
    g = Gathered{};  // the copy in the mesh is the one kept
    scene->mMeshes[index] = mesh;
    scene->mRootNode->mMeshes[index] = index;
    ++index;
  }

  Assimp::Exporter exporter;
  const char* id = format == MeshFormat::kGlb ? "glb2" : format == MeshFormat::kObj ? "obj" : "stlb";
  if (exporter.Export(scene.get(), id, path) != AI_SUCCESS) {
    return Status::Error("cannot write " + path + ": " + exporter.GetErrorString());
  }
  if (counts) {
    counts->objects = model.instances.size();
    counts->triangles = triangles;
    counts->materials = by_colour.size();
  }
  return Status::Ok();
}

}  // namespace vermora
