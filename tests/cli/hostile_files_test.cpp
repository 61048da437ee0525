// Sets a stranger could send, rendered, composed and listed as a user would:
// whatever each tries, nothing appears outside the run's private folder, no
// shell command runs, the user's older files stay, and the message says why.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

#include "support/test_support.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;

using test::Cli;
using test::Has;
using test::Shell;
using test::ShellRun;

struct Hostile {
  const char* what;
  const char* set_line;  // one line of the set; "%D" stands for the test's folder
  const char* args;      // after the command's set: "%S" is the set file
  int code;
  const char* says;
  const char* must_not_say = "";
  const char* then = "";  // a shell command the user runs afterwards, as documented
  int then_code = 0;      // its exit status (-1: any); 0: it renders the frames
};

const Hostile kHostile[] = {
    {"an option in the height", "edImageH|24 +O%Descaped.png", "render %S -o %Dold.png", 1,
     "Picture height (px) must be a whole number of pixels from 1 to 16384"},
    {"a lower-case option in the width", "edImageW|32 +o%Descaped.png", "render %S -o %Dold.png", 1,
     "Picture width (px) must be a whole number"},
    {"an option after --height", "", "render %S -o %Dold.png --height '24 +I%Descaped.pov'", 2,
     "--height must be a whole number"},
    {"a write behind a comment", "EdInc2|#/**/fopen F \"%Descaped.txt\" write #fclose F",
     "render %S -o %Dold.png", 5, "EdInc2: #/**/fopen"},
    {"the same, trusted", "EdInc2|#/**/fopen F \"%Descaped.txt\" write #fclose F",
     "render %S -o %Dold.png --width 32 --height 24 --trust", 3, "Cannot open user file"},
    {"a write behind a form feed, trusted", "EdInc2|#\ffopen F \"%Descaped.txt\" write #fclose F",
     "render %S -o %Dold.png --width 32 --height 24 --trust", 3, "Cannot open user file"},
    {"an include of a system file, trusted", "EdInc2|/* x */ #include \"/etc/passwd\"",
     "render %S -o %Dold.png --width 32 --height 24 --trust", 3, "/etc/passwd", "root:x:0"},
    {"a writing macro of arrays.inc",
     "EdInc2|#include \"arrays.inc\" #declare A = array[1][1][1] {{{0}}} ARRAYS_WriteDF3(A, "
     "\"%Descaped.df3\", 8)",
     "render %S -o %Dold.png", 5, "ARRAYS_WriteDF3"},
    {"the same, trusted",
     "EdInc2|#include \"arrays.inc\" #declare A = array[1][1][1] {{{0}}} ARRAYS_WriteDF3(A, "
     "\"%Descaped.df3\", 8)",
     "render %S -o %Dold.png --width 32 --height 24 --trust", 3, "Cannot open"},
    {"a scene over the object limit", "EdNumber|2500000", "compose %S -o %Dold.pov", 1,
     "\"Segments\" (Worms > SpiralWorm > General) at 2500000"},
    {"shell text in the width of a job list", "edImageW|32;touch${IFS}%Descaped;:",
     "anim %S --frames 2 --job-list -o %Djobs", 3, "Picture width (px)"},
    {"shell text in a scene of a job list",
     "EdInc2|#declare Note = \"$(touch %Descaped)`touch %Descaped`\";",
     "anim %S --frames 2 --width 32 --height 24 --job-list -o %Djobs", 0, "jobs.txt", "",
     "cd %Djobs && parallel --will-cite < jobs.txt"},
    {"a trusted write in a job list, run on this host",
     "EdInc2|#fopen F \"%Descaped.txt\" write #fclose F",
     "anim %S --frames 2 --width 32 --height 24 --job-list --trust -o %Djobs", 0, "jobs.txt", "",
     "cd %Djobs && parallel --will-cite < jobs.txt", -1},
};

std::string Filled(std::string text, const std::string& dir, const std::string& set) {
  text = std::regex_replace(text, std::regex("%D"), dir);
  return std::regex_replace(text, std::regex("%S"), set);
}

using HostileFilesTest = test::InTempFolder;

TEST_F(HostileFilesTest, NothingLeavesThePrivateFolderAndTheUserIsTold) {
  for (const Hostile& h : kHostile) {
    SCOPED_TRACE(h.what);
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    for (const char* old : {"old.png", "old.pov"}) std::ofstream(dir_ + old) << "OLD";
    std::ofstream(dir_ + "shared.vmx", std::ios::binary) << "Quorel 0.9\r\nChkWheelOn|N\r\n"
                                                         << Filled(h.set_line, dir_, "") << "\r\n";
    const std::string args = Filled(h.args, dir_, dir_ + "shared.vmx");
    const ShellRun run = Cli(args);
    EXPECT_EQ(run.code, h.code) << run.output;
    EXPECT_TRUE(Has(run.output, h.says)) << run.output;
    if (*h.must_not_say) {
      EXPECT_FALSE(Has(run.output, h.must_not_say)) << run.output;
    }
    if (*h.then) {
      const ShellRun then = Shell(Filled(h.then, dir_, ""));
      if (h.then_code >= 0) {
        EXPECT_EQ(then.code, h.then_code) << then.output;
      }
      if (h.then_code == 0) {
        EXPECT_GT(fs::file_size(dir_ + "jobs/anim002.bmp"), 32u * 24 * 3);
      }
    }
    for (const auto& entry : fs::recursive_directory_iterator(dir_))
      EXPECT_EQ(entry.path().filename().string().rfind("escaped", 0), std::string::npos)
          << entry.path();
    for (const char* old : {"old.png", "old.pov"})
      EXPECT_TRUE(test::ReadFile(dir_ + old) == "OLD") << old;
  }
}

// On a full disk the render fails and the picture it was to replace stays whole.
TEST_F(HostileFilesTest, AFullDiskKeepsTheOldPicture) {
  std::ofstream(dir_ + "s.vmx", std::ios::binary) << "Quorel 0.9\r\nChkWheelOn|N\r\n";
  fs::create_directories(dir_ + "full");
  // A small file system of the test's own, filled up, in a mount namespace.
  const ShellRun run =
      Shell("cd " + dir_ + " && unshare -rm sh -c 'mount -t tmpfs -o size=64k tmpfs full && " +
            "printf OLD > full/pic.png && { dd if=/dev/zero of=full/fill bs=4k 2>/dev/null; " +
            VERMORA_CLI_PATH + " render s.vmx -o full/pic.png --width 200 --height 150; " +
            "echo \"rc=$?\"; cat full/pic.png; }'");
  EXPECT_TRUE(Has(run.output, "cannot write full/pic.png: Disk full")) << run.output;
  EXPECT_TRUE(Has(run.output, "rc=1\nOLD")) << run.output;
}

}  // namespace
}  // namespace vermora
