#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <future>
#include <string>
#include <vector>

#include "background/background_scenes.h"
#include "render/renderer.h"
#include "scene/composer.h"
#include "support/test_support.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;

void Put16(std::string& out, unsigned v) {
  out += static_cast<char>(v & 0xff);
  out += static_cast<char>((v >> 8) & 0xff);
}
void Put32(std::string& out, std::uint32_t v) {
  Put16(out, v & 0xffff);
  Put16(out, v >> 16);
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

// A tiny 24-bit BMP in two colours for the picture.
void WriteStripesBmp(const std::string& path) {
  const int w = 4, h = 4, row = w * 3;  // 12 bytes a row: already a multiple of 4
  std::string bmp = "BM";
  Put32(bmp, 54 + row * h);
  Put32(bmp, 0);
  Put32(bmp, 54);
  Put32(bmp, 40);
  Put32(bmp, w);
  Put32(bmp, h);
  Put16(bmp, 1);
  Put16(bmp, 24);
  for (int i = 0; i < 6; ++i) Put32(bmp, 0);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x)
      bmp += y < h / 2 ? std::string("\xff\x80\x20", 3) : std::string("\x20\xc0\x40", 3);
  }
  std::ofstream(path, std::ios::binary) << bmp;
}

std::string Preview(const ParameterSet& set) {
  const ComposeResult preview = BackgroundPreviewScene(set);
  EXPECT_TRUE(preview.status.ok());
  return preview.scene;
}

class BackgroundRenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!test::HavePovray()) GTEST_SKIP() << "POV-Ray is not installed";
    folder_ = test::MakeTempFolder();
    WriteHillTga(folder_ + "hill.tga");
    WriteStripesBmp(folder_ + "stripes.bmp");
  }
  void TearDown() override {
    if (!folder_.empty()) fs::remove_all(folder_);
  }

  // A POV-Ray run takes about 0.7 s however small the picture, nearly all of it
  // waiting, so the scenes render side by side, each in a folder of its own.
  static std::vector<test::Rendered> RenderAll(const std::vector<std::string>& scenes) {
    std::vector<std::future<test::Rendered>> running;
    for (const std::string& scene : scenes) running.push_back(std::async(std::launch::async, [&scene] { return test::RenderScene(scene); }));
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
    ParameterSet set;
    if (*on) set.SetOn(on, true);
    set.SetText("edHFName", folder_ + "hill.tga");
    set.SetText("edBGName", folder_ + "stripes.bmp");
    if (set.On("chkHFOn")) {
      set.SetOn("chkSmooth", true);
      set.SetOn("chkRandRot", true);
      set.SetText("edRandRot", "1234");
    }
    scenes.push_back(Preview(set));
  }
  const auto outcomes = RenderAll(scenes);
  for (size_t i = 0; i < blocks.size(); ++i) {
    EXPECT_TRUE(outcomes[i].outcome.ok()) << blocks[i] << ": " << outcomes[i].outcome.failure << "\n"
                                  << outcomes[i].outcome.messages;
  }
}

TEST_F(BackgroundRenderTest, GalaxyRendersForEverySwitchCombination) {
  std::vector<std::string> scenes;
  for (int bits = 0; bits < 8; ++bits) {
    ParameterSet set;
    set.SetOn("chkGalOn", true);
    set.SetOn("chkGBG", bits & 1);
    set.SetOn("chkGObj", bits & 2);
    set.SetOn("chkGStarf", bits & 4);
    set.SetText("edGCol", "<0.9, 0.6, 1>");
    set.SetText("edGSeed", std::to_string(100 + bits));
    scenes.push_back(Preview(set));
  }
  // The user's sky beside the galaxy: the stars take their own shell unless the
  // galaxy's black sky is on, so the sky stays (and POV-Ray sees one sky sphere).
  for (bool galaxy_sky : {false, true}) {
    ParameterSet set;
    set.SetOn("chkSkyOn", true);
    set.SetOn("chkGalOn", true);
    set.SetOn("chkGBG", galaxy_sky);
    scenes.push_back(Preview(set));
  }
  const auto outcomes = RenderAll(scenes);
  for (size_t i = 0; i < outcomes.size(); ++i) {
    EXPECT_TRUE(outcomes[i].outcome.ok()) << "scene " << i << ": " << outcomes[i].outcome.failure << "\n"
                                  << outcomes[i].outcome.messages;
  }
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
  ParameterSet scene = test::SpiralOnly();
  for (const char* on : {"chkHFOn", "chkSkyOn", "chkCL1", "chkSeaOn", "chkGalOn"}) {
    scene.SetOn(on, true);
  }
  scene.SetText("edHFName", gone);
  const ComposeResult composed = ComposeScene(scene);
  ASSERT_TRUE(composed.status.ok());
  ParameterSet picture;
  picture.SetOn("chkBGOn", true);
  picture.SetText("edBGName", gone);

  for (const test::Rendered& r : RenderAll({composed.scene, Preview(picture)})) {
    const RenderOutcome& outcome = r.outcome;
    EXPECT_FALSE(outcome.ok());
    EXPECT_TRUE(outcome.error_reported);
    EXPECT_NE(outcome.failure.find("'" + gone + "'"), std::string::npos) << outcome.failure;
  }
}

}  // namespace
}  // namespace vermora
