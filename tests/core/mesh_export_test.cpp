#include "model/mesh_export.h"

#include <assimp/material.h>
#include <assimp/scene.h>
#include <gtest/gtest.h>

#include <assimp/Importer.hpp>
#include <filesystem>

#include "model/scene_model.h"
#include "support/test_support.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;

struct ReadBack {
  size_t triangles = 0;
  Bounds bounds;
  double volume = 0;  // signed: positive when the triangles face out, right-handed
  std::vector<aiColor4D> diffuse;
};

ReadBack Import(const std::string& path) {
  Assimp::Importer importer;
  const aiScene* scene = importer.ReadFile(path, 0);
  ReadBack r;
  EXPECT_NE(scene, nullptr) << path << ": " << importer.GetErrorString();
  if (!scene) return r;
  for (unsigned m = 0; m < scene->mNumMeshes; ++m) {
    const aiMesh* mesh = scene->mMeshes[m];
    for (unsigned v = 0; v < mesh->mNumVertices; ++v) {
      r.bounds.Add({mesh->mVertices[v].x, mesh->mVertices[v].y, mesh->mVertices[v].z});
    }
    for (unsigned f = 0; f < mesh->mNumFaces; ++f) {
      const aiFace& face = mesh->mFaces[f];
      if (face.mNumIndices != 3) continue;
      ++r.triangles;
      const aiVector3D a = mesh->mVertices[face.mIndices[0]], b = mesh->mVertices[face.mIndices[1]],
                       c = mesh->mVertices[face.mIndices[2]];
      r.volume += (a * (b ^ c)) / 6;
    }
  }
  for (unsigned i = 0; i < scene->mNumMaterials; ++i) {
    aiColor4D colour;
    if (scene->mMaterials[i]->Get(AI_MATKEY_COLOR_DIFFUSE, colour) == AI_SUCCESS)
      r.diffuse.push_back(colour);
  }
  return r;
}

bool HasColour(const ReadBack& r, float red, float green, float blue) {
  for (const aiColor4D& c : r.diffuse) {
    if (std::abs(c.r - red) < 1e-3 && std::abs(c.g - green) < 1e-3 && std::abs(c.b - blue) < 1e-3)
      return true;
  }
  return false;
}

// The default creature written in each format and read back: all its
// triangles, inside the model's box with z negated and filling it up to the
// facets' depth, and its colours where the format has them.
TEST(MeshExportTest, FilesReadBackWithTheModelsTrianglesAndBox) {
  const SceneModel model = ReadSceneModel(test::Scene(ParameterSet()));
  ASSERT_EQ(model.instances.size(), 240u);
  const Bounds world = model.bounds();
  const std::string dir = test::MakeTempFolder();
  for (const char* name : {"creature.glb", "creature.obj", "creature.stl"}) {
    const std::string path = dir + name;
    MeshCounts counts;
    ASSERT_TRUE(ExportMesh(model, path, 12, &counts).ok()) << name;
    EXPECT_EQ(counts.objects, 240u);
    EXPECT_EQ(counts.triangles, 240u * UnitMesh(Primitive::Sphere, 0, 12).indices.size() / 3)
        << name;
    const ReadBack r = Import(path);
    EXPECT_EQ(r.triangles, counts.triangles) << name;
    const double inside = 1e-4, facets = 0.02;  // a 12-gon's chord lies within 3.5% of radius .5
    const double low[3] = {world.min.x, world.min.y, -world.max.z},
                 high[3] = {world.max.x, world.max.y, -world.min.z};
    const double got_low[3] = {r.bounds.min.x, r.bounds.min.y, r.bounds.min.z};
    const double got_high[3] = {r.bounds.max.x, r.bounds.max.y, r.bounds.max.z};
    for (int i = 0; i < 3; ++i) {
      EXPECT_GE(got_low[i], low[i] - inside) << name << " axis " << i;
      EXPECT_LE(got_low[i], low[i] + facets) << name << " axis " << i;
      EXPECT_LE(got_high[i], high[i] + inside) << name << " axis " << i;
      EXPECT_GE(got_high[i], high[i] - facets) << name << " axis " << i;
    }
    EXPECT_GT(r.volume, 0) << name;
    if (std::string(name) != "creature.stl") {
      EXPECT_TRUE(HasColour(r, .9882f, .902f, .7882f)) << name;
    }
  }
  EXPECT_TRUE(fs::exists(dir + "creature.mtl"));
  fs::remove_all(dir);
}

// A mirroring transform turns the winding once more: every mesh still faces
// out, and one material a colour.
TEST(MeshExportTest, MirroredObjectsFaceOutAndColoursGetMaterials) {
  const SceneModel model = ReadSceneModel(
      "sphere {<3, 0, 0>, 1 scale <-1, 1, 1> pigment {color Red}}\n"
      "cone {0, 1, y, .5 scale <1, -2, 1> pigment {color Blue}}\n"
      "torus {1, .2 rotate 30*x pigment {color Red}}");
  ASSERT_EQ(model.error, "");
  const std::string dir = test::MakeTempFolder();
  for (const char* name : {"m.glb", "m.obj"}) {
    MeshCounts counts;
    ASSERT_TRUE(ExportMesh(model, dir + name, 32, &counts).ok()) << name;
    EXPECT_EQ(counts.materials, 2u) << name;
    const ReadBack r = Import(dir + name);
    const double pi = 3.14159265358979;
    const double volume = 4 * pi / 3 + 2 * pi * 1.75 / 3 + 2 * pi * pi * .04;
    EXPECT_NEAR(r.volume, volume, volume * .02) << name;
    EXPECT_TRUE(HasColour(r, 1, 0, 0)) << name;
    EXPECT_TRUE(HasColour(r, 0, 0, 1)) << name;
  }
  fs::remove_all(dir);
}

TEST(MeshExportTest, RefusesWhatItCannotWrite) {
  const SceneModel model = ReadSceneModel("sphere {0, 1}");
  const std::string dir = test::MakeTempFolder();
  for (const std::string& path : {dir + "x.ply", dir + "no/such/folder/x.stl", dir + "glb"}) {
    EXPECT_FALSE(ExportMesh(model, path, 8).ok()) << path;
  }
  EXPECT_FALSE(ExportMesh(SceneModel{}, dir + "empty.glb", 8).ok());
  MeshFormat format;
  EXPECT_TRUE(MeshFormatFor("A.GLB", format));
  EXPECT_EQ(format, MeshFormat::kGlb);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace vermora
