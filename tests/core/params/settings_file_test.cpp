#include "params/settings_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "common/file_io.h"
#include "common/random.h"
#include "params/working_files.h"
#include "support/test_support.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;

std::string File(const std::string& body) { return std::string(kFormatMark) + "\r\n" + body; }

TEST(SettingsFileTest, DefaultSetRoundTripsByteForByte) {
  ParameterSet set;
  const std::string first = SettingsText(set);
  EXPECT_EQ(first.rfind("Quorel 0.9\r\nchkAnim|N\r\nEdInc1|#include \"vmxpred.inc\"\r\n", 0), 0u);
  ParameterSet loaded;
  loaded.SetText("EdNumber", "77");
  ASSERT_TRUE(LoadSettingsText(first, loaded).ok());
  EXPECT_TRUE(loaded == set);
  EXPECT_EQ(SettingsText(loaded), first);
  // Every entry field of the window has its line, and the command buttons are
  // stored as up even when a file says otherwise.
  int entries = 0;
  for (size_t i = 0; i < set.size(); ++i) entries += IsEntryField(set.def(i).kind) ? 1 : 0;
  EXPECT_EQ(entries, 604);
  for (const char* line :
       {"\r\nSBGo|N\r\n", "\r\nsbLoadAS|N\r\n", "\r\nsbUpL_2|N\r\n", "\r\neditTTRotateZb|0\r\n",
        "\r\nsgColorMap|2~4:0.000~16777215~0~0~1.000~0~0~0~\r\n", "\r\nRadioGroup2|-1\r\n"}) {
    EXPECT_NE(first.find(line), std::string::npos) << line;
  }
  ASSERT_TRUE(LoadSettingsText(File("SBGo|Y\r\nsbPhong|Y\r\n"), loaded).ok());
  EXPECT_FALSE(loaded.On("SBGo"));
  EXPECT_TRUE(loaded.On("sbPhong"));
}

TEST(SettingsFileTest, LoaderToleranceAndValueRules) {
  ParameterSet set;
  int refreshed = 0;
  const Status s = LoadSettingsText(
      File("EdNumber|a|b\r\nNoSuchThing|12\r\nChkBranchON|yes\r\nchkbaseon|Y\r\n"
           "cbColor1|125~255\r\nRadioGroup1|2~7\r\nsgColorMap|1~2:0.5~255~extra~\r\n"),
      set, [&](ParameterSet&) { ++refreshed; });
  ASSERT_TRUE(s.ok()) << s.message();
  EXPECT_EQ(set.Text("EdNumber"), "a|b");
  EXPECT_FALSE(set.On("ChkBranchON"));
  EXPECT_TRUE(set.On("ChkBaseOn"));
  EXPECT_EQ(set.Index("cbColor1"), 125);
  EXPECT_EQ(set.Tag("cbColor1"), 255);
  EXPECT_EQ(set.Index("RadioGroup1"), 2);
  EXPECT_EQ(set.GridValue("sgColorMap"), (Grid{1, 2, {"0.5", "255"}}));
  EXPECT_EQ(refreshed, 1);
}

TEST(SettingsFileTest, ValuesAreCutAtTheirLimits) {
  ParameterSet set;
  // Entry fields keep 755 characters, other kinds 255: the "x" past the cut is
  // never seen, so the choice reads as 3.
  const std::string body = "EdThingTexture|" + std::string(900, 't') + "\r\nRadioGroup1|3" +
                           std::string(299, ' ') + "x\r\n";
  ASSERT_TRUE(LoadSettingsText(File(body), set).ok());
  EXPECT_EQ(set.Text("EdThingTexture"), std::string(755, 't'));
  EXPECT_EQ(set.Index("RadioGroup1"), 3);
}

TEST(SettingsFileTest, IndicesOutsideTheirRangeAreBroughtIntoIt) {
  // A file may hold any position or item; loading, and setting, keep them in range.
  const struct {
    const char* name;
    const char* value;
    int index;
  } cases[] = {{"ScrAN", "99", 6},          {"ScrAN", "-5", 2},        {"RadioGroup1", "99", 7},
               {"RadioGroup1", "-7", -1},   {"RadioGroup2", "8~3", 7}, {"cbColor1", "500~255", 125},
               {"cbPigmentType", "-2", -1}, {"RadioGroup3", "12", 7},  {"RadioGroup5", "9", 4}};
  for (const auto& c : cases) {
    ParameterSet loaded, set;
    ASSERT_TRUE(LoadSettingsText(File(std::string(c.name) + "|" + c.value + "\r\n"), loaded).ok());
    EXPECT_EQ(loaded.Index(c.name), c.index) << c.name << "|" << c.value;
    set.SetIndex(c.name, std::atoi(c.value));
    EXPECT_EQ(set.Index(c.name), c.index) << c.name << "|" << c.value;
  }
}

TEST(SettingsFileTest, FailuresKeepEarlierLinesAndSkipTheRefresh) {
  const struct {
    std::string body, message;
  } cases[] = {
      {"EdNumber|40\r\nno bar here\r\nEdSpace|1\r\n", "Corrupted name/data!  Load aborted"},
      {"EdNumber|40\r\n\r\nEdSpace|1\r\n", "Corrupted name/data!  Load aborted"},
      {"EdNumber|40\r\nsgColorMap|3~4:0~1~2~3~\r\n",
       "Missing value (0,1) in grid component [sgColorMap]!  Load aborted"},
      {"EdNumber|40\r\nsgColorMap|34:0\r\n",
       "Invalid row count in grid component [sgColorMap]!  Load aborted"},
      {"EdNumber|40\r\nsgColorMap|3~4\r\n",
       "Invalid col count in grid component [sgColorMap]!  Load aborted"},
      {"EdNumber|40\r\nRadioGroup1|x\r\n", "'x' is not a valid integer value"},
  };
  for (const auto& c : cases) {
    ParameterSet set;
    bool refreshed = false;
    const Status s = LoadSettingsText(File(c.body), set, [&](ParameterSet&) { refreshed = true; });
    EXPECT_EQ(s.message(), c.message);
    EXPECT_EQ(set.Text("EdNumber"), "40") << c.message;
    EXPECT_EQ(set.Text("EdSpace"), "15") << c.message;
    EXPECT_FALSE(refreshed);
  }
  EXPECT_EQ(ErrorBoxText("Corrupted name/data!  Load aborted"),
            "Corrupted name/data!  Load aborted.");
}

TEST(SettingsFileTest, WrongMarkChangesNothingButRefreshes) {
  ParameterSet set;
  bool refreshed = false;
  const Status s = LoadSettingsText("Quorel 0.8\r\nEdNumber|40\r\n", set,
                                    [&](ParameterSet&) { refreshed = true; });
  EXPECT_EQ(s.message(), "Unknown version or file format.  Possible data corruption in file?");
  EXPECT_EQ(set.Text("EdNumber"), "30");
  EXPECT_TRUE(refreshed);
  // A file with only the mark (and no line end) loads.
  EXPECT_TRUE(LoadSettingsText("Quorel 0.9", set).ok());
}

TEST(SettingsFileTest, MissingFileAndSafeReplace) {
  const std::string dir = test::MakeTempFolder();
  ParameterSet set;
  EXPECT_EQ(LoadSettings(dir + "missing.vmx", set).message(), "File not found");
  const std::string path = dir + "set.vmx";
  set.SetText("EdNumber", "41");
  ASSERT_TRUE(SaveSettings(path, set).ok());
  // A save that cannot complete leaves the former file whole.
  chmod(dir.c_str(), 0500);
  set.SetText("EdNumber", "42");
  const Status failed = SaveSettings(path, set);
  chmod(dir.c_str(), 0700);
  if (getuid() != 0) {
    EXPECT_EQ(failed.message(), "File access denied");
  }
  ParameterSet back;
  ASSERT_TRUE(LoadSettings(path, back).ok());
  EXPECT_EQ(back.Text("EdNumber"), getuid() != 0 ? "41" : "42");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);  // no leftovers
  EXPECT_EQ(SaveSettings(dir + "no/such/folder/set.vmx", set).message(), "File not found");
  std::filesystem::remove_all(dir);
}

// A save replaces a plain file whole but keeps what stood at the path: a link
// stays a link to the new text, a device or FIFO is written where it stands,
// and the old file's permissions stay.
TEST(SettingsFileTest, SaveKeepsLinksSpecialFilesAndModes) {
  const std::string dir = test::MakeTempFolder();
  ParameterSet set;
  const std::string text = SettingsText(set);
  std::ofstream(dir + "target.vmx") << "old";
  chmod((dir + "target.vmx").c_str(), 0640);
  fs::create_symlink("target.vmx", dir + "link.vmx");
  fs::create_symlink("new.vmx", dir + "dangling.vmx");
  ASSERT_EQ(mkfifo((dir + "pipe").c_str(), 0600), 0);
  for (const char* name : {"link.vmx", "dangling.vmx"}) {
    ASSERT_TRUE(SaveSettings(dir + name, set).ok()) << name;
    EXPECT_TRUE(fs::is_symlink(dir + name)) << name;
    EXPECT_EQ(test::ReadFile(dir + name), text) << name;
  }
  EXPECT_EQ(fs::status(dir + "target.vmx").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  std::string piped;
  std::thread reader([&] { piped = test::ReadFile(dir + "pipe"); });
  EXPECT_TRUE(SaveSettings(dir + "pipe", set).ok());
  reader.join();
  EXPECT_EQ(piped, text);
  EXPECT_TRUE(fs::is_fifo(dir + "pipe"));
  EXPECT_TRUE(SaveSettings("/dev/null", set).ok());
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  fs::remove_all(dir);
}

// Random and truncated files never crash or hang; failures come back as messages.
TEST(SettingsFileTest, FuzzedFilesAreHandled) {
  const std::string good = SettingsText(ParameterSet());
  Random random(12345);
  for (int round = 0; round < 300; ++round) {
    std::string text = good.substr(0, random.Below(static_cast<int>(good.size())));
    const int flips = random.Below(20);
    for (int k = 0; k < flips && !text.empty(); ++k) {
      text[random.Below(static_cast<int>(text.size()))] = static_cast<char>(random.Below(256));
    }
    if (round % 3 == 0) {
      text = "Quorel 0.9\r\n";
      for (int k = random.Below(400); k > 0; --k) text += static_cast<char>(random.Below(256));
    }
    ParameterSet set;
    const Status s = LoadSettingsText(text, set);
    EXPECT_TRUE(s.ok() || !s.message().empty());
  }
}

TEST(WorkingFilesTest, ProgramFolderPrefersOwnVariableThenXdgThenHome) {
  EXPECT_EQ(ProgramFolderFrom("/opt/v", "/x", "/home/u"), "/opt/v/");
  EXPECT_EQ(ProgramFolderFrom("/opt/v/", "", ""), "/opt/v/");
  EXPECT_EQ(ProgramFolderFrom("", "/x", "/home/u"), "/x/vermora/");
  EXPECT_EQ(ProgramFolderFrom("", "", "/home/u"), "/home/u/.local/share/vermora/");
}

TEST(WorkingFilesTest, StartCloseAndFeaturesRemoveTheirFilesInAnySpelling) {
  const std::string dir = test::MakeTempFolder();
  for (const char* name : {"_EVOLVE.VMX", "_mutate.vmx", "_anim.vmx", "_lsec.vmx", "_thingb.vmx",
                           "TEMP.POV", "temp.bmp", "TEMP.BMP", "alltext.out", "_default.vmx"})
    std::ofstream(dir + name) << "x";
  auto expect = [&](std::initializer_list<const char*> kept,
                    std::initializer_list<const char*> removed) {
    for (const char* name : kept) EXPECT_TRUE(fs::exists(dir + name)) << name;
    for (const char* name : removed) EXPECT_FALSE(fs::exists(dir + name)) << name;
  };
  RemoveWorkingFiles(dir, RemovedOnFeatures());
  expect({"_anim.vmx"}, {"_EVOLVE.VMX", "_mutate.vmx"});
  RemoveWorkingFiles(dir, StaleAtStart());
  expect({"_thingb.vmx"}, {"_anim.vmx", "_lsec.vmx"});  // _thingb.vmx goes only at close
  RemoveWorkingFiles(dir, RemovedAtClose());
  // The scene stays, and the user default outlives sessions.
  expect({"TEMP.POV", "_default.vmx"}, {"_thingb.vmx", "temp.bmp", "TEMP.BMP", "alltext.out"});
  RemoveWorkingFiles(dir + "no-such-folder/", RemovedAtClose());  // silently nothing
  fs::remove_all(dir);
}

TEST(WorkingFilesTest, MyDefaultRoundTripAndRemoval) {
  const std::string dir = test::MakeTempFolder() + "not yet made/";
  ParameterSet set;
  EXPECT_FALSE(HasMyDefault(dir));
  EXPECT_EQ(LoadMyDefault(dir, set).message(), "Save a default first");
  set.SetText("EdNumber", "40");
  set.SetOn("ChkWheelOn", false);
  ASSERT_TRUE(SaveMyDefault(dir, set).ok());
  EXPECT_TRUE(fs::exists(dir + "_default.vmx"));
  ParameterSet fresh;
  bool refreshed = false;
  ASSERT_TRUE(LoadMyDefault(dir, fresh, [&](ParameterSet&) { refreshed = true; }).ok());
  EXPECT_TRUE(refreshed);
  EXPECT_EQ(fresh, set);
  RemoveMyDefault(dir);
  EXPECT_FALSE(HasMyDefault(dir));
  EXPECT_EQ(ParameterSet().Text("EdNumber"), "30");
  fs::remove_all(fs::path(dir).parent_path().parent_path());
}

TEST(WorkingFilesTest, UpperCaseDefaultIsFoundAndReplacedInPlace) {
  const std::string dir = test::MakeTempFolder();
  ParameterSet set;
  ASSERT_TRUE(SaveSettings(dir + "_DEFAULT.VMX", set).ok());
  EXPECT_TRUE(HasMyDefault(dir));
  set.SetText("EdNumber", "12");
  ASSERT_TRUE(SaveMyDefault(dir, set).ok());
  EXPECT_FALSE(fs::exists(dir + "_default.vmx"));
  ParameterSet loaded;
  ASSERT_TRUE(LoadMyDefault(dir, loaded).ok());
  EXPECT_EQ(loaded.Text("EdNumber"), "12");
  fs::remove_all(dir);
}

}  // namespace
}  // namespace vermora
