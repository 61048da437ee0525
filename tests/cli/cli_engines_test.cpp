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

TEST(CliEnginesTest, EnginesRunReproduciblyFromASeed) {
  const std::string dir = test::MakeTempFolder();
  ParameterSet set;
  set.SetOn("ChkRAlternate", true);
  ASSERT_TRUE(SaveSettings(dir + "a.vmx", set).ok());
  ASSERT_EQ(Cli("random " + dir + "a.vmx --seed 4242 -o " + dir + "r.vmx").code, 0);
  FixedClock clock(4242);
  Random random;
  ParameterSet expected = set;
  ASSERT_TRUE(RunRandomEngine(expected, {&random, &clock, ""}).status.ok());
  EXPECT_EQ(Read(dir + "r.vmx"), SettingsText(expected));
  for (const char* engine : {"evolve", "mutate"}) {
    SCOPED_TRACE(engine);
    const std::string cmd = std::string(engine) + " " + dir + "r.vmx --seed 9 -o ";
    ASSERT_EQ(Cli(cmd + dir + "e1.vmx").code, 0);
    ASSERT_EQ(Cli(cmd + dir + "e2.vmx").code, 0);
    EXPECT_EQ(Read(dir + "e1.vmx"), Read(dir + "e2.vmx"));
    EXPECT_NE(Read(dir + "e1.vmx"), Read(dir + "r.vmx"));
  }
  ASSERT_EQ(Cli("breed " + dir + "a.vmx " + dir + "r.vmx --seed 5 -o " + dir + "b.vmx").code, 0);
  ParameterSet partner;
  ASSERT_TRUE(LoadSettings(dir + "r.vmx", partner).ok());
  ParameterSet child = set;
  FixedClock breed_clock(5);
  ASSERT_TRUE(Breed(child, partner, {&random, &breed_clock, ""}).status.ok());
  EXPECT_EQ(Read(dir + "b.vmx"), SettingsText(child));
  fs::remove_all(dir);
}

TEST(CliEnginesTest, BadInputGivesAMessageAndWritesNothing) {
  const std::string dir = test::MakeTempFolder();
  ASSERT_TRUE(SaveSettings(dir + "a.vmx", ParameterSet()).ok());
  EXPECT_TRUE(test::Says(Cli("breed " + dir + "a.vmx " + dir + "missing.vmx --seed 1 -o " + dir + "b.vmx"), 1, "missing.vmx"));
  EXPECT_FALSE(fs::exists(dir + "b.vmx"));
  std::ofstream(dir + "bad.vmx", std::ios::binary) << "Quorel 0.9\r\nbroken\r\n";
  EXPECT_TRUE(test::Says(Cli("mutate " + dir + "bad.vmx --seed 1 -o " + dir + "m.vmx"), 1, "Corrupted name/data!  Load aborted."));
  EXPECT_FALSE(fs::exists(dir + "m.vmx"));
  EXPECT_EQ(Cli("random " + dir + "a.vmx --seed x1 -o " + dir + "r.vmx").code, 2);
  EXPECT_EQ(Cli("breed " + dir + "a.vmx --seed 1 -o " + dir + "r.vmx").code, 2);
  EXPECT_EQ(Cli("evolve " + dir + "a.vmx --seed 1").code, 2);
  EXPECT_FALSE(fs::exists(dir + "r.vmx"));
  fs::remove_all(dir);
}

}  // namespace
}  // namespace vermora
