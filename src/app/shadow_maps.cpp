#include "shadow_maps.h"

#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <cmath>

#include "model_shaders.h"

namespace vermora::app {

ShadowMaps::~ShadowMaps() {
  QOpenGLContext* context = QOpenGLContext::currentContext();
  if (!context || !textures_[0]) return;
  QOpenGLExtraFunctions* gl = context->extraFunctions();
  gl->glDeleteFramebuffers(kMaps, framebuffers_);
  gl->glDeleteTextures(kMaps, textures_);
}

bool ShadowMaps::Initialize(QString& error) {
  if (!depth_.addShaderFromSourceCode(QOpenGLShader::Vertex, shaders::kVertex) ||
      !depth_.addShaderFromSourceCode(QOpenGLShader::Fragment, shaders::kDepthOnly) ||
      !depth_.link()) {
    error = depth_.log();
    return false;
  }
  QOpenGLExtraFunctions* gl = QOpenGLContext::currentContext()->extraFunctions();
  GLint framebuffer = 0;
  gl->glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &framebuffer);
  gl->glGenTextures(kMaps, textures_);
  gl->glGenFramebuffers(kMaps, framebuffers_);
  for (int i = 0; i < kMaps; ++i) {
    gl->glBindTexture(GL_TEXTURE_2D, textures_[i]);
    gl->glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT24, kSize, kSize, 0, GL_DEPTH_COMPONENT,
                     GL_UNSIGNED_INT, nullptr);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE, GL_COMPARE_REF_TO_TEXTURE);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_FUNC, GL_LEQUAL);
    gl->glBindFramebuffer(GL_FRAMEBUFFER, framebuffers_[i]);
    gl->glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, textures_[i], 0);
    gl->glDrawBuffers(0, nullptr);
  }
  gl->glBindTexture(GL_TEXTURE_2D, 0);
  gl->glBindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(framebuffer));
  return true;
}

void ShadowMaps::Render(const std::vector<SceneLight>& lights, const Bounds& bounds,
                        const std::function<void(QOpenGLShaderProgram&)>& draw) {
  count_ = 0;
  if (bounds.empty || !textures_[0]) return;
  QOpenGLExtraFunctions* gl = QOpenGLContext::currentContext()->extraFunctions();
  GLint framebuffer = 0, viewport[4];
  gl->glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &framebuffer);
  gl->glGetIntegerv(GL_VIEWPORT, viewport);
  const QVector3D low = {float(bounds.min.x), float(bounds.min.y), float(bounds.min.z)},
                  high = {float(bounds.max.x), float(bounds.max.y), float(bounds.max.z)};
  const QVector3D centre = (low + high) / 2;
  const float radius = std::max((high - low).length() / 2, 1e-3f);
  gl->glViewport(0, 0, kSize, kSize);
  gl->glEnable(GL_DEPTH_TEST);
  gl->glDepthMask(GL_TRUE);
  gl->glDisable(GL_BLEND);
  gl->glEnable(GL_POLYGON_OFFSET_FILL);
  gl->glPolygonOffset(2.0f, 4.0f);
  depth_.bind();
  for (const SceneLight& light : lights) {
    if (count_ == kMaps) break;
    const QVector3D from(float(light.position.x), float(light.position.y), float(light.position.z));
    const float distance = (centre - from).length();
    if (distance <= radius * 1.05f) continue;  // a light among the creature casts no map
    const QVector3D towards = (centre - from).normalized();
    const QVector3D up = std::abs(towards.y()) > 0.9f ? QVector3D(1, 0, 0) : QVector3D(0, 1, 0);
    QMatrix4x4 view, projection;
    view.lookAt(from, centre, up);
    const float angle = 2 * std::asin(radius / distance) * 180 / 3.14159265f;
    projection.perspective(angle * 1.02f, 1, distance - radius, distance + radius);
    light_space_[count_] = projection * view;
    depth_.setUniformValue("view", view);
    depth_.setUniformValue("projection", projection);
    gl->glBindFramebuffer(GL_FRAMEBUFFER, framebuffers_[count_]);
    gl->glClear(GL_DEPTH_BUFFER_BIT);
    draw(depth_);
    ++count_;
  }
  depth_.release();
  gl->glDisable(GL_POLYGON_OFFSET_FILL);
  gl->glBindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(framebuffer));
  gl->glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
}

void ShadowMaps::Bind(QOpenGLShaderProgram& program, int unit) {
  QOpenGLExtraFunctions* gl = QOpenGLContext::currentContext()->extraFunctions();
  program.setUniformValue("shadow_count", count_);
  for (int i = 0; i < kMaps; ++i) {
    gl->glActiveTexture(GL_TEXTURE0 + unit + i);
    gl->glBindTexture(GL_TEXTURE_2D, textures_[i]);
    program.setUniformValue(i == 0 ? "shadow0" : "shadow1", unit + i);
    const std::string name = "light_space[" + std::to_string(i) + "]";
    program.setUniformValue(name.c_str(), light_space_[i]);
  }
  gl->glActiveTexture(GL_TEXTURE0);
}

}  // namespace vermora::app
