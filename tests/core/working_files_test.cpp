#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "params/settings_file.h"
#include "params/working_files.h"
#include "support/test_support.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;

void Touch(const std::string& path) { std::ofstream(path) << "x"; }

TEST(WorkingFilesTest, ProgramFolderPrefersOwnVariableThenXdgThenHome) {
  EXPECT_EQ(ProgramFolderFrom("/opt/v", "/x", "/home/u"), "/opt/v/");
  EXPECT_EQ(ProgramFolderFrom("/opt/v/", "", ""), "/opt/v/");
  EXPECT_EQ(ProgramFolderFrom("", "/x", "/home/u"), "/x/vermora/");
  EXPECT_EQ(ProgramFolderFrom("", "", "/home/u"), "/home/u/.local/share/vermora/");
}

TEST(WorkingFilesTest, StartCloseAndFeaturesRemoveTheirFilesInAnySpelling) {
  const std::string dir = test::MakeTempFolder();
  for (const char* name : {"_EVOLVE.VMX", "_mutate.vmx", "_anim.vmx", "_lsec.vmx", "_thingb.vmx",
                           "TEMP.POV", "temp.bmp", "TEMP.BMP", "alltext.out", "_default.vmx"}) {
    Touch(dir + name);
  }
  RemoveWorkingFiles(dir, RemovedOnFeatures());
  EXPECT_FALSE(fs::exists(dir + "_EVOLVE.VMX"));
  EXPECT_FALSE(fs::exists(dir + "_mutate.vmx"));
  EXPECT_TRUE(fs::exists(dir + "_anim.vmx"));

  RemoveWorkingFiles(dir, StaleAtStart());
  EXPECT_FALSE(fs::exists(dir + "_anim.vmx"));
  EXPECT_FALSE(fs::exists(dir + "_lsec.vmx"));
  EXPECT_TRUE(fs::exists(dir + "_thingb.vmx")) << "removed only at close";

  RemoveWorkingFiles(dir, RemovedAtClose());
  EXPECT_FALSE(fs::exists(dir + "_thingb.vmx"));
  EXPECT_FALSE(fs::exists(dir + "temp.bmp"));
  EXPECT_FALSE(fs::exists(dir + "TEMP.BMP"));
  EXPECT_FALSE(fs::exists(dir + "alltext.out"));
  EXPECT_TRUE(fs::exists(dir + "TEMP.POV")) << "the scene stays";
  EXPECT_TRUE(fs::exists(dir + "_default.vmx")) << "the user default outlives sessions";
  RemoveWorkingFiles(dir + "no-such-folder/", RemovedAtClose());  // silently nothing
  fs::remove_all(dir);
}

TEST(WorkingFilesTest, MyDefaultRoundTripAndRemoval) {
  const std::string dir = test::MakeTempFolder() + "not yet made/";
  ParameterSet set;
  EXPECT_FALSE(HasMyDefault(dir));
  Status missing = LoadMyDefault(dir, set);
  EXPECT_EQ(missing.message(), "Save a default first");

  set.SetText("EdNumber", "40");
  set.SetOn("ChkWheelOn", false);
  ASSERT_TRUE(SaveMyDefault(dir, set).ok());
  EXPECT_TRUE(fs::exists(dir + "_default.vmx"));

  ParameterSet fresh;
  bool refreshed = false;
  ASSERT_TRUE(LoadMyDefault(dir, fresh, [&](ParameterSet&) { refreshed = true; }).ok());
  EXPECT_TRUE(refreshed);
  EXPECT_EQ(fresh.Text("EdNumber"), "40");
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
