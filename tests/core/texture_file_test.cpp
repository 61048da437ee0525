#include "texture/texture_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"
#include "texture/colour_map_edit.h"
#include "texture/colour_rows.h"
#include "texture/named_colours.h"
#include "texture/randomizers.h"
#include "texture/texture_builder.h"
#include "texture/texture_preview.h"
#include "support/started_texture.h"
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
      {0, "Quorel 0.9"}, {1, "cbPigmentType|0"}, {2, "cbColor1|30"}, {5, "editRed1|0.9882"},
      {8, "editGreen1|0.9020"}, {21, "sgColorMap|2~4:0.000~16777215~0~0~1.000~0~0~0~"},
      {22, "cbColor4|125~16777215"}, {32, "sbAmbient|N"}, {48, "editReflectionE|1"}, {56, "editTTRotateZ|0"}};
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
  ASSERT_TRUE(LoadTextureText("Quorel 0.9\r\nEdNumber|5\r\nChkWheelOn|N\r\nedBMName|x.png\r\n",
                              u.set, u.page, u.diagnostics)
                  .ok());
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
  EXPECT_EQ(RunTexturePreview(s.set, s.page, PreviewShape::kBox,
                              [](const std::string&) { return Status::Error("render failed"); })
                .message(),
            "render failed");
  EXPECT_EQ(s.set.Text("edCamLocZ"), cam);
}

}  // namespace
}  // namespace vermora
