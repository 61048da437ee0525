#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "compose/composer.h"
#include "params/working_files.h"
#include "render/command_line.h"
#include "render/file_directives.h"
#include "render/render_command.h"
#include "render/renderer.h"
#include "support/creatures.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;

TEST(CommandLineTest, FixedFormAndItsTranslation) {
  const std::string line =
      RenderCommandLine("/usr/bin/povray", "/tmp/v f/", "TEMP.POV", "209", "163", false);
  EXPECT_EQ(line,
            "/usr/bin/povray /EXIT /RENDER \"/tmp/v f/TEMP.POV\" +FS +H163 +W209 -A -P "
            "\"Output_File_Name=/tmp/v f/TEMP.BMP\" +KFF-1 \"All_File=/tmp/v f/ALLTEXT.OUT\" ");
  const RenderInvocation inv = TranslateCommandLine(line, {"/data dir"});
  EXPECT_EQ(inv.program, "/usr/bin/povray");
  EXPECT_EQ(inv.working_dir, "/tmp/v f");
  EXPECT_EQ(inv.image_path, "/tmp/v f/TEMP.BMP");
  EXPECT_EQ(inv.written_image, "/tmp/v f/TEMP.bmp");
  EXPECT_EQ(inv.args,
            (std::vector<std::string>{"+ITEMP.POV", "+FB", "+OTEMP.bmp", "+H163", "+W209", "-A",
                                      "-P", "-D", "+L/data dir", "All_File=ALLTEXT.OUT"}));
  EXPECT_TRUE(TranslateCommandLine("povray +I x", {}).program.empty());
}

TEST(RendererTest, ErrorLinesAndMissingRenderer) {
  for (const char* line : {"File 'TEMP.POV' line 3: Parse Error: No matching } in 'union'",
                           "Fatal error in parser: Cannot parse input.", "ERROR"}) {
    EXPECT_TRUE(IsErrorLine(line)) << line;
  }
  EXPECT_FALSE(IsErrorLine("Parse Warning: something"));
  EXPECT_NE(RendererPathProblem("/no/such/povray").find("not found"), std::string::npos);
  const std::string dir = test::MakeTempFolder();
  std::ofstream(dir + "plain.txt") << "not a program";
  EXPECT_NE(RendererPathProblem(dir + "plain.txt").find("not an executable"), std::string::npos);
  EXPECT_NE(RendererPathProblem(dir).find("not an executable"), std::string::npos);
  fs::remove_all(dir);
  EXPECT_EQ(RendererPathProblem("/bin/sh"), "");
}

TEST(RendererTest, WrappedErrorMessageIsKeptWhole) {
  const std::string dir = test::MakeTempFolder();
  RenderInvocation inv;
  inv.image_path = dir + "TEMP.BMP";
  inv.written_image = inv.image_path;
  inv.messages_path = dir + "ALLTEXT.OUT";
  std::ofstream(inv.messages_path)
      << "File: TEMP.POV  Line: 198\n"
      << "Possible Parse Error: Cannot find file '/tmp/bgx/a_rather_long_folder_name_for_t\n"
      << "esting/and_another_level_of_folders/picture.png', even after trying to append\n"
      << " file type extension.\n"
      << "File: TEMP.POV  Line: 198\n"
      << "Possible Parse Error: Cannot find image file.\n";
  const RenderOutcome outcome = FinishRender(inv, 0, "");
  EXPECT_EQ(
      outcome.failure,
      "POV-Ray reported an error: Possible Parse Error: Cannot find file "
      "'/tmp/bgx/a_rather_long_folder_name_for_testing/and_another_level_of_folders/picture.png"
      "', even after trying to append file type extension.");
  fs::remove_all(dir);
}

// Sets that once wrote scenes POV-Ray stops on: each renders now, or is
// refused before the render with a message naming the field to fill.
TEST(RealRendererTest, SetsThatBrokeTheSceneRenderOrAreRefused) {
  const struct {
    const char* what;
    std::vector<std::pair<const char*, const char*>> texts;
    std::vector<const char*> flips;  // switches turned to the other state
    int worm;                        // RadioGroup1, or -2 to keep it
    const char* refusal_names;       // empty: must render
    const char* scene_holds = "";
  } cases[] = {
      {"side objects", {}, {"chkSOOn"}, 2, "", "#declare Spik4 =  union {"},
      {"tentacle members",
       {{"EdTNumber", "4"}},
       {"ChkWheelOn", "ChkWormAsTent"},
       -2,
       "",
       "#declare Spik4 =  union {"},
      {"bubbles bigger than a step",
       {{"EdBBScaleSt", "5"}, {"EdBBScEnd", "20"}, {"EdBBScCenter", "-2"}, {"EdBBScNr", "5"}},
       {"chkJConnect"},
       -2,
       "",
       " #if (D > abs(Rd))"},
      {"repeated spline point",
       {{"edPoint2X", "0"},
        {"edPoint2Y", "0"},
        {"edPoint2Z", "0"},
        {"edSTVX", "0"},
        {"edSTVZ", "0"},
        {"edTorRad", "0.3"},
        {"edCamLocZ", "-6"}},
       {},
       7,
       ""},
      {"tiny cluster step",
       {{"EdCNumber", "1"}, {"edCRotStep", "1e-15"}},
       {"ChkClusterOn", "ChkCRotXOn"},
       -2,
       ""},
      {"no worm", {}, {}, -1, "RadioGroup1"},
      {"no alternate worm", {}, {"ChkAlternate"}, -2, "RadioGroup2"},
      {"height field without file", {}, {"chkHFOn"}, -2, "edHFName"},
      {"picture without file", {{"edBGName", "  "}}, {"chkBGOn"}, -2, "edBGName"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ParameterSet set = test::SpiralOnly();
    for (const auto& [field, text] : c.texts) set.SetText(field, text);
    for (const char* name : c.flips) set.SetOn(name, !set.On(name));
    if (c.worm != -2) set.SetIndex("RadioGroup1", c.worm);
    // The rules give the alternate worm a choice; a file can still hold none.
    if (set.On("ChkAlternate") && *c.refusal_names == 'R') set.SetIndex("RadioGroup2", -1);
    const ComposeResult composed = ComposeScene(set);
    if (*c.refusal_names) {
      EXPECT_NE(composed.status.message().find(c.refusal_names), std::string::npos)
          << composed.status.message();
      continue;
    }
    ASSERT_TRUE(composed.status.ok()) << composed.status.message();
    EXPECT_NE(composed.scene.find(c.scene_holds), std::string::npos);
    test::ExpectRenders(set);
  }
}

TEST(RealRendererTest, SceneErrorIsAFailure) {
  ParameterSet set = test::SpiralOnly();
  set.SetText("edJSegm", "object {NoSuchObject}");
  const test::Rendered r = test::RenderSet(set);
  EXPECT_FALSE(r.outcome.ok());
  EXPECT_TRUE(r.outcome.error_reported);
  EXPECT_FALSE(r.outcome.image_written);
}

// A shared set's include line that writes a file: the render runs in a folder of
// its own, so nothing lands beside the user's sets; the picture still comes back
// under the name the window reads.
TEST(RealRendererTest, AScenesFilesStayOutOfTheProgramFolder) {
  ParameterSet set = test::SpiralOnly();
  set.SetText("EdInc2", "#fopen F \"_default.vmx\" write #write (F, \"Quorel 0.9\") #fclose F");
  const test::Rendered r = test::RenderSet(set);
  EXPECT_TRUE(r.outcome.ok()) << r.outcome.failure << "\n" << r.outcome.messages;
  EXPECT_EQ(r.picture.width * r.picture.height, 32 * 24);
  EXPECT_NE(r.outcome.messages.find("Parser Options"), std::string::npos);
  EXPECT_EQ(r.files_left, (std::vector<std::string>{"ALLTEXT.OUT", "TEMP.BMP", "TEMP.POV"}));
}

TEST(FileDirectivesTest, FindsWhatReadsOrWritesFiles) {
  const struct {
    const char* text;
    const char* found;
  } cases[] = {
      // found: the directive reported, "" for none
      {"#include \"vmxpred.inc\"", ""},  // our data folder
      {"#include \"colors.inc\"", ""},   // POV-Ray's own
      {"#include \"/home/me/.ssh/id_rsa\"", "#include \"/home/me/.ssh/id_rsa\""},
      {"#include \"../_default.vmx\"", "#include \"../_default.vmx\""},
      {"#include \"nosuch.inc\"", "#include \"nosuch.inc\""},
      {"#include Name", "#include Name"},
      {"sphere {0,1} # fopen F \"x\" write", "# fopen F \"x\" write"},
      {"#read (F, V)", "#read (F, V)"},
      {"#write(F, \"x\")", "#write(F, \"x\")"},
      {"Parse_String(\"x\")", "Parse_String(\"x\")"},
      {"#declare readme = 1; #writer", ""},
  };
  for (const auto& c : cases) {
    ParameterSet set;
    set.SetText("EdInc1", c.text);
    const std::vector<FileDirective> found = FindFileDirectives(set, {VERMORA_DATA_DIR});
    if (*c.found == '\0') {
      EXPECT_TRUE(found.empty()) << c.text;
      continue;
    }
    ASSERT_EQ(found.size(), 1u) << c.text;
    EXPECT_EQ(found[0].field, "EdInc1");
    EXPECT_EQ(found[0].directive, c.found);
  }
  EXPECT_TRUE(FindFileDirectives(ParameterSet(), {VERMORA_DATA_DIR}).empty());  // the defaults
}

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
  EXPECT_EQ(p.command_line, "/bin/true /EXIT /RENDER \"" + dir +
                                "TEMP.POV\" +FS +H163 +W209 -A -P \"Output_File_Name=" + dir +
                                "TEMP.BMP\" +KFF-1 \"All_File=" + dir + "ALLTEXT.OUT\" ");
  // The line's translation: CommandLineTest; here that the include folders reach it.
  EXPECT_EQ(p.invocation.program, "/bin/true");
  EXPECT_EQ(p.invocation.args.at(8), std::string("+L") + VERMORA_DATA_DIR);
  fs::remove_all(dir);
}

TEST(RenderCommandTest, QuotesAndBlanksStayInsideTheirArguments) {
  const std::string dir = test::MakeTempFolder();
  const std::string odd = dir + "a \" b; $HOME/";
  const PreparedRender p = PrepareRender(ParameterSet(), SetupIn(odd, "/bin/true"));
  EXPECT_TRUE(p.ready());
  EXPECT_EQ(p.invocation.working_dir, dir + "a \" b; $HOME");
  EXPECT_EQ(p.invocation.image_path, odd + "TEMP.BMP");
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
       {std::pair{"", -1},
        {"Parsing 12K tokens", -1},
        {"a (100%)", 100},
        {"oddly 55%)", -1},
        {"Rendered 1024 of 34067 pixels (3%)\rRendered 9760 of 34067 pixels (28%)", 28}}) {
    EXPECT_EQ(RenderProgressPercent(text), percent) << text;
  }
  const auto lines =
      MessageLines("one\r\ntwo\r\nFile 'TEMP.POV' line 3: Parse Error: x\r\nERROR\n");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1], "two");
  EXPECT_EQ(FirstErrorLine(lines), 2);
  EXPECT_EQ(FirstErrorLine(MessageLines("all fine\r\n")), -1);
}

TEST(RealRenderCommandTest, SpiralWormAtTinySize) {
  const std::string dir = test::MakeTempFolder();
  // Near enough for the worm to fill some pixels.
  const ParameterSet set = test::With(
      test::SpiralOnly(), {}, {{"edImageW", "32"}, {"edImageH", "24"}, {"edCamLocZ", "-15"}});
  const RenderOutcome o = RenderScene(set, SetupIn(dir), 60);
  EXPECT_TRUE(o.ok()) << o.failure;
  EXPECT_GE(test::ReadBmp(dir + "TEMP.BMP").Differing(), 10) << "the worm is missing";
  EXPECT_TRUE(fs::exists(dir + "ALLTEXT.OUT"));
  fs::remove_all(dir);
}

}  // namespace
}  // namespace vermora

namespace vermora {
namespace {

// Texts a stranger's set could hold: each use of files must be found however
// it is written, and a size may never add an option.
TEST(SharedSetTest, HiddenFileUsesAreFoundAndSizesAddNoOptions) {
  const char* hidden[] = {
      "#/**/fopen F \"/tmp/x\" write",      "#\rfopen F \"/tmp/x\" write",
      "#\ffopen F \"/tmp/x\" write",        "# // note\nfopen F \"/tmp/x\" write",
      "/* x */ #include \"/etc/hostname\"", "ARRAYS_WriteDF3(A, \"x.df3\", 8)",
      "\" #fopen F \"/tmp/x\" write",       "photons { save_file \"x\" }"};
  for (const char* text : hidden)
    EXPECT_FALSE(FindFileDirectivesIn("EdInc1", text, {VERMORA_DATA_DIR}).empty()) << text;
  for (const char* size :
       {"24 +O/tmp/x.png", "24 +o/tmp/x.png", "+Iother.pov", "0", "-5", "abc", "16385", "032"}) {
    ParameterSet set;
    set.SetText("edImageH", size);
    EXPECT_NE(PictureSizeProblem(set).find("Picture height (px)"), std::string::npos) << size;
  }
  EXPECT_EQ(PictureSizeProblem(ParameterSet()), "");
  EXPECT_TRUE(TranslateCommandLine(
                  "/usr/bin/povray /EXIT /RENDER \"/t/TEMP.POV\" +FS +H24 +o/x.png +W32 -A -P "
                  "\"Output_File_Name=/t/TEMP.BMP\" +KFF-1 \"All_File=/t/ALLTEXT.OUT\" ",
                  {})
                  .program.empty());
}

// Even trusted, a set that writes outside its folder writes nothing there.
TEST(RealRendererTest, TheSandboxKeepsWritesInsideThePrivateFolder) {
  const std::string dir = test::MakeTempFolder();
  ParameterSet set = test::SpiralOnly();
  set.SetText("EdInc2", ("#fopen F \"" + dir + "escaped.txt\" write #fclose F").c_str());
  const test::Rendered r = test::RenderSet(set);
  EXPECT_FALSE(fs::exists(dir + "escaped.txt"));
  EXPECT_FALSE(r.outcome.ok());
  fs::remove_all(dir);
}

// A scene too large for the memory a run may take ends with a message that
// says so and how to change it, instead of the machine swapping.
TEST(RealRendererTest, RunningOutOfMemoryNamesTheLimit) {
  setenv("VERMORA_RENDER_MEMORY_MB", "200", 1);
  ParameterSet set = test::SpiralOnly();
  set.SetText("EdNumber", "200000");
  const test::Rendered r = test::RenderSet(set);
  unsetenv("VERMORA_RENDER_MEMORY_MB");
  EXPECT_NE(r.outcome.failure.find("Out of memory. POV-Ray may use at most 200 MB here"),
            std::string::npos)
      << r.outcome.failure;
}

}  // namespace
}  // namespace vermora
