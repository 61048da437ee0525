#include "texture/texture_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "render/command_line.h"
#include "render/renderer.h"
#include "support/creatures.h"
#include "support/started_texture.h"
#include "texture/colour_map_edit.h"
#include "texture/colour_rows.h"
#include "texture/named_colours.h"
#include "texture/randomizers.h"
#include "texture/texture_builder.h"
#include "texture/texture_preview.h"
#include "texture/texture_start.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;

using test::Lines;
using test::Started;

std::string Read(const std::string& path) { return test::ReadFile(path); }

// A texture that differs from the start state in every kind of key.
void Customise(ParameterSet& set) {
  set.SetIndex("cbPigmentType", 11);
  set.SetText("editRed2", "0.25");
  set.SetText("editOmega", "0.75");
  set.SetGrid("sgColorMap", Grid{3,
                                 4,
                                 {"0.000", "255", "0", "0", "0.400", "Khaki     ", "0.5", "0",
                                  "1.000", "0", "0", "0.25"}});
  set.SetIndex("cbNormalType", 17);
  set.SetText("editNPhase", "0.3");
  set.SetOn("sbPhong", true);
  set.SetOn("sbMetallic", true);
  set.SetText("editReflectionE", "2");
  set.SetText("editTTRotateY", "30");
}

TEST(TextureFileTest, SavingAfterStart) {
  Started s;
  const auto lines = Lines(TextureFileText(s.set));
  ASSERT_EQ(lines.size(), 57u);
  const std::pair<size_t, const char*> expected[] = {
      {0, "Quorel 0.9"},
      {1, "cbPigmentType|0"},
      {2, "cbColor1|30"},
      {5, "editRed1|0.9882"},
      {8, "editGreen1|0.9020"},
      {21, "sgColorMap|2~4:0.000~16777215~0~0~1.000~0~0~0~"},
      {22, "cbColor4|125~16777215"},
      {32, "sbAmbient|N"},
      {48, "editReflectionE|1"},
      {56, "editTTRotateZ|0"}};
  for (const auto& [at, line] : expected) EXPECT_EQ(lines[at], line) << at;
  int toggles_down = 0;
  for (const auto& line : lines) toggles_down += line.rfind("sb", 0) == 0 && line.back() == 'Y';
  EXPECT_EQ(toggles_down, 0);
}

TEST(TextureFileTest, RoundTripThroughAFile) {
  Started saved;
  Customise(saved.set);
  // The window runs the position rule on a changed map, which refreshes the rows.
  ASSERT_TRUE(MoveSlider(saved.set, saved.page, 0, saved.diagnostics).ok());
  saved.set.SetText("editRed2", "0.25");
  const std::string dir = test::MakeTempFolder();
  ASSERT_TRUE(SaveTextureFile(dir + "t.vtr", saved.set).ok());
  Started loaded;
  loaded.set.SetText("edIMName", "keep.png");
  loaded.set.SetText("EdNumber", "41");
  ASSERT_TRUE(LoadTextureFile(dir + "t.vtr", loaded.set, loaded.page, loaded.diagnostics).ok());
  EXPECT_EQ(TextureFileText(loaded.set), Read(dir + "t.vtr"));
  EXPECT_EQ(loaded.set.Text("edIMName"), "keep.png");
  EXPECT_EQ(loaded.set.Text("EdNumber"), "41");
  std::string a, b;
  ASSERT_TRUE(BuildTexture(saved.set, a).ok());
  ASSERT_TRUE(BuildTexture(loaded.set, b).ok());
  EXPECT_EQ(a, b);
  // The refresh ran the position rule on the loaded map.
  EXPECT_EQ(loaded.set.Tag("cbColor4"), 255);
  EXPECT_EQ(loaded.page.swatch[1], PackRgb({64, 230, 201}));
  EXPECT_TRUE(loaded.diagnostics.warnings.empty());
  EXPECT_EQ(
      LoadTextureFile(dir + "none.vtr", loaded.set, loaded.page, loaded.diagnostics).message(),
      "File not found");
  fs::remove_all(dir);
}

TEST(TextureFileTest, CustomRowColoursKeepTheirTextsButNotTheirTags) {
  Started saved;
  ChooseColour(saved.set, saved.page, 1, 0x336699);
  saved.set.SetText("editGreen1", "0.123456");  // typed, not yet applied
  const std::string text = TextureFileText(saved.set);
  EXPECT_NE(text.find("\r\ncbColor1|125\r\n"), std::string::npos);
  Started loaded;
  loaded.set.SetTag("cbColor1", 7);
  ASSERT_TRUE(LoadTextureText(text, loaded.set, loaded.page, loaded.diagnostics).ok());
  EXPECT_EQ(loaded.set.Index("cbColor1"), kCustomColourIndex);
  EXPECT_EQ(loaded.set.Tag("cbColor1"), 7);
  EXPECT_EQ(loaded.set.Text("editRed1"), saved.set.Text("editRed1"));
  EXPECT_EQ(loaded.set.Text("editGreen1"), "0.123456");
}

TEST(TextureFileTest, BadFilesGiveTheLoaderMessagesAndChangeNothingElse) {
  Started saved;
  Customise(saved.set);
  const std::string good = TextureFileText(saved.set);
  Started s;
  const ParameterSet start = s.set;
  EXPECT_EQ(
      LoadTextureText("Quorel 0.8\r\n" + good.substr(12), s.set, s.page, s.diagnostics).message(),
      "Unknown version or file format.  Possible data corruption in file?");
  EXPECT_TRUE(s.set == start);
  // A bad grid stops the load: earlier lines applied, later ones not.
  std::string bad_grid = good;
  const size_t at = bad_grid.find("sgColorMap|");
  bad_grid.replace(at, bad_grid.find("\r\n", at) - at, "sgColorMap|3~4:0~1~2~3~");
  EXPECT_EQ(LoadTextureText(bad_grid, s.set, s.page, s.diagnostics).message(),
            "Missing value (0,1) in grid component [sgColorMap]!  Load aborted");
  EXPECT_EQ(s.set.Index("cbPigmentType"), 11);
  EXPECT_EQ(s.set.GridValue("sgColorMap"), start.GridValue("sgColorMap"));
  EXPECT_EQ(s.set.Index("cbNormalType"), 0);
  // A truncated file: the last line lost its separator.
  Started t;
  const size_t cut = good.find("sbPhong|");
  EXPECT_EQ(LoadTextureText(good.substr(0, cut + 4), t.set, t.page, t.diagnostics).message(),
            "Corrupted name/data!  Load aborted");
  EXPECT_EQ(t.set.Text("editNPhase"), "0.3");
  EXPECT_FALSE(t.set.On("sbPhong"));
  // Lines of other parameters in a texture file are ignored.
  Started u;
  const ParameterSet before = u.set;
  const std::string others = "Quorel 0.9\r\nEdNumber|5\r\nChkWheelOn|N\r\nedBMName|x.png\r\n";
  ASSERT_TRUE(LoadTextureText(others, u.set, u.page, u.diagnostics).ok());
  EXPECT_TRUE(u.set == before);
}

TEST(TextureFileTest, ExportWritesTheOneLine) {
  Started s;
  const std::string dir = test::MakeTempFolder();
  ASSERT_TRUE(ExportTextureInclude(dir + "t.inc", s.set, s.page).ok());
  EXPECT_EQ(
      Read(dir + "t.inc"),
      "texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} scale <1,1,1> rotate <0,0,0>}\r\n");
  EXPECT_EQ(s.page.current_texture.substr(0, 16), "texture {pigment");
  EXPECT_EQ(ExportTextureInclude(dir + "no/such/t.inc", s.set, s.page).message(), "File not found");
  fs::remove_all(dir);
}

TEST(TexturePreviewTest, SceneTextAndCameraRestored) {
  Started s;
  s.set.SetText("EdInc2", "#include \"stones.inc\"");
  s.set.SetIndex("cbPigmentType", 13);
  Random random;
  ASSERT_TRUE(RandomPigment(s.set, s.page, random, FixedClock(43200000), s.diagnostics).ok());
  RandomFinish(s.set, random, FixedClock(43200000));
  const std::string cam = s.set.Text("edCamLocZ");
  std::string scene;
  ASSERT_TRUE(RunTexturePreview(s.set, s.page, PreviewShape::kSphere, [&](const std::string& text) {
                scene = text;
                return Status::Ok();
              }).ok());
  EXPECT_TRUE(test::MatchesGolden("texture_preview_sphere.pov", scene));
  EXPECT_NE(scene.find("  location <0.0, 0.0, -30>\r\n"), std::string::npos);
  EXPECT_EQ(s.set.Text("edCamLocZ"), cam);
  EXPECT_EQ(s.page.current_texture, s.set.Text("editTexPrev"));
  const std::string box = TexturePreviewScene(s.set, PreviewShape::kBox);
  EXPECT_NE(box.find("\r\nbox {<-5, -5, -5>, < 5,  5,  5> texture {"), std::string::npos);
  EXPECT_NE(box.find(" rotate y*20 translate <0,0,-8>}\r\n"), std::string::npos);
  EXPECT_EQ(box.find("sphere"), std::string::npos);
  EXPECT_NE(
      TexturePreviewScene(s.set, PreviewShape::kPlane).find("\r\nplane {<0, 1, 0>, -10 texture {"),
      std::string::npos);
  // A failed render still puts the camera back.
  const auto fails = [](const std::string&) { return Status::Error("render failed"); };
  EXPECT_EQ(RunTexturePreview(s.set, s.page, PreviewShape::kBox, fails).message(), "render failed");
  EXPECT_EQ(s.set.Text("edCamLocZ"), cam);
}

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
  Previewed p;
  // The first picture serves as the image map and bump map of the others.
  ASSERT_TRUE(p.Preview(PreviewShape::kSphere).ok());
  fs::copy_file(p.folder + "TEMP.BMP", p.folder + "map.bmp");
  p.set = test::With(p.set,
                     {"sbAmbient", "sbDiffuse", "sbBrilliance", "sbPhong", "sbSpecular",
                      "sbRoughness", "sbMetallic", "sbReflection", "sbCrand"},
                     {{"edIMName", "map.bmp"}, {"edBMName", "map.bmp"}, {"edIMTurb", "0.1"}});
  p.set.SetGrid("sgColorMap", Grid{3,
                                   4,
                                   {"0.000", "Red", "0.2", "0", "0.500", "65280", "0", "0.3",
                                    "1.000", "Maize", "0", "0"}});
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
