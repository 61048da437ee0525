// Feeds any text to the scene model reader: it must return, with an error or
// a model, within its bounds of depth, steps and objects.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "model/scene_model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const vermora::SceneModel model =
      vermora::ReadSceneModel(std::string_view(reinterpret_cast<const char*>(data), size));
  (void)model.bounds();
  return 0;
}
