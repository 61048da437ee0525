// Feeds a settings file to the loader and the loaded set to the composer (and
// its scene to the scene model), the object count estimate and the texture
// builder. Input that does not start with "Q" is taken as the lines after the
// format mark, so the fuzzer spends its time on values rather than on finding
// the mark.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/random.h"
#include "compose/composer.h"
#include "model/scene_model.h"
#include "params/parameter_set.h"
#include "params/settings_file.h"
#include "scene/object_count.h"
#include "texture/texture_builder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vermora;
  std::string text(reinterpret_cast<const char*>(data), size);
  if (text.empty() || text.front() != 'Q') text = std::string(kFormatMark) + "\r\n" + text;
  ParameterSet set;
  (void)LoadSettingsText(text, set);
  Random random(7);
  FixedClock clock(1234);
  ComposeOptions options;
  options.random = &random;
  options.clock = &clock;
  options.max_scene_bytes = std::size_t{4} << 20;  // a scene beyond this stops at once
  const ComposeResult composed = ComposeScene(set, options);
  (void)ReadSceneModel(composed.scene);
  (void)EstimateObjects(set);
  std::string texture;
  (void)BuildTexture(set, texture);
  return 0;
}
