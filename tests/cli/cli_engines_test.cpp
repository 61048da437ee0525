#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "params/settings_file.h"
#include "support/test_support.h"
#include "variation/breeding.h"
#include "variation/random_engine.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;

using test::Cli;
std::string Read(const std::string& path) { return test::ReadFile(path); }

using CliEnginesTest = test::InTempFolder;

TEST_F(CliEnginesTest, EnginesRunReproduciblyFromASeed) {
  ParameterSet set;
  set.SetOn("ChkRAlternate", true);
  ASSERT_TRUE(SaveSettings(dir_ + "a.vmx", set).ok());
  ASSERT_EQ(Cli("random " + dir_ + "a.vmx --seed 4242 -o " + dir_ + "r.vmx").code, 0);
  FixedClock clock(4242);
  Random random;
  ParameterSet expected = set;
  ASSERT_TRUE(RunRandomEngine(expected, {&random, &clock, ""}).status.ok());
  EXPECT_EQ(Read(dir_ + "r.vmx"), SettingsText(expected));
  for (const char* engine : {"evolve", "mutate"}) {
    SCOPED_TRACE(engine);
    const std::string cmd = std::string(engine) + " " + dir_ + "r.vmx --seed 9 -o ";
    ASSERT_EQ(Cli(cmd + dir_ + "e1.vmx").code, 0);
    ASSERT_EQ(Cli(cmd + dir_ + "e2.vmx").code, 0);
    EXPECT_EQ(Read(dir_ + "e1.vmx"), Read(dir_ + "e2.vmx"));
    EXPECT_NE(Read(dir_ + "e1.vmx"), Read(dir_ + "r.vmx"));
  }
  ASSERT_EQ(Cli("breed " + dir_ + "a.vmx " + dir_ + "r.vmx --seed 5 -o " + dir_ + "b.vmx").code, 0);
  ParameterSet partner;
  ASSERT_TRUE(LoadSettings(dir_ + "r.vmx", partner).ok());
  ParameterSet child = set;
  FixedClock breed_clock(5);
  ASSERT_TRUE(Breed(child, partner, {&random, &breed_clock, ""}).status.ok());
  EXPECT_EQ(Read(dir_ + "b.vmx"), SettingsText(child));
}

TEST_F(CliEnginesTest, BadInputGivesAMessageAndWritesNothing) {
  ASSERT_TRUE(SaveSettings(dir_ + "a.vmx", ParameterSet()).ok());
  EXPECT_TRUE(test::Says(
      Cli("breed " + dir_ + "a.vmx " + dir_ + "missing.vmx --seed 1 -o " + dir_ + "b.vmx"), 1,
      "missing.vmx"));
  EXPECT_FALSE(fs::exists(dir_ + "b.vmx"));
  std::ofstream(dir_ + "bad.vmx", std::ios::binary) << "Quorel 0.9\r\nbroken\r\n";
  EXPECT_TRUE(test::Says(Cli("mutate " + dir_ + "bad.vmx --seed 1 -o " + dir_ + "m.vmx"), 1,
                         "Corrupted name/data!  Load aborted."));
  EXPECT_FALSE(fs::exists(dir_ + "m.vmx"));
  EXPECT_EQ(Cli("random " + dir_ + "a.vmx --seed x1 -o " + dir_ + "r.vmx").code, 2);
  EXPECT_EQ(Cli("breed " + dir_ + "a.vmx --seed 1 -o " + dir_ + "r.vmx").code, 2);
  EXPECT_EQ(Cli("evolve " + dir_ + "a.vmx --seed 1").code, 2);
  EXPECT_FALSE(fs::exists(dir_ + "r.vmx"));
}

}  // namespace
}  // namespace vermora
