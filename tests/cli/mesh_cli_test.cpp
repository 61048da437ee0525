#include <assimp/scene.h>
#include <gtest/gtest.h>

#include <assimp/Importer.hpp>
#include <filesystem>

#include "model/scene_model.h"
#include "support/test_support.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;

using MeshCliTest = test::InTempFolder;

TEST_F(MeshCliTest, WritesTheMeshAndCountsIt) {
  test::ShellRun run = test::Cli("mesh -o " + dir_ + "c.stl --detail 8");
  ASSERT_EQ(run.code, 0) << run.output;
  const size_t triangles = 240 * UnitMesh(Primitive::Sphere, 0, 8).indices.size() / 3;
  EXPECT_NE(run.output.find("240 objects, " + std::to_string(triangles) + " triangles"),
            std::string::npos)
      << run.output;
  Assimp::Importer importer;
  const aiScene* scene = importer.ReadFile(dir_ + "c.stl", 0);
  ASSERT_NE(scene, nullptr);
  size_t read = 0;
  for (unsigned m = 0; m < scene->mNumMeshes; ++m) read += scene->mMeshes[m]->mNumFaces;
  EXPECT_EQ(read, triangles);
  EXPECT_NE(test::Cli("mesh --help").output.find("negating z"), std::string::npos);
  struct Case {
    std::string args;
    int code;
  };
  for (const Case& c :
       {Case{"mesh", 2}, Case{"mesh -o " + dir_ + "c.ply", 2}, Case{"mesh -o x.glb --detail 2", 2},
        Case{"mesh " + dir_ + "missing.vmx -o " + dir_ + "c.glb", 1},
        Case{"mesh -o " + dir_ + "no/folder/c.glb", 1}}) {
    EXPECT_EQ(test::Cli(c.args).code, c.code) << c.args;
  }
}

}  // namespace
}  // namespace vermora
