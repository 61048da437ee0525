#include "background/background_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "background/background_rules.h"
#include "background/colour_rows.h"
#include "support/test_support.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;

using test::Lines;

TEST(BackgroundFileTest, DefaultFileLinesAndKeys) {
  const std::string text = BackgroundFileText(ParameterSet());
  EXPECT_TRUE(test::MatchesGolden("background_default.vbk", text));
  const auto lines = Lines(text);
  ASSERT_EQ(lines.size(), BackgroundFileKeys().size() + 1);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 5),
            (std::vector<std::string>{"Quorel 0.9", "chkSkyOn|N", "chkSeaOn|N", "chkBGOn|N", "edSC1R|0.650"}));
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
  ParameterSet set;
  set.SetOn("chkSkyOn", true);
  set.SetOn("chkLandon", true);
  set.SetOn("chkGF3", true);
  set.SetText("edSC1R", "0.123");
  set.SetText("edLandTex", "texture { pigment { rgb <1|2~3> } }");
  set.SetText("edHFName", "C:\\land\\hill s.tga");
  set.SetText("edBGDistance", "not a number");
  return set;
}

TEST(BackgroundFileTest, RoundTripKeepsGalaxyAndHeightFieldHeight) {
  const std::string folder = test::MakeTempFolder();
  const std::string path = folder + "scene.vbk";
  ASSERT_TRUE(SaveBackground(path, Changed()).ok());

  ParameterSet loaded;
  loaded.SetOn("chkGalOn", true);
  loaded.SetText("edGSeed", "99");
  loaded.SetText("edHFHeight", "-7");
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
  EXPECT_EQ(set.Text("edSC1R") + " " + set.Text("edSC1G") + " " + set.Text("edSC1B"), "0.651 0.000 1.000");

  Diagnostics d;
  // Default texts give the start colours (the ground fog 1 swatch starts one
  // step darker than its 0.500 field rounds to).
  for (const ColourRow& row : BackgroundColourRows()) {
    const Rgb8 shown = SwatchFromFields(set, row, d);
    if (row.swatch == "Kleur1") continue;
    if (row.swatch == "shGF1") {
      EXPECT_EQ(shown, (Rgb8{128, 140, 166}));
    } else {
      EXPECT_EQ(shown, row.start) << row.swatch;
    }
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
