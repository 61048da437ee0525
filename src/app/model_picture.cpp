#include "model_picture.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QOpenGLFramebufferObject>
#include <memory>

#include "creature_view.h"
#include "model_drawer.h"

namespace vermora::app {

namespace {

// One context for all pictures, made on first use on the window's thread.
struct Offscreen {
  QOffscreenSurface surface;
  QOpenGLContext context;
  ModelDrawer drawer;
  QString error;
  bool ok = false;

  Offscreen() {
    const QSurfaceFormat format = ModelDrawer::SurfaceFormat();
    context.setFormat(format);
    surface.setFormat(format);
    surface.create();
    const QSurfaceFormat got = context.create() ? context.format() : QSurfaceFormat();
    if (!ModelDrawer::CanRun(got) || !context.makeCurrent(&surface)) {
      error = "no OpenGL 3.3 on this display";
      return;
    }
    ok = drawer.Initialize(error);
  }
};

Offscreen& Shared() {
  static auto* offscreen = new Offscreen;  // lives as long as the program
  return *offscreen;
}

}  // namespace

QImage DrawModelPicture(const BuiltModel& built, QSize size, QString* error, bool surroundings) {
  Offscreen& gl = Shared();
  if (!gl.ok || !built.model || !gl.context.makeCurrent(&gl.surface)) {
    if (error) *error = gl.ok ? "no model" : gl.error;
    return {};
  }
  QOpenGLFramebufferObjectFormat format;
  format.setAttachment(QOpenGLFramebufferObject::Depth);
  format.setSamples(4);
  QOpenGLFramebufferObject target(size, format);
  target.bind();
  gl.context.extraFunctions()->glViewport(0, 0, size.width(), size.height());
  gl.drawer.Upload(*built.model, built.pictures.get());
  gl.drawer.ShowSurroundings(surroundings);
  const QMatrix4x4 view = ToQt(CameraView(built.model->camera));
  const auto [near_plane, far_plane] = DepthRange(built.model->bounds(), view);
  gl.drawer.Draw(view,
                 ToQt(CameraProjection(built.model->camera, double(size.width()) / size.height(),
                                       near_plane, far_plane)));
  gl.drawer.Upload(SceneModel{});  // frees the buffers
  QImage picture = target.toImage();
  target.release();
  gl.context.doneCurrent();
  return picture.convertToFormat(QImage::Format_RGB32);
}

}  // namespace vermora::app
