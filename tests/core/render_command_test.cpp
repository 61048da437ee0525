#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "params/working_files.h"
#include "render/render_command.h"
#include "support/test_support.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;

RenderSetup SetupIn(const std::string& folder, const std::string& povray = test::kPovray) {
  RenderSetup setup;
  setup.povray_path = povray;
  setup.folder = folder;
  setup.include_dirs = {VERMORA_DATA_DIR};
  return setup;
}

TEST(RenderCommandTest, PrepareClearsOldFilesWritesSceneAndBuildsTheLine) {
  const std::string dir = test::MakeTempFolder();
  std::ofstream(dir + "TEMP.BMP") << "old";
  std::ofstream(dir + "alltext.out") << "old";
  const PreparedRender p = PrepareRender(test::SpiralOnly(), SetupIn(dir, "/bin/true"));
  EXPECT_TRUE(p.ready()) << p.renderer_problem;
  EXPECT_FALSE(fs::exists(dir + "TEMP.BMP"));
  EXPECT_FALSE(fs::exists(dir + "alltext.out"));
  EXPECT_GT(fs::file_size(dir + "TEMP.POV"), 100u);
  EXPECT_EQ(p.command_line, "/bin/true /EXIT /RENDER \"" + dir + "TEMP.POV\" +FS +H163 +W209 -A -P \"Output_File_Name=" +
                                dir + "TEMP.BMP\" +KFF-1 \"All_File=" + dir + "ALLTEXT.OUT\" ");
  // The line's translation: CommandLineTest; here that the include folders reach it.
  EXPECT_EQ(p.invocation.program, "/bin/true");
  EXPECT_EQ(p.invocation.args.at(8), std::string("+L") + VERMORA_DATA_DIR);
  fs::remove_all(dir);
}

TEST(RenderCommandTest, QuotesAndBlanksStayInsideTheirArguments) {
  const std::string dir = test::MakeTempFolder();
  const std::string odd = dir + "a \" b; $HOME/";
  ParameterSet set;
  set.SetText("edImageW", "2 0\"9");
  const PreparedRender p = PrepareRender(set, SetupIn(odd, "/bin/true"));
  EXPECT_TRUE(p.ready());
  EXPECT_EQ(p.invocation.working_dir, dir + "a \" b; $HOME");
  EXPECT_EQ(p.invocation.image_path, odd + "TEMP.BMP");
  EXPECT_EQ(p.invocation.args[4], "+W2 0\"9");
  EXPECT_TRUE(fs::exists(odd + "TEMP.POV"));
  fs::remove_all(dir);
}

TEST(RenderCommandTest, MissingRendererIsToldAndTheSceneIsStillWritten) {
  const std::string dir = test::MakeTempFolder();
  const PreparedRender p = PrepareRender(ParameterSet(), SetupIn(dir, "/no/such/povray"));
  EXPECT_FALSE(p.ready());
  EXPECT_NE(p.renderer_problem.find("Povray Path"), std::string::npos);
  EXPECT_TRUE(fs::exists(dir + "TEMP.POV"));

  const RenderOutcome o = RenderScene(ParameterSet(), SetupIn(dir, "/no/such/povray"));
  EXPECT_FALSE(o.ok());
  EXPECT_FALSE(o.started);
  EXPECT_NE(o.failure.find("not found"), std::string::npos);
  fs::remove_all(dir);
}

TEST(RenderCommandTest, RendererThatWritesNothingIsAFailure) {
  const std::string dir = test::MakeTempFolder();
  const RenderOutcome o = RenderScene(test::SpiralOnly(), SetupIn(dir, "/bin/true"));
  EXPECT_TRUE(o.started);
  EXPECT_FALSE(o.ok());
  EXPECT_EQ(o.failure, "POV-Ray wrote no picture");
  fs::remove_all(dir);
}

TEST(RenderCommandTest, ProgressAndErrorLines) {
  for (const auto& [text, percent] :
       {std::pair{"", -1}, {"Parsing 12K tokens", -1}, {"a (100%)", 100}, {"oddly 55%)", -1},
        {"Rendered 1024 of 34067 pixels (3%)\rRendered 9760 of 34067 pixels (28%)", 28}}) {
    EXPECT_EQ(RenderProgressPercent(text), percent) << text;
  }

  const auto lines = MessageLines("one\r\ntwo\r\nFile 'TEMP.POV' line 3: Parse Error: x\r\nERROR\n");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1], "two");
  EXPECT_EQ(FirstErrorLine(lines), 2);
  EXPECT_EQ(FirstErrorLine(MessageLines("all fine\r\n")), -1);
}

TEST(RealRenderCommandTest, SpiralWormAtTinySize) {
  if (!test::HavePovray()) GTEST_SKIP() << "POV-Ray is not installed";
  const std::string dir = test::MakeTempFolder();
  ParameterSet set = test::SpiralOnly();
  set.SetText("edImageW", "32");
  set.SetText("edImageH", "24");
  set.SetText("edCamLocZ", "-15");  // near enough for the worm to fill some pixels
  const RenderOutcome o = RenderScene(set, SetupIn(dir), 60);
  EXPECT_TRUE(o.ok()) << o.failure;
  EXPECT_GE(test::ReadBmp(dir + "TEMP.BMP").Differing(), 10) << "the worm is missing";
  EXPECT_TRUE(fs::exists(dir + "ALLTEXT.OUT"));
  fs::remove_all(dir);
}

}  // namespace
}  // namespace vermora
