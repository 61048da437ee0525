#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "support/test_support.h"
#include "variation/variations.h"

namespace vermora {
namespace {

TEST(VariationVariationsTest, VariantsAreReproducibleAndDistinct) {
  const std::string folder = test::MakeTempFolder();
  ParameterSet set;
  set.SetText("EdNumber", "30");
  Variants a = MakeVariants(set, EngineKind::kRandom, 100, 4, folder);
  Variants b = MakeVariants(set, EngineKind::kRandom, 100, 4, folder);
  ASSERT_TRUE(a.status.ok());
  ASSERT_EQ(a.sets.size(), 4u);
  for (size_t i = 0; i < 4; ++i) EXPECT_EQ(a.sets[i], b.sets[i]);
  EXPECT_FALSE(a.sets[0] == a.sets[1]);

  // Every evolved variant is a child of the set given, not of another variant.
  Variants evolved = MakeVariants(set, EngineKind::kEvolve, 7, 3, folder);
  ASSERT_TRUE(evolved.status.ok());
  for (const ParameterSet& child : evolved.sets) {
    const float n = std::stof(child.Text("EdNumber"));
    EXPECT_TRUE(n >= 30 && n <= 42) << n;
  }
  ParameterSet bad = set;
  bad.SetText("EdSegMax", "900000");
  Variants failed = MakeVariants(bad, EngineKind::kRandom, 3, 2, folder);
  EXPECT_FALSE(failed.status.ok());
  EXPECT_TRUE(failed.sets.empty());
  std::filesystem::remove_all(folder);
}

TEST(VariationVariationsTest, RendersInParallelFoldersAndCancels) {
  if (!test::HavePovray()) GTEST_SKIP() << "POV-Ray is not installed";
  const std::string folder = test::MakeTempFolder();
  Variants variants = MakeVariants(ParameterSet(), EngineKind::kRandom, 55, 3, folder);
  ASSERT_TRUE(variants.status.ok());
  RenderJobsOptions options;
  options.povray = test::kPovray;
  options.include_dirs = {VERMORA_DATA_DIR};
  options.folder = folder;
  options.width = "32";
  options.height = "24";
  options.concurrency = 2;
  options.timeout_seconds = 60;
  std::vector<RenderJobOutcome> outcomes = RenderScenes(variants.sets, options);
  ASSERT_EQ(outcomes.size(), 3u);
  for (size_t i = 0; i < outcomes.size(); ++i) {
    EXPECT_TRUE(outcomes[i].render.ok()) << outcomes[i].render.failure;
    EXPECT_EQ(outcomes[i].image_path.find(folder + "variant" + std::to_string(i + 1) + "/"), 0u);
    EXPECT_TRUE(std::filesystem::exists(outcomes[i].image_path));
  }

  std::atomic<bool> cancel{true};
  options.cancel = &cancel;
  outcomes = RenderScenes(variants.sets, options);
  for (const RenderJobOutcome& o : outcomes) EXPECT_EQ(o.render.failure, "Rendering cancelled");

  // Cancelling while renders run stops them (renders this large would otherwise succeed).
  cancel = false;
  ParameterSet slow;
  slow.SetText("EdNumber", "400");
  std::thread stopper([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    cancel = true;
  });
  options.width = "640";
  options.height = "480";
  outcomes = RenderScenes({slow, slow, slow}, options);
  stopper.join();
  for (const RenderJobOutcome& o : outcomes) EXPECT_EQ(o.render.failure, "Rendering cancelled");
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace vermora
