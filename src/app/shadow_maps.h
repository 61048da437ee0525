#pragma once

#include <QMatrix4x4>
#include <QOpenGLShaderProgram>
#include <functional>
#include <vector>

#include "model/scene_model.h"

namespace vermora::app {

// The depth of the creature seen from each of the scene's first lights, so
// that the view's shading leaves in shadow what they do not reach. They
// depend on the model and its lights only: made once, kept through an orbit.
class ShadowMaps {
 public:
  static constexpr int kMaps = 2;
  static constexpr int kSize = 1024;

  ShadowMaps() = default;
  ~ShadowMaps();
  ShadowMaps(const ShadowMaps&) = delete;
  ShadowMaps& operator=(const ShadowMaps&) = delete;

  // Compiles the depth shaders (with the view's vertex shader); false with `error`.
  bool Initialize(QString& error);
  // Draws, for each light outside the creature's box, the depth of what
  // `draw` draws with the program it is given (view and projection set).
  void Render(const std::vector<SceneLight>& lights, const Bounds& bounds,
              const std::function<void(QOpenGLShaderProgram&)>& draw);
  // Gives a shader of the view the maps: shadow_count, light_space[], shadow0
  // and shadow1 on texture units `unit` and `unit` + 1.
  void Bind(QOpenGLShaderProgram& program, int unit);
  // Forgets the maps: nothing is in shadow until the next Render.
  void Clear() { count_ = 0; }

 private:
  QOpenGLShaderProgram depth_;
  unsigned textures_[kMaps] = {0, 0};
  unsigned framebuffers_[kMaps] = {0, 0};
  QMatrix4x4 light_space_[kMaps];
  int count_ = 0;
};

}  // namespace vermora::app
