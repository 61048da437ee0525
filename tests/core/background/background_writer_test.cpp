#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <future>
#include <string>
#include <vector>

#include "background/background_file.h"
#include "background/background_rules.h"
#include "background/colour_rows.h"
#include "compose/background_scenes.h"
#include "compose/composer.h"
#include "render/renderer.h"
#include "support/creatures.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;
using test::Has;
using test::Lines;

std::string Background(const ParameterSet& set) {
  ComposeResult result = BackgroundText(set);
  EXPECT_TRUE(result.status.ok()) << result.status.message();
  EXPECT_TRUE(result.warnings.empty());
  return result.scene;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

ParameterSet With(std::initializer_list<const char*> on,
                  std::initializer_list<std::pair<const char*, const char*>> texts = {}) {
  return test::With(ParameterSet(), on, texts);
}

constexpr const char* kHeader = "//----------------Background--------------------------\r\n";

TEST(BackgroundWriterTest, NothingWhileEverySwitchIsOff) {
  EXPECT_EQ(Background(With({"chkSmooth", "chkRandRot"})), "");
  // The composer's scene therefore ends where the creature's placement ends.
  const ComposeResult scene = ComposeScene(test::SpiralOnly());
  EXPECT_EQ(scene.scene.substr(scene.scene.size() - 9), "\r\n }\r\n \r\n");
}

TEST(BackgroundWriterTest, EachBlockAloneMatchesItsGolden) {
  const std::pair<const char*, const char*> blocks[] = {
      // golden, switch
      {"background_sky.pov", "chkSkyOn"},      {"background_cloud1.pov", "chkCL1"},
      {"background_cloud2.pov", "chkCL2"},     {"background_constfog.pov", "chkConstFog"},
      {"background_groundfog1.pov", "chkGF1"}, {"background_groundfog3.pov", "chkGF3"},
      {"background_sea.pov", "chkSeaOn"},      {"background_land.pov", "chkLandon"},
      {"background_picture.pov", "chkBGOn"},
  };
  for (const auto& [golden, on] : blocks) {
    const std::string text =
        Background(With({on}, {{"edBGName", "C:\\pics\\sunset.bmp"}}));  // written by chkBGOn only
    EXPECT_EQ(text.rfind(kHeader, 0), 0u) << golden;
    EXPECT_TRUE(test::MatchesGolden(golden, text));
  }
}

TEST(BackgroundWriterTest, DefaultSkyColoursAndGroundFogTwo) {
  const std::string sky = Background(With({"chkSkyOn"}));
  EXPECT_TRUE(Has(sky,
                  "\r\n     color_map { [0 color rgb <0.650, 0.700, 0.800> ]\r\n"
                  "                 [1 color rgb <0.850, 0.700, 0.800> ]\r\n"));
  EXPECT_EQ(Background(With({"chkGF2"})),
            kHeader + Joined({"fog {", "distance 2000", " color rgbt < 0.600, 0.650, 0.750, 0.50>",
                              "fog_type 2", "fog_offset 15", "fog_alt 4", "turbulence 0.2",
                              "turb_depth 0.2", "}", " "}));
}

TEST(BackgroundWriterTest, CloudScaleAndLandTextAsTyped) {
  // The land's texture is never read as a number.
  const std::string text =
      Background(With({"chkCL1", "chkCL2", "chkLandon"},
                      {{"edCloudScale", "2"}, {"edLandTex", "texture { pigment { color 1,5 } }"}}));
  size_t first = text.find("\r\n    scale 3000*2\r\n");
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(text.find("\r\n    scale 3000*2\r\n", first + 1), std::string::npos);
  EXPECT_TRUE(Has(
      text, "\r\nplane { y, -10\r\n texture { pigment { color 1,5 } }\r\nhollow\r\n}\r\n \r\n"));
}

TEST(BackgroundWriterTest, HeightFieldTypeLinesSmoothAndSeed) {
  ParameterSet set = With({"chkHFOn"}, {{"edHFName", "land.png"}});
  const std::string plain = Background(set);
  EXPECT_TRUE(test::MatchesGolden("background_heightfield.pov", plain));
  EXPECT_EQ(plain.find("smooth"), std::string::npos);
  EXPECT_EQ(plain.find("TSeed"), std::string::npos);
  set = test::With(set, {"chkSmooth", "chkRandRot"},
                   {{"edHFName", "a.gif.png"}, {"edRandRot", "4711"}});
  EXPECT_EQ(
      Background(set),
      kHeader + Joined({"height_field {", "    gif", "    png", "    \"a.gif.png\"", "    smooth",
                        "    texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} scale <1,1,1> "
                        "rotate <0,0,0>}",
                        "  translate <-0.5, 0, -0.5>", "  scale <150, 23, 150>",
                        "   #declare TSeed = 4711 ;", "   #declare TS = seed(TSeed) ;",
                        "  rotate <0,int(rand(TS)*360),0>", "  translate <0, -20, 0>", "}", " "}));
  // Letter case counts, and an unknown type writes no type line.
  set.SetText("edHFName", "LAND.PNG");
  EXPECT_EQ(Background(set).find("    png\r\n"), std::string::npos);
}

TEST(BackgroundWriterTest, PictureTypeLines) {
  ParameterSet set = With({"chkBGOn"});
  for (const std::string type : {"bmp", "tga", "gif", "png"}) {
    set.SetText("edBGName", "x." + type);
    EXPECT_TRUE(
        Has(Background(set), "  {\r\n    " + type + "\r\n    \"x." + type + "\"\r\n    once\r\n"))
        << type;
  }
  set.SetText("edBGName", "x.pot");  // a height-field type, not a picture type
  EXPECT_NE(Background(set).find("  {\r\n    \"x.pot\"\r\n"), std::string::npos);
}

TEST(BackgroundWriterTest, GalaxyAloneWritesNoHeader) {
  ParameterSet set = With({"chkGalOn"});
  set.SetOn("chkGObj", false);
  EXPECT_EQ(Background(set),
            Joined({"#declare galaxy_seed =12345;", "#declare galaxy_colour = <1, 1, 1>;",
                    "#declare galaxy_colouration =0.5;", "#declare galaxy_colour_turb =0.2;",
                    "#declare galaxy_intensity =1;", "#declare galaxy_rotate =<0, 0, 0>;",
                    "#declare galaxy_bg = on ;", "#declare galaxy_objects = off ;",
                    "#declare galaxy_starfield = on ;", "#include \"galaxy.inc\"", " "}));
}

ParameterSet Everything() {
  return With(
      {"chkSkyOn", "chkCL1", "chkCL2", "chkConstFog", "chkGF1", "chkGF2", "chkGF3", "chkSeaOn",
       "chkLandon", "chkHFOn", "chkBGOn", "chkGalOn", "chkSmooth", "chkRandRot"},
      {{"edHFName", "hills.tga"}, {"edBGName", "stars.png"}, {"edRandRot", "815"}});
}

TEST(BackgroundWriterTest, AllBlocksTogetherInOrderAtTheEndOfTheScene) {
  const std::string all = Background(Everything());
  EXPECT_TRUE(test::MatchesGolden("background_all.pov", all));
  EXPECT_EQ(all.find(kHeader), all.rfind(kHeader));  // one header for all blocks
  ParameterSet scene_set = Everything();
  scene_set.SetOn("ChkWheelOn", false);
  const ComposeResult scene = ComposeScene(scene_set);
  ASSERT_TRUE(scene.status.ok());
  ASSERT_GT(scene.scene.size(), all.size());
  EXPECT_EQ(scene.scene.substr(scene.scene.size() - all.size()), all);
}

TEST(BackgroundScenesTest, PreviewWithEverythingOffIsCameraAndTwoLights) {
  const ComposeResult preview =
      BackgroundPreviewScene(With({}, {{"EdInc2", "#include \"colors.inc\""}}));
  ASSERT_TRUE(preview.status.ok());
  EXPECT_TRUE(test::MatchesGolden("background_preview_empty.pov", preview.scene));
  EXPECT_EQ(preview.scene.find("Worm"), std::string::npos);
}

TEST(BackgroundScenesTest, IncludeIsTheCommentedHeaderThenTheBackground) {
  ParameterSet set;
  const ComposeResult empty = BackgroundIncludeText(set);
  ASSERT_TRUE(empty.status.ok());
  EXPECT_EQ(empty.scene.rfind(
                "/*\r\n// File : VERSION31.POV created by VERMORA v.0.99g ----------\r\n", 0),
            0u);
  EXPECT_EQ(empty.scene.substr(empty.scene.size() - 4), "*/\r\n");
  const ComposeResult full = BackgroundIncludeText(Everything());
  const std::string tail = full.scene.substr(empty.scene.size());
  EXPECT_EQ(full.scene.substr(0, empty.scene.size()), empty.scene);
  EXPECT_EQ(tail, Background(Everything()));
  const std::string folder = test::MakeTempFolder();
  ASSERT_TRUE(ExportBackground(folder + "bg.inc", Everything()).ok());
  EXPECT_FALSE(ExportBackground(folder + "no/such/dir/bg.inc", set).ok());
  std::filesystem::remove_all(folder);
}

// A tiny uncompressed 24-bit TGA with a bright centre: a hill for the height field.
void WriteHillTga(const std::string& path) {
  const int n = 8;
  std::string tga(18, '\0');
  tga[2] = 2;
  tga[12] = n;
  tga[14] = n;
  tga[16] = 24;
  for (int y = 0; y < n; ++y) {
    for (int x = 0; x < n; ++x) {
      const int d = std::abs(2 * x - n + 1) + std::abs(2 * y - n + 1);
      tga.append(3, static_cast<char>(255 - d * 16));
    }
  }
  std::ofstream(path, std::ios::binary) << tga;
}

std::string Preview(const ParameterSet& set) {
  const ComposeResult preview = BackgroundPreviewScene(set);
  EXPECT_TRUE(preview.status.ok());
  return preview.scene;
}

class BackgroundRenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = test::MakeTempFolder();
    WriteHillTga(folder_ + "hill.tga");
  }
  void TearDown() override {
    if (!folder_.empty()) fs::remove_all(folder_);
  }

  // A POV-Ray run takes about 0.7 s however small the picture, nearly all of it
  // waiting, so the scenes render side by side, each in a folder of its own.
  static std::vector<test::Rendered> RenderAll(const std::vector<std::string>& scenes) {
    std::vector<std::future<test::Rendered>> running;
    for (const std::string& scene : scenes)
      running.push_back(
          std::async(std::launch::async, [&scene] { return test::RenderScene(scene); }));
    std::vector<test::Rendered> done;
    for (auto& r : running) done.push_back(r.get());
    return done;
  }

  std::string folder_;
};

TEST_F(BackgroundRenderTest, EachBlockAloneAndTheEmptyPreview) {
  const std::vector<const char*> blocks = {
      "",       "chkSkyOn", "chkCL1",   "chkCL2",    "chkConstFog", "chkGF1",
      "chkGF2", "chkGF3",   "chkSeaOn", "chkLandon", "chkHFOn",     "chkBGOn"};
  std::vector<std::string> scenes;
  for (const char* on : blocks) {
    // The hill serves as the picture too: the picture's text is the golden's.
    const std::string hill = folder_ + "hill.tga";
    ParameterSet set = With({}, {{"edHFName", hill.c_str()}, {"edBGName", hill.c_str()}});
    if (*on) set.SetOn(on, true);
    if (set.On("chkHFOn"))
      set = test::With(set, {"chkSmooth", "chkRandRot"}, {{"edRandRot", "1234"}});
    scenes.push_back(Preview(set));
  }
  const auto outcomes = RenderAll(scenes);
  for (size_t i = 0; i < blocks.size(); ++i)
    EXPECT_TRUE(outcomes[i].outcome.ok())
        << blocks[i] << ": " << outcomes[i].outcome.failure << "\n"
        << outcomes[i].outcome.messages;
}

TEST_F(BackgroundRenderTest, GalaxyRendersForEverySwitchCombination) {
  std::vector<std::string> scenes;
  for (int bits = 0; bits < 8; ++bits) {
    ParameterSet set = With({"chkGalOn"}, {{"edGCol", "<0.9, 0.6, 1>"},
                                           {"edGSeed", std::to_string(100 + bits).c_str()}});
    set.SetOn("chkGBG", bits & 1);
    set.SetOn("chkGObj", bits & 2);
    set.SetOn("chkGStarf", bits & 4);
    scenes.push_back(Preview(set));
  }
  // The user's sky beside the galaxy: the stars take their own shell unless the
  // galaxy's black sky is on, so the sky stays (and POV-Ray sees one sky sphere).
  for (bool galaxy_sky : {false, true}) {
    ParameterSet set = With({"chkSkyOn", "chkGalOn"});
    set.SetOn("chkGBG", galaxy_sky);
    scenes.push_back(Preview(set));
  }
  const auto outcomes = RenderAll(scenes);
  for (size_t i = 0; i < outcomes.size(); ++i)
    EXPECT_TRUE(outcomes[i].outcome.ok())
        << "scene " << i << ": " << outcomes[i].outcome.failure << "\n"
        << outcomes[i].outcome.messages;
  EXPECT_EQ(outcomes[8].outcome.messages.find("Only one sky-sphere"), std::string::npos);
  // The sky's colours average about 190 of 255; the galaxy's sky is near black.
  EXPECT_GT(outcomes[8].picture.MeanLevel(), 150);
  EXPECT_LT(outcomes[9].picture.MeanLevel(), 80);
}

TEST_F(BackgroundRenderTest, MissingImageFilesAreReportedByName) {
  // Long enough that POV-Ray wraps its message inside the name.
  const std::string gone = folder_ + "a_folder_with_a_long_name_so_that_the_message_wraps/gone.png";
  // The height field inside a whole creature scene with a sky, sea and galaxy
  // around it; the picture in the preview.
  const ComposeResult composed = ComposeScene(
      test::With(test::SpiralOnly(), {"chkHFOn", "chkSkyOn", "chkCL1", "chkSeaOn", "chkGalOn"},
                 {{"edHFName", gone.c_str()}}));
  ASSERT_TRUE(composed.status.ok());
  for (const test::Rendered& r :
       RenderAll({composed.scene, Preview(With({"chkBGOn"}, {{"edBGName", gone.c_str()}}))})) {
    const RenderOutcome& outcome = r.outcome;
    EXPECT_FALSE(outcome.ok());
    EXPECT_TRUE(outcome.error_reported);
    EXPECT_NE(outcome.failure.find("'" + gone + "'"), std::string::npos) << outcome.failure;
  }
}

TEST(BackgroundFileTest, DefaultFileLinesAndKeys) {
  const std::string text = BackgroundFileText(ParameterSet());
  EXPECT_TRUE(test::MatchesGolden("background_default.vbk", text));
  const auto lines = Lines(text);
  ASSERT_EQ(lines.size(), BackgroundFileKeys().size() + 1);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 5),
            (std::vector<std::string>{"Quorel 0.9", "chkSkyOn|N", "chkSeaOn|N", "chkBGOn|N",
                                      "edSC1R|0.650"}));
  EXPECT_NE(std::find(lines.begin(), lines.end(), "chkLandOn|N"), lines.end());
  for (const std::string& line : lines) {
    const std::string key = line.substr(0, line.find('|'));
    for (const char* kept_out :
         {"edHFHeight", "chkGalOn", "edGSeed", "edGCol", "edGColN", "edGTurb", "edGIntens",
          "edGRot", "chkGBG", "chkGObj", "chkGStarf"}) {
      EXPECT_NE(key, kept_out);
    }
  }
}

ParameterSet Changed() {
  return With({"chkSkyOn", "chkLandon", "chkGF3"},
              {{"edSC1R", "0.123"},
               {"edLandTex", "texture { pigment { rgb <1|2~3> } }"},
               {"edHFName", "C:\\land\\hill s.tga"},
               {"edBGDistance", "not a number"}});
}

TEST(BackgroundFileTest, RoundTripKeepsGalaxyAndHeightFieldHeight) {
  const std::string folder = test::MakeTempFolder();
  const std::string path = folder + "scene.vbk";
  ASSERT_TRUE(SaveBackground(path, Changed()).ok());
  ParameterSet loaded = With({"chkGalOn"}, {{"edGSeed", "99"}, {"edHFHeight", "-7"}});
  int refreshed = 0;
  ASSERT_TRUE(LoadBackground(path, loaded, [&](ParameterSet&) { ++refreshed; }).ok());
  EXPECT_EQ(refreshed, 1);
  EXPECT_EQ(BackgroundFileText(loaded), BackgroundFileText(Changed()));
  EXPECT_TRUE(loaded.On("chkLandon"));
  EXPECT_TRUE(loaded.On("chkGalOn"));
  EXPECT_EQ(loaded.Text("edGSeed"), "99");
  EXPECT_EQ(loaded.Text("edHFHeight"), "-7");
  fs::remove_all(folder);
}

TEST(BackgroundFileTest, LoadAppliesOnlyBackgroundLines) {
  ParameterSet set;
  const std::string before_number = set.Text("EdNumber");
  ASSERT_TRUE(LoadBackgroundText("Quorel 0.9\r\nchkLandOn|Y\r\nchkGalOn|Y\r\nEdNumber|77\r\n"
                                 "edgseed|1\r\nedHFHeight|5\r\nnoSuchKey|1\r\nedsc2b|0.5",
                                 set)
                  .ok());
  EXPECT_TRUE(set.On("chkLandon"));
  EXPECT_FALSE(set.On("chkGalOn"));
  EXPECT_EQ(set.Text("EdNumber"), before_number);
  EXPECT_EQ(set.Text("edGSeed"), "12345");
  EXPECT_EQ(set.Text("edHFHeight"), "-20");
  EXPECT_EQ(set.Text("edSC2B"), "0.5");
}

TEST(BackgroundFileTest, BadFilesFailWithTheLoadersMessages) {
  ParameterSet set;
  Status corrupt =
      LoadBackgroundText("Quorel 0.9\r\nchkSeaOn|Y\r\nEdNumber|1\r\nbroken\r\nchkSkyOn|Y\r\n", set);
  EXPECT_EQ(corrupt.message(), "Corrupted name/data!  Load aborted");
  EXPECT_TRUE(set.On("chkSeaOn"));
  EXPECT_FALSE(set.On("chkSkyOn"));
  ParameterSet untouched;
  Status mark = LoadBackgroundText("Quorel 1.0\r\nchkSkyOn|Y\r\n", untouched);
  EXPECT_EQ(mark.message(), "Unknown version or file format.  Possible data corruption in file?");
  EXPECT_EQ(untouched, ParameterSet());
  Status missing = LoadBackground("/no/such/folder/x.vbk", untouched);
  EXPECT_FALSE(missing.ok());
  EXPECT_FALSE(missing.message().empty());
  EXPECT_FALSE(SaveBackground("/no/such/folder/x.vbk", untouched).ok());
}

TEST(ColourRowsTest, DialogWritesFractionsAndUpdateRounds) {
  ParameterSet set;
  const ColourRow* sky = FindColourRow("sbSky1");
  ASSERT_NE(sky, nullptr);
  EXPECT_EQ(FindColourRow("edsc1g"), sky);
  EXPECT_EQ(FindColourRow("EdNumber"), nullptr);
  EXPECT_EQ(FindColourRow("sbUpL_2")->swatch, "shL_2");
  EXPECT_EQ(ApplyChosenColour(set, *sky, {166, 0, 255}), (Rgb8{166, 0, 255}));
  EXPECT_EQ(set.Text("edSC1R") + " " + set.Text("edSC1G") + " " + set.Text("edSC1B"),
            "0.651 0.000 1.000");
  Diagnostics d;
  // Default texts give the start colours (the ground fog 1 swatch starts one
  // step darker than its 0.500 field rounds to).
  for (const ColourRow& row : BackgroundColourRows()) {
    const Rgb8 shown = SwatchFromFields(set, row, d);
    if (row.swatch == "Kleur1") continue;
    EXPECT_EQ(shown, (row.swatch == "shGF1" ? Rgb8{128, 140, 166} : row.start)) << row.swatch;
  }
  EXPECT_TRUE(d.warnings.empty());
  const ColourRow& fog = *FindColourRow("ShCF");
  set.SetText("edCFR", "0.5");   // 127.5 rounds to even
  set.SetText("edCFG", "1E30");  // beyond the range: the brightest
  set.SetText("edCFB", "1,5");
  EXPECT_EQ(SwatchFromFields(set, fog, d), (Rgb8{128, 255, 0}));
  ASSERT_EQ(d.warnings.size(), 1u);
  EXPECT_EQ(d.warnings[0], "1,5 ... is not valid");
  EXPECT_EQ(set.Text("edCFR"), "0.5");  // not rewritten
  EXPECT_EQ(RefreshSwatches(set, d).size(), BackgroundColourRows().size());
}

TEST(BackgroundRulesTest, SeedFileNamesAndSwitches) {
  ParameterSet set;
  Random random;
  const FixedClock clock(1000);
  set.UseGenerator(&random, &clock);  // the set's own rules draw the seed
  set.SetOn("chkRandRot", true);
  // (1000 * 134775813 + 1) mod 2^32 = 1631826825; / 2^32 * 10000 = 3799.39...
  EXPECT_EQ(set.Text("edRandRot"), "3799");
  set.SetOn("chkRandRot", false);
  EXPECT_EQ(set.Text("edRandRot"), "3799");
  ChoosePictureFile(set, "/pics/sky.png");
  EXPECT_TRUE(set.On("chkBGOn"));
  EXPECT_EQ(set.Text("edBGName"), "/pics/sky.png");
  set.SetOn("chkBGOn", false);
  EXPECT_EQ(set.Text("edBGName"), "");
  ChooseHeightFieldFile(set, "/maps/hill.tga");
  EXPECT_TRUE(set.On("chkHFOn"));
  set.SetOn("chkHFOn", false);
  EXPECT_EQ(set.Text("edHFName"), "");
  FileFieldClicked(set, "edHFName");
  EXPECT_TRUE(set.On("chkHFOn"));
  FileFieldClicked(set, "edBGName");
  EXPECT_TRUE(set.On("chkBGOn"));
  EXPECT_FALSE(ApplyBackgroundRule(set, "chkSkyOn", random, clock));
}

}  // namespace
}  // namespace vermora
