#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "render/command_line.h"
#include "render/renderer.h"
#include "support/test_support.h"
#include "texture/named_colours.h"
#include "texture/texture_builder.h"
#include "texture/texture_preview.h"
#include "texture/texture_start.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;

// Renders `scene` as TEMP.POV in `folder` at 32x24 with our include folder.
RenderOutcome Render(const std::string& folder, const std::string& scene) {
  std::ofstream(folder + "TEMP.POV", std::ios::binary) << scene;
  const RenderInvocation inv = TranslateCommandLine(
      RenderCommandLine(test::kPovray, folder, "TEMP.POV", "32", "24", false), {VERMORA_DATA_DIR});
  ClearRenderFiles(inv);
  return RunRenderer(inv, 60);
}

struct Previewed {
  ParameterSet set;
  TexturePage page;
  std::string folder = test::MakeTempFolder();
  Previewed() { EXPECT_TRUE(ApplyTextureStartValues(set, page).ok()); }
  ~Previewed() { fs::remove_all(folder); }

  RenderOutcome Preview(PreviewShape shape) {
    RenderOutcome outcome;
    const Status s = RunTexturePreview(set, page, shape, [&](const std::string& scene) {
      outcome = Render(folder, scene);
      return outcome.ok() ? Status::Ok() : Status::Error(outcome.failure);
    });
    EXPECT_EQ(s.ok(), outcome.ok());
    return outcome;
  }
};

// The preview scene's camera and lights, then one small sphere per texture.
std::string SpheresScene(const ParameterSet& set, const std::vector<std::string>& textures) {
  std::string scene = TexturePreviewScene(set, PreviewShape::kPlane);
  for (size_t i = 0; i < textures.size(); ++i) {
    scene += "sphere { <" + std::to_string(int(i % 12) * 2 - 11) + "," +
             std::to_string(int(i / 12) * 2 - 10) + ",0>, 1 " + textures[i] + " }\r\n";
  }
  return scene;
}

TEST(TextureRenderTest, PreviewRendersOnEachShape) {
  if (!test::HavePovray()) GTEST_SKIP() << "POV-Ray is not installed";
  Previewed p;
  p.set.SetIndex("cbPigmentType", 9);
  p.set.SetIndex("cbNormalType", 19);
  p.set.SetOn("sbPhong", true);
  for (PreviewShape shape : {PreviewShape::kSphere, PreviewShape::kBox, PreviewShape::kPlane}) {
    const RenderOutcome r = p.Preview(shape);
    EXPECT_TRUE(r.ok()) << r.failure << "\n" << r.messages;
    EXPECT_GE(test::ReadBmp(p.folder + "TEMP.BMP").Differing(), 10) << "nothing in the picture";
  }
}

TEST(TextureRenderTest, EveryNamedColourIsKnownToPovRay) {
  if (!test::HavePovray()) GTEST_SKIP() << "POV-Ray is not installed";
  Previewed p;
  p.set.SetIndex("cbPigmentType", 5);
  std::vector<std::string> textures;
  for (const NamedColour& colour : NamedColourTable()) {
    const std::string name(colour.name);
    p.set.SetGrid("sgColorMap", Grid{2, 4, {"0", name, "0", "0", "1", name, "0", "0"}});
    std::string text;
    ASSERT_TRUE(BuildTexture(p.set, text).ok()) << name;
    textures.push_back(text);
  }
  const RenderOutcome r = Render(p.folder, SpheresScene(p.set, textures));
  EXPECT_TRUE(r.ok()) << r.failure << "\n" << r.messages;
  EXPECT_FALSE(r.error_reported);
}

TEST(TextureRenderTest, EveryPigmentNormalAndFinishIsKnownToPovRay) {
  if (!test::HavePovray()) GTEST_SKIP() << "POV-Ray is not installed";
  Previewed p;
  // The first picture serves as the image map and bump map of the others.
  ASSERT_TRUE(p.Preview(PreviewShape::kSphere).ok());
  fs::copy_file(p.folder + "TEMP.BMP", p.folder + "map.bmp");
  p.set.SetText("edIMName", "map.bmp");
  p.set.SetText("edBMName", "map.bmp");
  p.set.SetText("edIMTurb", "0.1");
  p.set.SetGrid("sgColorMap", Grid{3,
                                   4,
                                   {"0.000", "Red", "0.2", "0", "0.500", "65280", "0", "0.3",
                                    "1.000", "Maize", "0", "0"}});
  for (const char* t : {"sbAmbient", "sbDiffuse", "sbBrilliance", "sbPhong", "sbSpecular",
                        "sbRoughness", "sbMetallic", "sbReflection", "sbCrand"}) {
    p.set.SetOn(t, true);
  }
  std::vector<std::string> textures;
  for (int type = 0; type <= 20; ++type) {
    p.set.SetIndex("cbPigmentType", type);
    for (int normal : {type, 20 - type}) {
      p.set.SetIndex("cbNormalType", normal);
      std::string text;
      ASSERT_TRUE(BuildTexture(p.set, normal % 2 == 0, text).ok());
      textures.push_back(text);
    }
  }
  const RenderOutcome r = Render(p.folder, SpheresScene(p.set, textures));
  EXPECT_TRUE(r.ok()) << r.failure << "\n" << r.messages;
}

TEST(TextureRenderTest, MissingImageMapReachesPovRayByName) {
  if (!test::HavePovray()) GTEST_SKIP() << "POV-Ray is not installed";
  Previewed p;
  p.set.SetIndex("cbPigmentType", 20);
  p.set.SetText("edIMName", "no_such_picture.png");
  const RenderOutcome r = p.Preview(PreviewShape::kSphere);
  EXPECT_FALSE(r.ok());
  EXPECT_TRUE(r.error_reported);
  EXPECT_NE(r.messages.find("no_such_picture.png"), std::string::npos) << r.messages;
}

}  // namespace
}  // namespace vermora
