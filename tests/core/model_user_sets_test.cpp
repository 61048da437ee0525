// The scene model reads every scene a user's set composes to: no object of our
// own vocabulary becomes a stand-in.
#include <gtest/gtest.h>

#include "model/scene_model.h"
#include "scene/composer.h"
#include "support/test_support.h"

namespace vermora {
namespace {

TEST(ModelOfUserSets, EveryComposedObjectIsRead) {
  int read = 0;
  for (std::uint32_t seed = 1; seed <= 120; ++seed) {
    const ComposeResult composed = ComposeScene(test::UserSet(seed));
    if (!composed.status.ok()) continue;  // refused with a message, as the render tests check
    const SceneModel model = ReadSceneModel(composed.scene);
    EXPECT_TRUE(model.error.empty()) << "set " << seed << ": " << model.error;
    EXPECT_EQ(model.stand_ins, 0) << "set " << seed << ": "
                                  << (model.notes.empty() ? std::string() : model.notes.front());
    read += model.error.empty();
  }
  EXPECT_GT(read, 60);
}

// The ground of the background is left out as its plane is, not shown as a box.
TEST(ModelOfUserSets, TheGroundIsNoPartOfTheCreature) {
  ParameterSet set;
  set.SetOn("chkHFOn", true);
  set.SetText("edHFName", "land.png");
  const ComposeResult composed = ComposeScene(set);
  ASSERT_NE(composed.scene.find("height_field {"), std::string::npos);
  const SceneModel model = ReadSceneModel(composed.scene);
  EXPECT_EQ(model.stand_ins, 0);
  EXPECT_EQ(model.instances.size(), 240u);
}

}  // namespace
}  // namespace vermora
