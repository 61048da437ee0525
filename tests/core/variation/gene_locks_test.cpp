#include "variation/gene_locks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "params/param_table.h"
#include "support/creatures.h"
#include "variation/breeding.h"
#include "variation/evolve.h"
#include "variation/lineage.h"
#include "variation/mutate.h"
#include "variation/random_engine.h"
#include "variation/weak_child.h"

namespace vermora {
namespace {

using Engine = std::function<EngineResult(ParameterSet&, const EngineOptions&)>;

class GeneLocksTest : public ::testing::Test {
 protected:
  void SetUp() override { folder_ = test::MakeTempFolder(); }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  // Runs `engine` twice from the same set and seed, once unlocked and once with
  // `locks`, in fresh working folders so both start from the same parent.
  void ExpectLocksKept(const Engine& engine, const GeneLocks& locks, std::uint32_t seed) {
    const ParameterSet input;
    ParameterSet free_child = input, locked_child = input;
    FixedClock clock(seed);
    Random random;
    ASSERT_TRUE(engine(free_child, {&random, &clock, folder_ + "/a"}).status.ok());
    ASSERT_TRUE(engine(locked_child, {&random, &clock, folder_ + "/b", &locks}).status.ok());
    int locked_changed = 0;
    for (size_t i = 0; i < input.size(); ++i) {
      if (locks.IsLocked(i)) {
        EXPECT_EQ(locked_child.value(i), input.value(i)) << input.def(i).name;
        locked_changed += !(free_child.value(i) == input.value(i));
      } else {
        EXPECT_EQ(locked_child.value(i), free_child.value(i)) << input.def(i).name;
      }
    }
    EXPECT_GT(locked_changed, 0) << "the locks should cover something the engine changes";
  }

  std::string folder_;
};

TEST_F(GeneLocksTest, EveryEngineLeavesLockedParametersAlone) {
  GeneLocks worms;
  ASSERT_TRUE(worms.LockGroup("worms").ok());
  ExpectLocksKept(RunRandomEngine, worms, 1234);
  ExpectLocksKept(RunEvolve, worms, 99);
  ExpectLocksKept(RunMutate, worms, 4321);
  GeneLocks textures;
  ASSERT_TRUE(textures.LockGroup("Textures").ok());
  ASSERT_TRUE(textures.LockName("edCamLocZ").ok());
  ParameterSet partner;
  partner.SetText("edCamLocZ", "-55");
  for (size_t i = 0; i < partner.size(); ++i) {
    const std::string_view page = partner.def(i).page;
    if (page.starts_with("Textures") && IsEntryField(partner.def(i).kind))
      partner.SetText(partner.def(i).name, "7");
  }
  auto breed = [&partner](ParameterSet& set, const EngineOptions& options) {
    return Breed(set, partner, options);
  };
  ExpectLocksKept(breed, textures, 777);
}

TEST_F(GeneLocksTest, GroupsNamesAndPrefixes) {
  GeneLocks locks;
  ASSERT_TRUE(locks.LockGroup("camera").ok());
  const ParameterSet set;
  EXPECT_TRUE(locks.IsLocked(set.Find("edCamLocX")));
  EXPECT_FALSE(locks.IsLocked(set.Find("edBGDistance")));
  ASSERT_TRUE(locks.LockGroup("background/picture").ok());
  EXPECT_TRUE(locks.IsLocked(set.Find("edBGDistance")));
  EXPECT_EQ(locks.LockGroup("teeth").message(), "Unknown group to lock: teeth");
  EXPECT_EQ(locks.LockName("edNoSuch").message(), "Unknown parameter to lock: edNoSuch");
  for (const LockGroupInfo& group : NamedLockGroups())
    EXPECT_TRUE(GeneLocks().LockGroup(group.name).ok()) << group.name;
}

TEST_F(GeneLocksTest, SideFileRoundTripsAndToleratesDamage) {
  EXPECT_EQ(LocksPathFor("/x/creature.vmx"), "/x/creature.locks");
  GeneLocks locks;
  ASSERT_TRUE(locks.LockName("edCamLocZ").ok());
  ASSERT_TRUE(locks.LockGroup("textures").ok());
  EXPECT_EQ(locks.ToText(), "name edcamlocz\ngroup textures\n");
  const std::string path = folder_ + "/c.locks";
  ASSERT_TRUE(WriteLocksFile(path, locks).ok());
  std::vector<std::string> warnings;
  EXPECT_EQ(ReadLocksFile(path, warnings).ToText(), locks.ToText());
  EXPECT_TRUE(warnings.empty());
  EXPECT_TRUE(ReadLocksFile(folder_ + "/missing.locks", warnings).empty());
  EXPECT_TRUE(warnings.empty());
  std::ofstream(path, std::ios::app) << "group teeth\n\x01\x02 garbage here\n";
  const GeneLocks read = ReadLocksFile(path, warnings);
  EXPECT_EQ(read.ToText(), locks.ToText());
  ASSERT_EQ(warnings.size(), 2u);
  EXPECT_EQ(warnings[0], "Locks file " + path + " line 3 ignored: Unknown group to lock: teeth");
}

TEST(WeakChildTest, EmptyHugeAndUnreadableOffspringAreWeak) {
  ParameterSet fine;
  EXPECT_EQ(WeakChildReason(fine, 1000), "");
  EXPECT_EQ(WeakChildReason(fine, 239), "240 objects");  // the default Wheel of 8 worms of 30
  // Worms of no segments, and of no number.
  EXPECT_EQ(WeakChildReason(test::With(fine, {}, {{"EdNumber", "0"}}), 1000), "empty scene");
  EXPECT_EQ(WeakChildReason(test::With(fine, {}, {{"EdNumber", "many"}}), 1000),
            "'many' is not a valid floating point value");
}

TEST(WeakChildTest, LocksComeOffByNameOrGroup) {
  GeneLocks locks;
  ASSERT_TRUE(locks.LockName("EdNumber").ok());
  ASSERT_TRUE(locks.LockGroup("camera").ok());
  EXPECT_TRUE(locks.Holds("ednumber"));
  EXPECT_TRUE(locks.Holds("Camera"));
  locks.Unlock("EDNUMBER");
  EXPECT_FALSE(locks.Holds("EdNumber"));
  locks.Unlock("camera");
  EXPECT_TRUE(locks.empty());
}

class LineageTest : public GeneLocksTest {};

TEST_F(LineageTest, ThreeGenerationsListTheirAncestry) {
  const std::string folder = folder_;
  const std::string a = folder + "/a.vmx", b = folder + "/b.vmx", c = folder + "/c.vmx";
  std::vector<std::string> warnings;
  FixedClock clock(5000);
  ASSERT_TRUE(WriteLineageFile(b, MakeLineage("mutate", {a}, 11, clock, warnings)).ok());
  ASSERT_TRUE(
      WriteLineageFile(c, MakeLineage("breed", {b, folder + "/p.vmx"}, 12, clock, warnings)).ok());
  const std::string d = folder + "/d.vmx";
  ASSERT_TRUE(WriteLineageFile(d, MakeLineage("evolve", {c}, 13, clock, warnings)).ok());
  EXPECT_TRUE(warnings.empty());
  EXPECT_EQ(AncestryChain(d, warnings), (std::vector<std::string>{c, b, a}));
  const LineageRecord record = ReadLineageFile(c, warnings);
  EXPECT_EQ(LineageToText(record), "engine breed\nparent " + b + "\nparent " + folder +
                                       "/p.vmx\nseed 12\ntime 5000\nancestor " + a + "\n");
  EXPECT_TRUE(AncestryChain(a, warnings).empty());
  EXPECT_TRUE(warnings.empty());
}

TEST_F(LineageTest, DamagedRecordWarnsAndStartsAfresh) {
  const std::string folder = folder_;
  const std::string a = folder + "/a.vmx", b = folder + "/b.vmx";
  std::ofstream(LineagePathFor(a)) << "engine random\nseed twelve\ntime 1\n";
  std::vector<std::string> warnings;
  const LineageRecord child = MakeLineage("mutate", {a}, 3, FixedClock(9), warnings);
  EXPECT_TRUE(child.ancestry.empty());
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0], "Lineage file " + folder + "/a.lineage ignored: unreadable line 2");
  LineageRecord record;
  EXPECT_EQ(LineageFromText("engine x\n", record).message(), "incomplete record");
  const LineageRecord full{"evolve", {a}, 4, 8, {b}};
  ASSERT_TRUE(LineageFromText(LineageToText(full), record).ok());
  EXPECT_EQ(record, full);
}

}  // namespace
}  // namespace vermora
