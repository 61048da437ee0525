#include "creature_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace vermora::app {

std::pair<float, float> DepthRange(const Bounds& bounds, const QMatrix4x4& view) {
  if (bounds.empty) return {0.1f, 1000.0f};
  float nearest = 1e30f, farthest = -1e30f;
  for (int corner = 0; corner < 8; ++corner) {
    const QVector3D p(static_cast<float>(corner & 1 ? bounds.max.x : bounds.min.x),
                      static_cast<float>(corner & 2 ? bounds.max.y : bounds.min.y),
                      static_cast<float>(corner & 4 ? bounds.max.z : bounds.min.z));
    const float depth = -view.map(p).z();
    nearest = std::min(nearest, depth);
    farthest = std::max(farthest, depth);
  }
  farthest = std::max(farthest, 0.01f) * 1.05f + 0.01f;
  const float near_plane = std::max(farthest * 1e-4f, nearest * 0.95f);
  return {near_plane, farthest};
}

CreatureView::CreatureView(QWidget* parent) : QOpenGLWidget(parent) {
  setObjectName("CreatureView");
  setFormat(ModelDrawer::SurfaceFormat());
  setFocusPolicy(Qt::StrongFocus);
  setToolTip(
      "Drag to turn the creature, right drag to move it, wheel to zoom; Home: the scene's camera");
}

CreatureView::~CreatureView() {
  if (drawer_ && context()) {
    makeCurrent();
    drawer_.reset();
    doneCurrent();
  }
}

void CreatureView::initializeGL() {
  drawer_ = std::make_unique<ModelDrawer>();
  drawer_->SetShadowsFollow(true);
  QString error;
  const QSurfaceFormat got = context()->format();
  if (!ModelDrawer::CanRun(got) || !drawer_->Initialize(error)) {
    drawer_.reset();
    failure_ =
        "The 3-D view needs OpenGL 3.3: " +
        (error.isEmpty()
             ? QString("this display gives %1.%2").arg(got.majorVersion()).arg(got.minorVersion())
             : error);
    emit Failed(failure_);
    return;
  }
  uploaded_ = false;
}

void CreatureView::Show(const BuiltModel& built) {
  built_ = built;
  bounds_ = built.model ? built.model->bounds() : Bounds{};
  uploaded_ = false;
  update();
}

void CreatureView::ResetCamera() {
  yaw_ = pitch_ = 0;
  zoom_ = 1;
  pan_ = {};
  update();
}

void CreatureView::Orbit(float yaw, float pitch) {
  yaw_ += yaw;
  pitch_ = std::clamp(pitch_ + pitch, -89.0f, 89.0f);
  update();
}

QMatrix4x4 CreatureView::ViewMatrix() const {
  if (!built_.model) return {};
  const SceneCamera& camera = built_.model->camera;
  const QMatrix4x4 scene = ToQt(CameraView(camera));
  // The orbit turns about the point the camera looks at.
  const QVector3D pivot = scene.map(
      QVector3D(float(camera.look_at.x), float(camera.look_at.y), float(camera.look_at.z)));
  const float distance = std::max(0.01f, -pivot.z());
  QMatrix4x4 orbit;
  orbit.translate(pan_ * distance);
  orbit.translate(0, 0, distance * (1 - 1 / zoom_));
  orbit.translate(pivot);
  orbit.rotate(pitch_, 1, 0, 0);
  orbit.rotate(yaw_, 0, 1, 0);
  orbit.translate(-pivot);
  return orbit * scene;
}

QMatrix4x4 CreatureView::ProjectionMatrix(const QMatrix4x4& view, double aspect) const {
  if (!built_.model) return {};
  const auto [near_plane, far_plane] = DepthRange(bounds_, view);
  return ToQt(CameraProjection(built_.model->camera, aspect, near_plane, far_plane));
}

QRect CreatureView::PictureRect() const {
  const double aspect = built_.aspect > 0 ? built_.aspect : 4.0 / 3.0;
  int w = width(), h = static_cast<int>(std::lround(w / aspect));
  if (h > height()) {
    h = height();
    w = static_cast<int>(std::lround(h * aspect));
  }
  return {(width() - w) / 2, (height() - h) / 2, w, h};
}

void CreatureView::ShowSurroundings(bool shown) {
  surroundings_ = shown;
  update();
}

void CreatureView::paintGL() {
  QOpenGLExtraFunctions* gl = context()->extraFunctions();
  gl->glClearColor(0.13f, 0.13f, 0.13f, 1);
  gl->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  if (!drawer_ || !built_.model) return;
  drawer_->ShowSurroundings(surroundings_);
  if (!uploaded_) {
    drawer_->Upload(*built_.model, built_.pictures.get());
    uploaded_ = true;
  }
  const qreal ratio = devicePixelRatioF();
  const QRect r = PictureRect();
  gl->glViewport(int(r.x() * ratio), int((height() - r.bottom() - 1) * ratio),
                 int(r.width() * ratio), int(r.height() * ratio));
  const QMatrix4x4 view = ViewMatrix();
  drawer_->Draw(view, ProjectionMatrix(view, built_.aspect));
  if (drawer_->shadows_pending()) update();  // the shadows a frame after the first picture
  ++frames_;
  emit Drawn();
}

void CreatureView::mousePressEvent(QMouseEvent* event) {
  last_mouse_ = event->position().toPoint();
}

void CreatureView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint(), by = at - last_mouse_;
  last_mouse_ = at;
  if (event->buttons() & Qt::LeftButton) {
    Orbit(by.x() * 0.5f, by.y() * 0.5f);
  } else if (event->buttons() & (Qt::RightButton | Qt::MiddleButton)) {
    // A drag across the picture moves the creature about as far as it looks.
    const float scale = 1.0f / std::max(1, PictureRect().height());
    pan_ += QVector3D(by.x() * scale, -by.y() * scale, 0);
    update();
  }
}

void CreatureView::wheelEvent(QWheelEvent* event) {
  zoom_ = std::clamp(zoom_ * std::pow(1.1f, event->angleDelta().y() / 120.0f), 0.05f, 50.0f);
  update();
}

void CreatureView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Home) {
    ResetCamera();
    return;
  }
  QOpenGLWidget::keyPressEvent(event);
}

}  // namespace vermora::app
