#include <gtest/gtest.h>

#include <filesystem>

#include "params/parameter_set.h"
#include "params/settings_file.h"
#include "support/test_support.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;
using test::Cli;
using test::Shell;

// The thing's final translation, pasted into the last placement of each frame.
std::string TranslationOf(const std::string& scene) {
  const size_t at = scene.rfind("  translate <");
  return scene.substr(at + 13, scene.find(',', at) - at - 13);
}

class AnimChainTest : public test::InTempFolder {
 protected:
  void SetUp() override {
    for (const auto& [name, x] :
         {std::pair{"a", "0"}, std::pair{"b", "10"}, std::pair{"c", "20"}}) {
      ParameterSet key;
      key.SetText("EdTPostTranslateX", x);
      ASSERT_TRUE(SaveSettings(dir_ + name + ".vmx", key).ok());
    }
    keys_ = dir_ + "a.vmx --then " + dir_ + "b.vmx --then " + dir_ + "c.vmx";
  }
  std::vector<std::string> Translations(const std::string& folder) {
    std::vector<std::string> found;
    for (int i = 1; fs::exists(folder + "anim00" + std::to_string(i) + ".pov"); ++i) {
      found.push_back(
          TranslationOf(test::ReadFile(folder + "anim00" + std::to_string(i) + ".pov")));
    }
    return found;
  }
  std::string keys_;
};

// S-curve: f = 0.5 sin(pi (t - 0.5)) + 0.5, so a third of the way is 0.25 and
// two thirds 0.75; the joins sit on the key sets, and the loop does not repeat
// the first one.
TEST_F(AnimChainTest, ThreeKeysLoopWithoutAJumpOrARepeat) {
  const std::string a_before = test::ReadFile(dir_ + "a.vmx");
  test::ShellRun run =
      Cli("anim " + keys_ + " --loop --frames 3 --curve s-curve --job-list -o " + dir_ + "loop");
  ASSERT_EQ(run.code, 0) << run.output;
  EXPECT_EQ(Translations(dir_ + "loop/"),
            (std::vector<std::string>{"0.00", "2.500", "7.500", "10.00", "12.500", "17.500",
                                      "20.00", "15.000", "5.000"}));
  EXPECT_FALSE(fs::exists(dir_ + "loop/anim010.pov"));
  EXPECT_EQ(test::ReadFile(dir_ + "a.vmx"), a_before);
  EXPECT_FALSE(fs::exists(dir_ + "loop/_anim.vmx"));
  run = Cli("anim " + keys_ + " --frames 2 --job-list -o " + dir_ +
            "open");  // ends on the last key set
  ASSERT_EQ(run.code, 0) << run.output;
  EXPECT_EQ(Translations(dir_ + "open/"),
            (std::vector<std::string>{"0.00", "5.000", "10.00", "15.000", "20.000"}));
  ParameterSet curl;
  curl.SetIndex("RadioGroup1", 1);
  ASSERT_TRUE(SaveSettings(dir_ + "curl.vmx", curl).ok());
  run =
      Cli("anim " + keys_ + " --then " + dir_ + "curl.vmx --frames 2 --job-list -o " + dir_ + "x");
  EXPECT_TRUE(test::Says(run, 1, "--force"));
  EXPECT_EQ(Cli("anim " + dir_ + "a.vmx --loop -o " + dir_ + "x").code, 2);
}

TEST_F(AnimChainTest, FramesBecomeAVideo) {
  for (const char* video : {"chain.mp4", "chain.gif"}) {
    const test::ShellRun run =
        Cli("anim " + keys_ + " --loop --frames 2 --width 32 --height 24 --jobs 2 --video " + dir_ +
            video + " -o " + dir_ + "frames");
    ASSERT_EQ(run.code, 0) << run.output;
    const test::ShellRun probe = Shell(
        "ffprobe -v error -count_frames -select_streams v:0 -show_entries "
        "stream=nb_read_frames,width,height -of csv=p=0 " +
        dir_ + video);
    EXPECT_EQ(probe.output, "32,24,6\n") << video;
  }
  // A player starts an MP4 before it has all of it: the index stands before the frames.
  const std::string mp4 = test::ReadFile(dir_ + "chain.mp4");
  EXPECT_LT(mp4.find("moov"), mp4.find("mdat"));
}

}  // namespace
}  // namespace vermora
